// The write and read exchanges: call order, retries, acceptance, results and
// the decoding of reply values.
#include "exchange.h"

#include <gtest/gtest.h>

#include "fake_line.h"

namespace ocel {
namespace {

using testing::FakeLine;
using Log = std::vector<std::string>;

const Frame kShapeWrite = writeFrame(17, 128);
const std::string kShapeAck = "000000C017128\r";

// A write raises RTS around its frame, a read leaves RTS alone.
TEST(Exchange, CallOrderOfAWriteAndARead) {
  FakeLine write, read;
  write.replies = {kShapeAck};
  read.replies = {"000000C0<5048\r"};
  std::int32_t value = -1;
  EXPECT_EQ(SendFrame(&write, kShapeWrite), OCEL400_DONE);
  EXPECT_EQ(ReadRegister(&read, 125, value), OCEL400_DONE);
  EXPECT_EQ(value, 48);
  EXPECT_EQ(write.log,
            (Log{"discard", "rts+", "write:000000W017128\r", "rts-", "read:14", "pause:30"}));
  EXPECT_EQ(read.log, (Log{"discard", "write:000000R0<5000\r", "read:14", "pause:30"}));
}

// A write takes any acknowledgement, a read only one for its register; up to
// 20 attempts, each after a flush.
TEST(Exchange, RetriesUntilAReplyIsAccepted) {
  struct Case {
    const char* name;
    bool read;  // ReadRegister(8), else SendFrame(Shape = 128)
    std::deque<std::string> replies;
    int attempts;
    std::uint16_t result;
    std::int32_t value = 0;  // what the read decodes
  } cases[] = {
      {"write: no carriage return", false, {"000000C017128\n", kShapeAck}, 2, OCEL400_DONE},
      {"write: not accepted", false, {"000000E017128\r", "", kShapeAck}, 3, OCEL400_DONE},
      {"write: silent camera", false, {}, 20, OCEL400_NOT_ACKNOWLEDGED},
      {"register 18's reply", true, {"000000C018077\r", "000000C008123\r"}, 2, OCEL400_DONE, 123},
      {"silent camera reads 0", true, {}, 20, OCEL400_NOT_ACKNOWLEDGED, 0},
      // The buffer is kept between attempts: the second reply brings 11
      // bytes, bytes 11-13 stay from the first.
      {"short reply fills from the start",
       true,
       {"000000N008456\r", "000000N0087"},
       20,
       OCEL400_NOT_ACKNOWLEDGED,
       756},
      // Value bytes are taken as signed characters, digits or not.
      {"letters count from '0'", true, {"000000C008A00\r"}, 1, OCEL400_DONE, 1700},
      {"high bytes are negative", true, {"000000C00800\xF0\r"}, 1, OCEL400_DONE, -16 - 48},
  };
  for (const Case& c : cases) {
    FakeLine line;
    line.replies = c.replies;
    std::int32_t value = 0;
    EXPECT_EQ(c.read ? ReadRegister(&line, 8, value) : SendFrame(&line, kShapeWrite), c.result)
        << c.name;
    EXPECT_EQ(value, c.value) << c.name;
    EXPECT_EQ(line.count(c.read ? "write:000000R008000\r" : "write:000000W017128\r"), c.attempts)
        << c.name;
    EXPECT_EQ(line.count("discard"), c.attempts) << c.name;
    EXPECT_EQ(line.count("rts+"), c.read ? 0 : c.attempts) << c.name;  // reads leave RTS alone
    EXPECT_EQ(line.count("pause:30"), 1) << c.name;
  }
}

// No further attempt, no read, no pause, and RTS not left raised.
TEST(Exchange, RefusedWriteEndsEitherExchangeAtOnce) {
  FakeLine write, read;
  write.failingWrite = 2;  // after a silent attempt
  read.failingWrite = 1;
  std::int32_t value = -1;
  EXPECT_EQ(SendFrame(&write, kShapeWrite), OCEL400_WRITE_FAILED);
  EXPECT_EQ(ReadRegister(&read, 8, value), OCEL400_WRITE_FAILED);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(write.log, (Log{"discard", "rts+", "write:000000W017128\r", "rts-", "read:0", "discard",
                            "rts+", "write-refused", "rts-"}));
  EXPECT_EQ(read.log, (Log{"discard", "write-refused"}));
}

// After a short attempt the exchange reads the line until it has been quiet
// for 17 byte times, so the next exchange does not take a late reply; at most
// 15 reads of 4 bytes on a line that never falls quiet.
TEST(Exchange, WaitsForLateRepliesOnlyAfterAShortAttemptAndBoundedly) {
  std::deque<std::string> noise{"", kShapeAck};
  noise.insert(noise.end(), 40, "0000");
  struct Case {
    const char* name;
    std::deque<std::string> replies;
    std::size_t byteTimesWaited;
    std::size_t repliesLeft;
    bool read = false;  // ReadRegister(17), else SendFrame(Shape = 128)
  } cases[] = {
      {"accepted at once", {kShapeAck, kShapeAck}, 0, 1},
      {"silent camera", {}, 20 * 14 + 3, 0},
      {"short attempt, then quiet", {"", kShapeAck}, 14 + 17, 0},
      {"fragment, then a late reply", {"000000C", kShapeAck, kShapeAck}, 14 + 17, 0},
      {"read: fragment, then a late reply", {"000000C", kShapeAck, kShapeAck}, 14 + 17, 0, true},
      {"endless noise", noise, 14, 40 - 15},
  };
  for (const Case& c : cases) {
    FakeLine line;
    line.replies = c.replies;
    std::int32_t value = 0;
    c.read ? ReadRegister(&line, 17, value) : SendFrame(&line, kShapeWrite);
    EXPECT_EQ(line.byteTimesWaited, c.byteTimesWaited) << c.name;
    EXPECT_EQ(line.replies.size(), c.repliesLeft) << c.name;
    EXPECT_EQ(line.count("pause:30"), 1) << c.name;
  }
}

}  // namespace
}  // namespace ocel

// The camera's answers to frames, without any pty: registers, the
// user-settings flag, malformed frames, line settings and the speed check.
#include <gtest/gtest.h>

#include "ocel400sim/camera.h"
#include "ocel400sim/frame_codec.h"

namespace ocelsim {
namespace {

const TimePoint kStart{};

Options modelOptions(int model) {
  Options options;
  options.model = model;
  return options;
}

std::string sent(const Exchange& exchange) {
  std::string bytes;
  for (const ReplyChunk& chunk : exchange.reply) bytes += chunk.bytes;
  return bytes;
}

struct FrameCase {
  const char* name;
  int model;
  std::string frame;
  std::string reply;
  int checkedReg;
  int valueAfter;
  bool malformed;
  // Names the case in test listings instead of dumping its bytes.
  friend void PrintTo(const FrameCase& c, std::ostream* out) { *out << c.name; }
};

class CameraFrame : public testing::TestWithParam<FrameCase> {};

TEST_P(CameraFrame, AnswersAndApplies) {
  const FrameCase& c = GetParam();
  Camera camera(modelOptions(c.model), kStart);
  const Exchange exchange = camera.receive(c.frame, 9600, kStart);
  EXPECT_EQ(sent(exchange), c.reply);
  EXPECT_EQ(camera.reg(c.checkedReg, kStart), c.valueAfter);
  EXPECT_EQ(camera.malformedFrames(), c.malformed ? 1 : 0);
  EXPECT_EQ(camera.receivedFrames(), std::vector<std::string>{c.frame});
}

INSTANTIATE_TEST_SUITE_P(
    Frames, CameraFrame,
    testing::Values(
        FrameCase{"WriteStoresAndEchoes", 1, "000000W014200\r", "000000C014200\r", 14, 200, false},
        FrameCase{"WriteAnyValueUpTo999", 1, "000000W255999\r", "000000C255999\r", 255, 999, false},
        FrameCase{"ReadFactoryValue", 1, "000000R009000\r", "000000C009198\r", 9, 198, false},
        FrameCase{"ReadRegister125", 1, "000000R0<5000\r", "000000C0<5096\r", 125, 96, false},
        FrameCase{"ReadRegister101", 1, "000000R0:1000\r", "000000C0:1010\r", 101, 10, false},
        FrameCase{"ReadEchoesByteSeven", 1, "000000R?36000\r", "000000C?36155\r", 36, 155, false},
        FrameCase{"Model0AreaRow3", 0, "000000R027000\r", "000000C027004\r", 27, 4, false},
        FrameCase{"Model0Shape", 0, "000000R017000\r", "000000C017235\r", 17, 235, false},
        FrameCase{"MalformedRegister", 1, "000000W01A200\r", "000000E01A200\r", 14, 128, true},
        FrameCase{"MalformedValue", 1, "000000W0142 0\r", "000000E0142 0\r", 14, 128, true},
        FrameCase{"MalformedLetter", 1, "000000X014200\r", "000000E014200\r", 14, 128, true},
        FrameCase{"RegisterPast255", 1, "000000W256200\r", "000000E256200\r", 0, 0, true},
        FrameCase{"MalformedPrefix", 0, "000001W014200\r", "000000E014200\r", 14, 118, true}),
    [](const testing::TestParamInfo<FrameCase>& info) { return info.param.name; });

struct UsflgCase {
  int model;
  int usflg;
  int reg;  // a register with a factory value to change
  // Names the case in test listings instead of dumping its bytes.
  friend void PrintTo(const UsflgCase& c, std::ostream* out) {
    *out << "model " << c.model << " register " << c.reg;
  }
};

class UserSettingsFlag : public testing::TestWithParam<UsflgCase> {};

TEST_P(UserSettingsFlag, KeepsAndRestores) {
  const UsflgCase& c = GetParam();
  Camera camera(modelOptions(c.model), kStart);
  const int factory = camera.reg(c.reg, kStart);
  camera.receive(encodeWrite(c.reg, 77), 9600, kStart);
  const std::string keep = encodeWrite(c.usflg, 1);
  EXPECT_EQ(sent(camera.receive(keep, 9600, kStart)), echoReply(keep, kAccepted));
  EXPECT_EQ(camera.reg(c.usflg, kStart), 1);
  EXPECT_EQ(camera.userSet()[c.reg], 77);

  camera.receive(encodeWrite(c.reg, 78), 9600, kStart);
  EXPECT_EQ(camera.userSet()[c.reg], 77) << "the user set changes only on Usflg 1";

  camera.receive(encodeWrite(c.usflg, 5), 9600, kStart);
  EXPECT_EQ(camera.reg(c.usflg, kStart), 5) << "other values are just stored";
  EXPECT_EQ(camera.reg(c.reg, kStart), 78);

  camera.receive(encodeWrite(c.usflg, 255), 9600, kStart);
  const Registers factoryValues = factoryRegisters(c.model);
  for (int reg = 0; reg < kRegisterCount; ++reg)
    EXPECT_EQ(camera.reg(reg, kStart), factoryValues[reg]) << "register " << reg;
  EXPECT_EQ(camera.reg(c.reg, kStart), factory);
}

INSTANTIATE_TEST_SUITE_P(Models, UserSettingsFlag,
                         testing::Values(UsflgCase{0, 31, 14}, UsflgCase{1, 127, 9},
                                         UsflgCase{1, 127, 200}));

struct LineCase {
  const char* name;
  int reg;
  int value;
  LineSettings after;
  // Names the case in test listings instead of dumping its bytes.
  friend void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }
};

class LineRegisters : public testing::TestWithParam<LineCase> {};

TEST_P(LineRegisters, ApplyFromTheNextFrame) {
  const LineCase& c = GetParam();
  Camera camera(modelOptions(1), kStart);
  const Exchange exchange = camera.receive(encodeWrite(c.reg, c.value), 9600, kStart);
  EXPECT_EQ(exchange.replyLine, (LineSettings{9600, Parity::None}))
      << "the acknowledgement still goes out at the old settings";
  EXPECT_EQ(sent(exchange), echoReply(encodeWrite(c.reg, c.value), kAccepted));
  EXPECT_EQ(camera.line(), c.after);
  const Exchange next = camera.receive(encodeRead(c.reg), c.after.baud, kStart);
  EXPECT_EQ(next.replyLine, c.after);
  EXPECT_EQ(sent(next), readReply(encodeRead(c.reg), c.value, kAccepted));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, LineRegisters,
    testing::Values(LineCase{"ReBps48", 125, 48, {4800, Parity::None}},
                    LineCase{"ReBps24", 125, 24, {2400, Parity::None}},
                    LineCase{"ReBpsUnknownKeepsSpeed", 125, 50, {9600, Parity::None}},
                    LineCase{"RePrtOdd", 126, 1, {9600, Parity::Odd}},
                    LineCase{"RePrtEven", 126, 2, {9600, Parity::Even}},
                    LineCase{"RePrtUnknownKeepsParity", 126, 3, {9600, Parity::None}}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST(CameraLine, InitialSpeedSetsReBpsAndFactoryResetRestores9600) {
  Options options = modelOptions(1);
  options.cameraBaud = 2400;
  Camera camera(options, kStart);
  EXPECT_EQ(camera.reg(125, kStart), 24);
  EXPECT_TRUE(sent(camera.receive(encodeWrite(127, 255), 2400, kStart)).size() == kFrameLength);
  EXPECT_EQ(camera.line().baud, 9600);
}

TEST(CameraLine, FrameAtAnotherSpeedIsNeitherAnsweredNorApplied) {
  Camera camera(modelOptions(1), kStart);
  const Exchange exchange = camera.receive("000000W014200\r", 4800, kStart);
  EXPECT_TRUE(exchange.reply.empty());
  EXPECT_EQ(camera.reg(14, kStart), 128);
  EXPECT_EQ(camera.mismatchedFrames(), 1);
  EXPECT_EQ(camera.lastPcBaud(), 4800);
  EXPECT_TRUE(camera.receivedFrames().empty());
  ASSERT_EQ(exchange.events.size(), 1u);
  EXPECT_EQ(exchange.events[0], "line speed mismatch: PC at 4800 baud, camera at 9600");

  EXPECT_EQ(sent(camera.receive("000000W014200\r", 9600, kStart)), "000000C014200\r");
  EXPECT_EQ(camera.lastPcBaud(), 9600);
  EXPECT_EQ(camera.mismatchedFrames(), 1);
}

}  // namespace
}  // namespace ocelsim

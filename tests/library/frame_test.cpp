// Frame layout, register fields and reply acceptance.
#include <gtest/gtest.h>

#include <string>

#include "frame.h"

namespace ocel {
namespace {

std::string text(const Frame& f) { return std::string(f.begin(), f.end()); }

Frame frameOf(const std::string& s) {
  Frame f{};
  std::copy_n(s.begin(), kFrameSize, f.begin());
  return f;
}

TEST(Frame, WriteCommandCarriesRegisterAndValueDigits) {
  EXPECT_EQ(text(writeFrame(14, 128)), "000000W014128\r");
  EXPECT_EQ(text(writeFrame(255, 7)), "000000W255007\r");
  EXPECT_EQ(text(writeFrame(0, 0)), "000000W000000\r");
}

TEST(Frame, ReadRequestRegisterFieldPassesNineFromRegister100) {
  struct Case {
    int reg;
    std::string field;
  } cases[] = {{8, "008"}, {99, "099"}, {100, "0:0"}, {125, "0<5"}, {127, "0<7"}, {255, "0I5"}};
  for (const Case& c : cases) {
    Frame f = blankFrame(kReadLetter);
    putReadRegister(c.reg, f);
    EXPECT_EQ(text(f), "000000R" + c.field + "000\r") << c.reg;
  }
}

TEST(Frame, ReplyValueIsDecodedFromSignedCharacters) {
  EXPECT_EQ(decodeReplyValue(frameOf("000000C008123\r")), 123);
  EXPECT_EQ(decodeReplyValue(frameOf("000000C008999\r")), 999);
  EXPECT_EQ(decodeReplyValue(zeroReplyBuffer()), 0);
  // Not digits: taken as they are, 'A' is 17 above '0'.
  EXPECT_EQ(decodeReplyValue(frameOf("000000C008A00\r")), 1700);
  Frame high = frameOf("000000C008000\r");
  high[12] = 0xF0;  // -16 as a signed character
  EXPECT_EQ(decodeReplyValue(high), -16 - 48);
}

}  // namespace
}  // namespace ocel

// Decoding of requests from the PC and the bytes of the camera's replies.
#include <gtest/gtest.h>

#include "ocel400sim/frame_codec.h"

namespace ocelsim {
namespace {

struct DecodeCase {
  const char* name;
  std::string frame;
  bool wellFormed;
  Command command;
  int reg;
  int value;
  // Names the case in test listings instead of dumping its bytes.
  friend void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.name; }
};

class DecodeRequest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeRequest, TakesApartOrRefuses) {
  const DecodeCase& c = GetParam();
  const std::optional<Request> request = decodeRequest(c.frame);
  ASSERT_EQ(request.has_value(), c.wellFormed);
  if (!request) return;
  EXPECT_EQ(request->command, c.command);
  EXPECT_EQ(request->reg, c.reg);
  EXPECT_EQ(request->value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, DecodeRequest,
    testing::Values(
        DecodeCase{"WriteHundredsFirst", "000000W014128\r", true, Command::Write, 14, 128},
        DecodeCase{"WriteHighestRegister", "000000W255999\r", true, Command::Write, 255, 999},
        DecodeCase{"ReadBelowHundred", "000000R008000\r", true, Command::Read, 8, 0},
        DecodeCase{"ReadTensPastNine",
                   std::string("000000R0\x3C"
                               "5000\r"),
                   true, Command::Read, 125, 0},
        DecodeCase{"ReadHighestRegister", "000000R0I5000\r", true, Command::Read, 255, 0},
        DecodeCase{"ReadIgnoresByteSeven", "000000R?27000\r", true, Command::Read, 27, 0},
        DecodeCase{"WriteRegisterPast255", "000000W256001\r", false, Command::Write, 0, 0},
        DecodeCase{"ReadRegisterPast255", "000000R0I6000\r", false, Command::Read, 0, 0},
        DecodeCase{"WriteRegisterNotDigits", "000000W0<5001\r", false, Command::Write, 0, 0},
        DecodeCase{"ValueNotDigits", "000000W01412A\r", false, Command::Write, 0, 0},
        DecodeCase{"ReadValueNotDigits", "000000R008 00\r", false, Command::Read, 0, 0},
        DecodeCase{"ReadUnitsPastNine", "000000R00:000\r", false, Command::Read, 0, 0},
        DecodeCase{"UnknownLetter", "000000X014128\r", false, Command::Write, 0, 0},
        DecodeCase{"LowerCaseLetter", "000000w014128\r", false, Command::Write, 0, 0},
        DecodeCase{"PrefixNotZeros", "100000W014128\r", false, Command::Write, 0, 0},
        DecodeCase{"NoCarriageReturn", "000000W014128\n", false, Command::Write, 0, 0},
        DecodeCase{"TooShort", "00000W014128\r", false, Command::Write, 0, 0}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return info.param.name; });

TEST(FrameCodec, EncodesRequestsAsThePcDoes) {
  EXPECT_EQ(encodeWrite(14, 128), "000000W014128\r");
  EXPECT_EQ(encodeWrite(125, 7), "000000W125007\r");
  EXPECT_EQ(encodeRead(8), "000000R008000\r");
  EXPECT_EQ(encodeRead(125), "000000R0<5000\r");
  for (int reg = 0; reg < 256; ++reg) {
    for (const std::string& frame : {encodeRead(reg), encodeWrite(reg, 999 - reg)}) {
      const std::optional<Request> request = decodeRequest(frame);
      ASSERT_TRUE(request) << frame;
      EXPECT_EQ(request->reg, reg) << frame;
    }
  }
}

}  // namespace
}  // namespace ocelsim

// Keypad zoom motion of model 1, driven by made-up time.
#include <gtest/gtest.h>

#include "ocel400sim/register_file.h"

namespace ocelsim {
namespace {

using std::chrono::milliseconds;

constexpr int kEzSwBtn = 33;
constexpr int kDZoom = 17;
constexpr int kTele = 1;
constexpr int kWide = 2;
const TimePoint kStart{};

struct MotionCase {
  const char* name;
  int start;
  int buttons;
  milliseconds held;
  int expected;
  // Names the case in test listings instead of dumping its bytes.
  friend void PrintTo(const MotionCase& c, std::ostream* out) { *out << c.name; }
};

class ZoomMotion : public testing::TestWithParam<MotionCase> {};

TEST_P(ZoomMotion, MovesAtTheRateAndStopsAtTheEnd) {
  const MotionCase& c = GetParam();
  RegisterFile registers(1, 64, kStart);
  registers.store(kDZoom, c.start, kStart);
  registers.write(kEzSwBtn, c.buttons, kStart);
  EXPECT_EQ(registers.read(kDZoom, kStart + c.held), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ZoomMotion,
    testing::Values(MotionCase{"TeleOneSecond", 255, kTele, milliseconds(1000), 191},
                    MotionCase{"TeleClampsAt63", 255, kTele, milliseconds(10000), 63},
                    MotionCase{"WideOneSecond", 63, kWide, milliseconds(1000), 127},
                    MotionCase{"WideClampsAt255", 200, kWide, milliseconds(10000), 255},
                    MotionCase{"BothButtonsStandStill", 150, kTele | kWide, milliseconds(1000),
                               150},
                    MotionCase{"OnlyLowBitsCount", 150, 4 | kWide, milliseconds(500), 182}),
    [](const testing::TestParamInfo<MotionCase>& info) { return info.param.name; });

TEST(ZoomMotion, FactoryResetStopsTheMotion) {
  RegisterFile registers(1, 64, kStart);
  registers.write(kEzSwBtn, kTele, kStart);
  registers.write(127, 255, kStart + milliseconds(500));
  EXPECT_EQ(registers.read(kEzSwBtn, kStart + milliseconds(2000)), 0);
  EXPECT_EQ(registers.read(kDZoom, kStart + milliseconds(2000)), 255);
}

TEST(ZoomMotion, Model0HasNoKeypadZoom) {
  RegisterFile registers(0, 64, kStart);
  registers.write(kEzSwBtn, kTele, kStart);
  EXPECT_EQ(registers.read(kDZoom, kStart + milliseconds(1000)), 235);
}

}  // namespace
}  // namespace ocelsim

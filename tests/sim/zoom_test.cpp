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

TEST(ZoomMotion, MovesAtTheRateAndStopsAtTheEnd) {
  const struct {
    const char* name;
    int model, start, buttons;
    milliseconds held;
    int expected;
  } cases[] = {
      {"tele one second", 1, 255, kTele, milliseconds(1000), 191},
      {"tele clamps at 63", 1, 255, kTele, milliseconds(10000), 63},
      {"wide one second", 1, 63, kWide, milliseconds(1000), 127},
      {"wide clamps at 255", 1, 200, kWide, milliseconds(10000), 255},
      {"both buttons stand still", 1, 150, kTele | kWide, milliseconds(1000), 150},
      {"only the low bits count", 1, 150, 4 | kWide, milliseconds(500), 182},
      {"model 0 has no keypad zoom", 0, 235, kTele, milliseconds(1000), 235},
  };
  for (const auto& c : cases) {
    RegisterFile registers(c.model, 64, kStart);
    registers.store(kDZoom, c.start, kStart);
    registers.write(kEzSwBtn, c.buttons, kStart);
    EXPECT_EQ(registers.read(kDZoom, kStart + c.held), c.expected) << c.name;
  }
}

TEST(ZoomMotion, FactoryResetStopsTheMotion) {
  RegisterFile registers(1, 64, kStart);
  registers.write(kEzSwBtn, kTele, kStart);
  registers.write(127, 255, kStart + milliseconds(500));
  EXPECT_EQ(registers.read(kEzSwBtn, kStart + milliseconds(2000)), 0);
  EXPECT_EQ(registers.read(kDZoom, kStart + milliseconds(2000)), 255);
}

}  // namespace
}  // namespace ocelsim

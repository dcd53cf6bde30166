// The library's arithmetic against the camera's documented numbers.
#include "conversions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ocel {
namespace {

struct StepCase {
  double v;
  StepMode mode;
  double expected;
};

TEST(RoundStep, OnlyTheFirstDecimalDecides) {
  const StepCase cases[] = {
      {2.49, StepMode::Whole, 2},  {2.5, StepMode::Whole, 3},     {2.99, StepMode::Whole, 3},
      {2.29, StepMode::Half, 2.0}, {2.3, StepMode::Half, 2.5},    {2.79, StepMode::Half, 2.5},
      {2.8, StepMode::Half, 3.0},  {-0.25, StepMode::Half, -0.2},
  };
  for (const StepCase& c : cases)
    EXPECT_DOUBLE_EQ(roundStep(c.v, c.mode), c.expected)
        << c.v << (c.mode == StepMode::Whole ? " whole" : " half");
}

struct GainCase {
  double decibel;
  int model;
  int code;  // the three digits the frame carries
};

int sentCode(double decibel, int model) {
  const auto d = gainCodeDigits(gainCodeFromDecibel(decibel, model));
  return d[0] * 100 + d[1] * 10 + d[2];
}

TEST(Gain, DecibelToCodeForBothModels) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const GainCase cases[] = {
      {24.0, 1, 240}, {30.0, 1, 243}, {48.0, 1, 255}, {12.34, 1, 123}, {-3.0, 1, 0},  {60.0, 1, 0},
      {nan, 1, 0},    {6.0, 0, 85},   {48.0, 0, 680}, {3.5, 0, 50},    {12.0, 2, 12},
  };
  for (const GainCase& c : cases)
    EXPECT_EQ(sentCode(c.decibel, c.model), c.code) << c.decibel << " dB, model " << c.model;
}

TEST(Gain, CodeToDecibelForBothModels) {
  const GainCase cases[] = {
      {12.3, 1, 123}, {24.0, 1, 240}, {25.6, 1, 241}, {0.0, 0, 4},
      {7.5, 0, 110},  {6.0, 0, 85},   {7.0, 0, 100},
  };
  for (const GainCase& c : cases)
    EXPECT_NEAR(decibelFromGainCode(c.code, c.model), c.decibel, 1e-9)
        << "code " << c.code << ", model " << c.model;
}

struct ShutterCase {
  int speed;
  int standard;
  int code;
};

TEST(Shutter, SpeedToCodeUsesTheTableFirst) {
  ShutterCodes pal{}, ntsc{};
  fillShutterCodes(pal, 0);
  fillShutterCodes(ntsc, 1);
  const ShutterCase cases[] = {
      {1000, 0, 119}, {1000, 1, 112}, {50, 0, 1}, {30000, 1, 248}, {3000, 0, 163},
      {3000, 1, 156}, {48, 0, 0},     {0, 0, 0},  {65535, 0, 286},
  };
  for (const ShutterCase& c : cases)
    EXPECT_EQ(shutterCodeFromSpeed(static_cast<std::uint16_t>(c.speed), c.standard,
                                   c.standard == 0 ? pal : ntsc),
              c.code)
        << "1/" << c.speed << (c.standard == 0 ? " PAL" : " NTSC");
}

TEST(Shutter, CodeToSpeedByFormulaAlone) {
  const ShutterCase cases[] = {
      {989, 0, 119},   {994, 1, 112},   {50, 0, 0},   {59, 1, 0},
      {29986, 0, 255}, {30129, 1, 248}, {0, 0, -999}, {65535, 0, 8769},
  };
  for (const ShutterCase& c : cases)
    EXPECT_EQ(speedFromShutterCode(c.code, c.standard), c.speed)
        << "code " << c.code << (c.standard == 0 ? " PAL" : " NTSC");
}

// A configuration file keeps the speed read back; loading it must send the
// code it was read from, or every save and load lowers the shutter a code.
// Read-back speeds that are standard speeds go to the table's code, once.
TEST(Shutter, ReadBackSpeedGoesBackToItsCode) {
  for (int standard : {0, 1}) {
    ShutterCodes codes{};
    fillShutterCodes(codes, standard);
    for (int code = 0; code <= 255; ++code) {
      const std::uint16_t speed = speedFromShutterCode(code, standard);
      const int loaded = shutterCodeFromSpeed(speed, standard, codes);
      const bool standardSpeed =
          std::any_of(kShutterCodeRows.begin(), kShutterCodeRows.end(),
                      [speed](const auto& row) { return row.speed == speed; });
      if (!standardSpeed) {
        EXPECT_EQ(loaded, code) << "1/" << speed << " standard " << standard;
      }
      EXPECT_EQ(shutterCodeFromSpeed(speedFromShutterCode(loaded, standard), standard, codes),
                loaded)
          << "a second load moved code " << loaded;
    }
  }
}

}  // namespace
}  // namespace ocel

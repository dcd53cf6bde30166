#include "conversions.h"

#include <algorithm>
#include <cmath>

namespace ocel {

namespace {

constexpr double kModel0CodesPerDecibel = 14.166666666666666;   // 85 / 6
constexpr double kModel0DecibelsPerCode = 0.07058823529411765;  // 6 / 85
constexpr double kPalSlope = 39.87, kPalOffset = 156.0;
constexpr double kNtscSlope = 39.873, kNtscOffset = 163.22;
constexpr double kPalInverseSlope = 0.025081514923501382;   // 1 / 39.87
constexpr double kNtscInverseSlope = 0.025079627818323177;  // 1 / 39.873

}  // namespace

double roundStep(double v, StepMode mode) {
  const double i = std::trunc(v);
  const double d = std::trunc(v * 10 - i * 10);
  if (mode == StepMode::Whole) return (d >= 5 && d <= 9) ? i + 1 : i;
  if (d < 0) return i + d * 0.1;
  if (d <= 2) return i;
  if (d <= 7) return i + 0.5;
  return i + 1;
}

double gainCodeFromDecibel(double decibel, std::int32_t model) {
  if (!std::isfinite(decibel) || decibel < 0 || decibel > 48) decibel = 0;
  switch (model) {
    case 1: return decibel <= 24 ? decibel * 10 : (decibel - 24) * 6.25 * 0.1 + 240;
    case 0: return roundStep(decibel * kModel0CodesPerDecibel, StepMode::Whole);
    default: return decibel;
  }
}

std::array<int, 3> gainCodeDigits(double code) {
  const double hundreds = std::trunc(code * 0.01);
  const double tens = std::trunc(code * 0.1 - 10 * hundreds);
  const double ones = std::trunc(code - 10 * tens - 100 * hundreds);
  std::array<int, 3> digits{static_cast<int>(hundreds), static_cast<int>(tens),
                            static_cast<int>(ones)};
  const bool allDigits =
      std::all_of(digits.begin(), digits.end(), [](int d) { return d >= 0 && d <= 9; });
  if (!allDigits) {  // a cut that lands on the wrong side of a digit
    const int whole = static_cast<int>(std::clamp(std::trunc(code), 0.0, 999.0));
    digits = {whole / 100, whole / 10 % 10, whole % 10};
  }
  return digits;
}

double decibelFromGainCode(std::int32_t code, std::int32_t model) {
  switch (model) {
    case 1: return code <= 240 ? code * 0.1 : (code - 240) * 16 * 0.1 + 24;
    case 0: return roundStep(code * kModel0DecibelsPerCode, StepMode::Half);
    default: return code;
  }
}

std::int32_t shutterCodeFromSpeed(std::uint16_t speed, std::int32_t standard,
                                  const ShutterCodes& codes) {
  for (int i = 0; i < kShutterSpeedCount; ++i)
    if (kShutterCodeRows[i].speed == speed) return codes[i];
  const double lnSpeed = std::log(static_cast<double>(speed));
  const double code = standard == 0 ? std::trunc(kPalSlope * lnSpeed - kPalOffset)
                                    : std::trunc(kNtscSlope * lnSpeed - kNtscOffset);
  if (!(code >= 0)) return 0;  // also catches ln(0) = -infinity
  // A speed read back from the camera was cut down to a whole number, so the
  // formula lands just below the code it came from. Sending that lower code
  // would lower the shutter a step at every save and load of a configuration.
  // (65535 is where every code from 287 up reads back: no code of its own.)
  const auto below = static_cast<std::int32_t>(code);
  if (speed < 65535 && speedFromShutterCode(below, standard) != speed &&
      speedFromShutterCode(below + 1, standard) == speed)
    return below + 1;
  return below;
}

std::uint16_t speedFromShutterCode(std::int32_t code, std::int32_t standard) {
  const double exponent = standard == 0 ? (code + kPalOffset) * kPalInverseSlope
                                        : (code + kNtscOffset) * kNtscInverseSlope;
  // Codes come from three decimal digits; only garbage exceeds 16 bits.
  const double speed = std::clamp(std::trunc(std::exp(exponent)), 0.0, 65535.0);
  return static_cast<std::uint16_t>(speed);
}

std::int32_t mirrorAreaRow(std::int32_t v) {
  const auto bit = [v](int n) { return (v >> n) & 1; };
  return v / 16 + 2 * bit(3) + 4 * bit(2) + 8 * bit(1) + 16 * bit(0);
}

}  // namespace ocel

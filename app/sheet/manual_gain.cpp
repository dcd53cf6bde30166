#include "sheet/manual_gain.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ocel::sheet {

namespace {

constexpr int kAnalogueTop = 48;  // position of 24 dB
constexpr double kAnalogueTopDb = 24;
// The double nearest 1.6 lies just above it, so the truncations of the
// labels give 25.6, 27.2, ... 48.0.
constexpr double kDigitalStepDb = 1.6;

std::string wholeAndTenth(int whole, int tenth) {
  char text[32];
  std::snprintf(text, sizeof text, "%d.%d", whole, tenth);
  return text;
}

// A gain outside anything the camera reports (or not a number) counts as
// 0 dB, so that the integer conversions below stay defined.
double reported(double decibels) {
  return std::isfinite(decibels) && decibels >= 0 && decibels < 1000 ? decibels : 0;
}

}  // namespace

double manualGainDecibels(int position) {
  if (position <= kAnalogueTop) return position * 0.5;
  return (position - kAnalogueTop) * kDigitalStepDb + kAnalogueTopDb;
}

std::string manualGainMoveText(double decibels) {
  const int whole = static_cast<int>(decibels);
  return wholeAndTenth(whole, static_cast<int>(decibels * 10 - whole * 10));
}

std::string manualGainReadText(double decibels) {
  const double gain = reported(decibels);
  const int whole = static_cast<int>(gain);
  const int tenth = static_cast<int>(std::ceil((gain - whole) * 100)) / 10;
  // Only a fraction above .99, which the camera never reports, reaches 10.
  return wholeAndTenth(whole, std::min(tenth, 9));
}

int manualGainPosition(double decibels) {
  const double gain = reported(decibels);
  if (gain <= kAnalogueTopDb) return static_cast<int>(gain * 2);
  return static_cast<int>(kAnalogueTop + (gain - kAnalogueTopDb) * 0.625);
}

}  // namespace ocel::sheet

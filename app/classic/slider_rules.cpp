#include "classic/slider_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "platform/scroll_codes.h"

namespace ocel::classic {

namespace {

using platform::kLineLeft;
using platform::kLineRight;
using platform::kThumbTrack;

// clang-format off
// The twenty standard shutter speeds (x of 1/x s) the arrows step through.
constexpr std::array<int, 20> kShutterLadder{50,   60,   100,  120,  175,   250,   350,
                                             500,  700,  1000, 1400, 2000,  2800,  4000,
                                             5600, 8000, 10000, 16000, 20000, 30000};

// A dragged position below a limit snaps to the step beside it.
struct SnapLimit {
  int below;
  int step;
};
constexpr std::array<SnapLimit, 19> kSnapLimits{{{55, 50},      {80, 60},      {110, 100},
                                                 {147, 120},    {212, 175},    {300, 250},
                                                 {425, 350},    {600, 500},    {850, 700},
                                                 {1200, 1000},  {1700, 1400},  {2400, 2000},
                                                 {3400, 2800},  {4800, 4000},  {6800, 5600},
                                                 {9000, 8000},  {13000, 10000}, {18000, 16000},
                                                 {25000, 20000}}};
// clang-format on

}  // namespace

int snapShutter(int dragged) {
  for (const SnapLimit& limit : kSnapLimits)
    if (dragged < limit.below) return limit.step;
  return dragged <= 30000 ? 30000 : dragged;
}

int shutterSliderPosition(int code, int current, int dragged) {
  if (code == kThumbTrack) return snapShutter(dragged);
  const auto step = std::find(kShutterLadder.begin(), kShutterLadder.end(), current);
  if (step == kShutterLadder.end()) return current;
  if (code == kLineRight && std::next(step) != kShutterLadder.end()) return *std::next(step);
  if (code == kLineLeft && step != kShutterLadder.begin()) return *std::prev(step);
  return current;
}

std::string gainLabel(int halfDecibels) {
  const int whole = static_cast<int>(halfDecibels * 0.5);
  const int tenth = static_cast<int>(halfDecibels * 0.5 * 10 - whole * 10);
  char text[24];
  std::snprintf(text, sizeof text, "%d.%d", whole, tenth);
  return text;
}

int shutterSliderValue(std::uint16_t denominator) { return denominator / 10 * 10; }

}  // namespace ocel::classic

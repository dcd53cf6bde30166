#include "panel_support/slider_arithmetic.h"

#include "panel_support/round_decimal.h"
#include "platform/scroll_codes.h"

namespace ocel::panel_support {

namespace {

constexpr double kPercentPerValue = 0.39215686274509803;  // 100 / 255
constexpr double kValuePerPercent = 2.55;

}  // namespace

int plainSliderPosition(int code, int current, int dragged, int minimum, int maximum) {
  switch (code) {
    case platform::kLineLeft: return current > minimum ? current - 1 : current;
    case platform::kLineRight: return current < maximum ? current + 1 : current;
    case platform::kThumbTrack: return dragged;
    default: return current;
  }
}

int percentOfByte(int value) { return RoundWhole(value * kPercentPerValue); }

int byteOfPercent(int percent) { return RoundWhole(percent * kValuePerPercent); }

}  // namespace ocel::panel_support

// A plain slider's step on its dialog, as every page's scroll handler takes
// it: the thumb moves where plainSliderPosition puts it within its range.
#pragma once

#include "panel_support/slider_arithmetic.h"
#include "platform/dialog.h"

namespace ocel::panel_support {

// Moves the slider for a scroll notification; returns its new position.
inline int movePlainSlider(platform::Dialog& dialog, int sliderId, int code, int dragged) {
  const auto [minimum, maximum] = dialog.scrollRange(sliderId);
  const int next = plainSliderPosition(code, dialog.scrollPos(sliderId), dragged, minimum, maximum);
  dialog.setScrollPos(sliderId, next);
  return next;
}

}  // namespace ocel::panel_support

// Keypad zoom (model 1): while a button is held, the digital zoom position
// moves at a steady rate towards that button's end of the range.
#pragma once

#include "ocel400sim/clock.h"

namespace ocelsim {

inline constexpr int kZoomTeleEnd = 63;
inline constexpr int kZoomWideEnd = 255;

enum class ZoomDirection { Stop, Tele, Wide };

// EZSWBtn bit 0 is Tele, bit 1 Wide; both or neither: no motion.
ZoomDirection zoomDirection(int buttons);

// Position after moving for `elapsed` from `start`: whole codes only, never
// past the end the motion heads for.
int zoomPositionAfter(int start, ZoomDirection direction, double codesPerSecond,
                      Nanoseconds elapsed);

}  // namespace ocelsim

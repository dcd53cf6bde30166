// Dialog units to pixels. The layouts are drawn in dialog units of an 8-point
// dialog font; fixed base units keep every rectangle (and the keypad's pixel
// hit rectangles) where it was drawn, whatever fonts the machine has.
#pragma once

#include <QRect>

namespace ocel::platform {

inline constexpr double kPixelsPerHorizontalUnit = 1.5;
inline constexpr double kPixelsPerVerticalUnit = 1.625;

inline int horizontalUnitsToPixels(int units) {
  return static_cast<int>(units * kPixelsPerHorizontalUnit);
}
inline int verticalUnitsToPixels(int units) {
  return static_cast<int>(units * kPixelsPerVerticalUnit);
}

// x, y, width, height in dialog units -> a client rectangle in pixels.
// Corners are converted, not sizes, so neighbouring controls never overlap
// or drift apart by rounding.
inline QRect dialogUnitsToPixels(int x, int y, int width, int height) {
  const int left = horizontalUnitsToPixels(x);
  const int top = verticalUnitsToPixels(y);
  const int right = horizontalUnitsToPixels(x + width);
  const int bottom = verticalUnitsToPixels(y + height);
  return QRect(left, top, right - left, bottom - top);
}

}  // namespace ocel::platform

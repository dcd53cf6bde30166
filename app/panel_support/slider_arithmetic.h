// Slider arithmetic every panel shares: where a scroll notification puts a
// plain slider, and the percentage scale over a camera byte that the AE
// area and the BLC weight sliders use.
#pragma once

namespace ocel::panel_support {

// The new position of a plain slider: arrows step by one within the range,
// a drag takes the dragged position, every other code keeps the position.
int plainSliderPosition(int code, int current, int dragged, int minimum, int maximum);

// A camera value 0...255 as a whole percentage, and back, both rounded on
// the first decimal digit (RoundDecimal): 128 -> 50, 1 % -> 3, 50 % -> 127.
int percentOfByte(int value);
int byteOfPercent(int percent);

}  // namespace ocel::panel_support

// The classic panel's slider arithmetic: where a scroll notification puts the
// shutter slider, and the conversions behind the gain, shutter and AE area sliders.
#pragma once

#include <cstdint>
#include <string>

namespace ocel::classic {

// The shutter slider: the arrows step along the ladder of standard speeds
// (a position off the ladder stays where it is), a drag snaps to a step.
int shutterSliderPosition(int code, int current, int dragged);
// The step a dragged shutter position snaps to.
int snapShutter(int dragged);

// Gain slider position (half dB) -> its label, "3.5", "18.0".
std::string gainLabel(int halfDecibels);

// AE area: percent outside <-> camera value 0...255.
int aeAreaValueForPercent(int percent);
int aeAreaPercentForValue(int value);

// The shutter read from the camera as the slider shows it: rounded down to
// a multiple of 10.
int shutterSliderValue(std::uint16_t denominator);

}  // namespace ocel::classic

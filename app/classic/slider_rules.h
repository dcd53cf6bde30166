// The classic panel's own slider arithmetic: the shutter ladder and the gain
// label. The plain slider steps and the AE area percentages are shared with
// the other panels (panel_support/slider_arithmetic.h).
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

// The shutter read from the camera as the slider shows it: rounded down to
// a multiple of 10.
int shutterSliderValue(std::uint16_t denominator);

}  // namespace ocel::classic

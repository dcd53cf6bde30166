// The library's arithmetic: step rounding, gain and shutter conversions and
// the mirror image of an area row. Pure functions, no port, no state.
#pragma once

#include <array>
#include <cstdint>

#include "register_map.h"

namespace ocel {

enum class StepMode { Whole, Half };

// Rounds by the first decimal digit d of v only (d = trunc(10v - 10i)):
// whole steps round up from d = 5; half steps give i, i + 0.5 or i + 1 for
// d in 0-2, 3-7, 8-9 (and i + d/10 for a negative v).
double roundStep(double v, StepMode mode);

// Gain in dB to the camera's gain code. Outside 0...48 dB (or not a number)
// the gain counts as 0 dB. Model 1: 0.1 dB steps to 24 dB (code 240), then
// 1.6 dB steps to 48 dB (255). Model 0: whole-step rounding of dB x 85/6.
// Any other model: the dB value itself.
double gainCodeFromDecibel(double decibel, std::int32_t model);

// The gain code as three digits, each cut toward zero in double precision,
// so a fractional model 1 code such as 123.4 sends 123.
std::array<int, 3> gainCodeDigits(double code);

// The camera's gain code back to dB. Model 0 reads in half-dB steps.
double decibelFromGainCode(std::int32_t code, std::int32_t model);

// Shutter speed x (of 1/x second) to the camera's code: the standard speeds
// use the table, every other speed the standard's logarithmic formula, so
// that a speed read back from a code goes to that code again. A code the
// value field cannot carry (negative, for speeds below about 1/50 s) becomes 0.
std::int32_t shutterCodeFromSpeed(std::uint16_t speed, std::int32_t standard,
                                  const ShutterCodes& codes);

// The camera's shutter code back to x of 1/x second by the formula alone, so
// a standard speed reads back near its value (PAL 1/1000 s as 989).
std::uint16_t speedFromShutterCode(std::int32_t code, std::int32_t standard);

// The five cells of an area row in reverse order: bit 0 becomes bit 4 and
// bit 4 bit 0. The camera keeps rows mirrored to the library's masks.
std::int32_t mirrorAreaRow(std::int32_t v);

}  // namespace ocel

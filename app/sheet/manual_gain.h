// The Settings page's manual gain slider (positions 0...63): a two-part
// scale, 0.5 dB steps of analogue gain up to 24 dB at position 48, then 15
// steps of 1.6 dB of digital gain up to 48 dB.
#pragma once

#include <string>

namespace ocel::sheet {

inline constexpr int kManualGainTop = 63;

// The gain a slider position stands for, in dB.
double manualGainDecibels(int position);
// Its label as a move writes it: whole and tenth digits, each truncated
// ("%d.%d"), so position 50 reads 27.2.
std::string manualGainMoveText(double decibels);

// The gain the camera reports (in tenths of a dB) as the start shows it:
// the tenths taken from the hundredths rounded up, so 25.6 reads 25.6 even
// though its fraction is 0.59999...
std::string manualGainReadText(double decibels);
// The slider position for a reported gain, truncated: 24 dB is 48, 25.6 dB
// is 49.
int manualGainPosition(double decibels);

// Above 24 dB the camera adds digital gain.
inline bool isDigitalGain(double decibels) { return decibels > 24; }

}  // namespace ocel::sheet

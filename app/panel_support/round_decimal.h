// The panels' decimal rounding: to the nearest half (gain labels) or to the
// nearest whole number (percentages), on the first decimal digit alone.
#pragma once

#include <string>

namespace ocel::panel_support {

struct RoundedDecimal {
  double value;      // i + d * 0.1
  std::string text;  // "i.d": 6.5, 7.0, 25.0
};

// Takes i = the whole part and d = the first decimal digit of a
// non-negative value, both truncated (5.3 has d = 2, since 0.3 * 10 is
// 2.99...). Half steps: d of 1 or 2 becomes 0, 3 to 7 becomes 5, 8 or 9
// rounds i up. Whole steps: d of 5 or more rounds i up; d becomes 0.
RoundedDecimal RoundDecimal(double value, bool halfSteps);

// The whole step of RoundDecimal, as a whole number: 2.55 -> 3, 127.5 -> 128.
int RoundWhole(double value);

}  // namespace ocel::panel_support

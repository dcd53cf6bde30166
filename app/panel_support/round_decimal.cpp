#include "panel_support/round_decimal.h"

#include <cmath>
#include <cstdio>

namespace ocel::panel_support {

RoundedDecimal RoundDecimal(double value, bool halfSteps) {
  double whole = std::trunc(value);
  int digit = static_cast<int>(std::trunc((value - whole) * 10));
  if (halfSteps) {
    if (digit >= 8) {
      whole += 1;
      digit = 0;
    } else if (digit >= 3) {
      digit = 5;
    } else {
      digit = 0;
    }
  } else {
    if (digit >= 5) whole += 1;
    digit = 0;
  }
  char text[48];
  std::snprintf(text, sizeof text, "%.0f.%d", whole, digit);
  return {whole + digit * 0.1, text};
}

int RoundWhole(double value) { return static_cast<int>(RoundDecimal(value, false).value); }

}  // namespace ocel::panel_support

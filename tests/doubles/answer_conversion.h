// A getter answers the stored double in its own return type.
#ifndef OCEL_DOUBLE_ANSWER_CONVERSION_H
#define OCEL_DOUBLE_ANSWER_CONVERSION_H

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace ocel_double {

// The integer part, clamped to int64 and NaN as 0: converting a double
// outside the target's range directly would be undefined behaviour.
inline int64_t wholePart(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 0x1p63) return std::numeric_limits<int64_t>::max();
  if (value < -0x1p63) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(value);
}

// Integer types keep the low bits of the integer part (300 as uint8_t is 44),
// as the real getters can only answer what fits their type.
template <typename T>
T answerAs(double value) {
  if constexpr (std::is_floating_point_v<T>) {
    return static_cast<T>(value);
  } else {
    return static_cast<T>(wholePart(value));
  }
}

}  // namespace ocel_double

#endif  // OCEL_DOUBLE_ANSWER_CONVERSION_H

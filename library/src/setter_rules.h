// The rule of every setter that Ocel400_settings.h marks RANGED: the values
// it sends as given and its substitute (the public table of
// Ocel400_values.h), and where the value goes in the frame.
#pragma once

#include <cstdint>

#include "Ocel400_values.h"
#include "register_map.h"

namespace ocel {

// Where the value goes in the frame: a single digit at byte 12 (bytes 10-11
// '0'), or three digits at bytes 10-12.
enum class ValueField { OneDigit, ThreeDigits };

struct SetterRule {
  ValueField field;
  const ocel400::ValueRule* values;  // null for a setting that is not RANGED
};

// The rule of a RANGED setting (the build fails unless each RANGED setting
// has exactly one).
const SetterRule& setterRule(Setting setting);

// The value a setter sends for the argument v.
inline int acceptedValue(const SetterRule& rule, std::int64_t v) {
  return ocel400::valueSent(*rule.values, v);
}

}  // namespace ocel

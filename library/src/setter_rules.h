// The range rule of every setter that Ocel400_settings.h marks RANGED: which
// values it accepts and the fixed substitute it sends for any other. Values
// are never refused.
#pragma once

#include <array>
#include <cstdint>

#include "register_map.h"

namespace ocel {

// Where the value goes in the frame: a single digit at byte 12 (bytes 10-11
// '0'), or three digits at bytes 10-12.
enum class ValueField { OneDigit, ThreeDigits };

enum class Accept { Range, OneOf };

struct SetterRule {
  Setting setting;
  ValueField field;
  Accept accept;
  int low, high;               // Accept::Range, inclusive
  std::array<int, 4> values;   // Accept::OneOf, padded with -1
  int substitute;
};

// The rule of a RANGED setting (the rules are keyed by setting, and the
// build fails unless each RANGED setting has exactly one).
const SetterRule& setterRule(Setting setting);

// The value a setter sends for the argument v.
int acceptedValue(const SetterRule& rule, std::int64_t v);

}  // namespace ocel

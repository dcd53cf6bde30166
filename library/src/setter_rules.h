// The range rule of every plain setter: which values it accepts and the
// fixed substitute it sends for any other. Values are never refused.
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
  Setting entry;  // register map entry the setter writes
  ValueField field;
  Accept accept;
  int low, high;               // Accept::Range, inclusive
  std::array<int, 4> values;   // Accept::OneOf, padded with -1
  int substitute;
};

// The setters that follow a plain rule; SetUsflg, SetMGC, SetMES and
// SelectArea have rules of their own.
enum class PlainSetter : int {
  Mode, ModeZM, NegPos, ModeWB, ModeES, ModeGC, AEMode,
  AEOff, AEArea, AgesRes, AgcRes, AesRes, ATWRes, Shape, YGamma, CGamma, Phase,
  MWBR, MWBB, ESMin, ESMax, MinGain, MaxGain, AELevel, DigAgc, DZoom, EZMinn,
  EZPane, EZTilt, EZSWBtn, EZDemo, Rate0, Rate1, Rate2, Rate3, Rate4, Rate5,
  RateP, DioSel, ReBps, RePrt,
  Count
};

const SetterRule& setterRule(PlainSetter setter);

// The value a setter sends for the argument v.
int acceptedValue(const SetterRule& rule, std::int64_t v);

}  // namespace ocel

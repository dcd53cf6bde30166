// Ocel400 - the values each setter marked RANGED in Ocel400_settings.h sends
// as given, and the fixed substitute it sends for any other, for C++ programs
// that tell their users when a value will be replaced. The library's setters
// take their rules from this table; a value is never refused.
#ifndef OCEL400_VALUES_H
#define OCEL400_VALUES_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace ocel400 {

// The values a setter sends as given: low...high, or a short list.
struct AcceptedValues {
  bool listed;
  int low, high;              // not listed: inclusive
  std::array<int, 4> values;  // listed: the first count
  std::size_t count;
};

constexpr AcceptedValues valueRange(int low, int high) { return {false, low, high, {}, 0}; }

constexpr AcceptedValues valuesOneOf(std::initializer_list<int> values) {
  AcceptedValues accepted{true, 0, 0, {}, 0};
  for (int v : values) accepted.values[accepted.count++] = v;
  return accepted;
}

// The setter's argument, in its C type, is compared as a whole number.
constexpr bool accepts(const AcceptedValues& accepted, std::int64_t argument) {
  if (!accepted.listed) return argument >= accepted.low && argument <= accepted.high;
  for (std::size_t i = 0; i < accepted.count; ++i)
    if (accepted.values[i] == argument) return true;
  return false;
}

struct ValueRule {
  std::string_view stem;
  AcceptedValues accepted;
  int substitute;
};

// One rule per RANGED setting, by stem; the library's build fails unless
// every RANGED setting has exactly one and no other setting has any.
// clang-format off
inline constexpr ValueRule kValueRules[] = {
    {"Mode",    valueRange(0, 0),   1},   // 0 camera control, anything else remote
    {"ModeGC",  valuesOneOf({0, 1, 2, 4}), 2},
    {"ModeES",  valuesOneOf({0, 1, 2, 4}), 2},
    {"ModeWB",  valueRange(0, 4),   0},
    {"ModeZM",  valueRange(0, 0),   1},
    {"MWBR",    valueRange(0, 255), 0},
    {"MWBB",    valueRange(0, 255), 255},
    {"AEOff",   valueRange(0, 255), 128},
    {"AEArea",  valueRange(0, 255), 51},
    {"AgesRes", valueRange(0, 255), 32},
    {"AgcRes",  valueRange(1, 10),  1},
    {"AesRes",  valueRange(1, 10),  1},
    {"Shape",   valueRange(0, 255), 235},
    {"YGamma",  valueRange(0, 255), 235},
    {"CGamma",  valueRange(0, 255), 0},
    {"NegPos",  valueRange(0, 3),   0},
    {"Phase",   valueRange(0, 255), 0},
    {"ATWRes",  valueRange(0, 255), 0},
    {"AEMode",  valueRange(0, 9),   0},   // sent as one digit
    {"DZoom",   valueRange(63, 255), 235},
    {"AELevel", valueRange(0, 999), 255},   // any value of three digits
    {"EZPane",  valuesOneOf({0, 128, 255}), 128},
    {"EZTilt",  valuesOneOf({0, 128, 255}), 128},
    {"EZDemo",  valueRange(0, 10),  1},
    {"DigAgc",  valueRange(0, 6),   3},
    {"EZSWBtn", valueRange(0, 63),  0},
    {"ESMin",   valueRange(0, 255), 0},
    {"ESMax",   valueRange(0, 155), 155},
    {"MaxGain", valueRange(0, 240), 240},
    {"MinGain", valueRange(0, 240), 0},
    {"EZMinn",  valueRange(64, 255), 64},
    {"Rate0",   valueRange(0, 255), 255},
    {"Rate1",   valueRange(0, 255), 255},
    {"Rate2",   valueRange(0, 255), 255},
    {"Rate3",   valueRange(0, 255), 255},
    {"Rate4",   valueRange(0, 255), 255},
    {"Rate5",   valueRange(0, 255), 255},
    {"RateP",   valueRange(0, 255), 64},
    {"DioSel",  valuesOneOf({10, 32}), 10},
    {"ReBps",   valuesOneOf({96, 48, 24}), 96},
    {"RePrt",   valuesOneOf({0, 1, 2}), 0},
};
// clang-format on

// The rule of the setting with this stem (exact case); null when the
// setting is not RANGED.
constexpr const ValueRule* valueRule(std::string_view stem) {
  for (const ValueRule& rule : kValueRules)
    if (rule.stem == stem) return &rule;
  return nullptr;
}

// What the setter sends for its argument.
constexpr int valueSent(const ValueRule& rule, std::int64_t argument) {
  return accepts(rule.accepted, argument) ? static_cast<int>(argument) : rule.substitute;
}

}  // namespace ocel400

#endif  // OCEL400_VALUES_H

#include "value_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>

#include "Ocel400.h"

namespace ocelctl {

namespace {

// The conversion a call makes to the setter's argument type.
template <class F>
struct ArgumentOf;
template <class R, class A>
struct ArgumentOf<R (*)(A)> {
  using type = A;
};
template <class A>
std::int64_t convertedTo(std::int64_t value) {
  return static_cast<A>(value);
}

// The values a setter sends unchanged: a range, or a short list.
struct Accepted {
  bool listed;
  int low, high;
  std::array<int, 4> values;
  std::size_t count;
};
constexpr Accepted range(int low, int high) { return {false, low, high, {}, 0}; }
constexpr Accepted oneOf(std::initializer_list<int> values) {
  Accepted accepted{true, 0, 0, {}, 0};
  for (int v : values) accepted.values[accepted.count++] = v;
  return accepted;
}

struct ValueRule {
  std::string_view setting;
  std::int64_t (*asArgument)(std::int64_t);
  Accepted accepted;
  std::optional<int> substitute;  // none: nothing is sent
};

#define RULE(Stem, accepted, substitute) \
  ValueRule { #Stem, &convertedTo<ArgumentOf<decltype(&Set##Stem)>::type>, accepted, substitute }

const std::array kRules{
    RULE(Mode, range(0, 0), 1),            RULE(ModeZM, range(0, 0), 1),
    RULE(NegPos, range(0, 3), 0),          RULE(ModeWB, range(0, 4), 0),
    RULE(ModeES, oneOf({0, 1, 2, 4}), 2),  RULE(ModeGC, oneOf({0, 1, 2, 4}), 2),
    RULE(AEMode, range(0, 9), 0),          RULE(AEOff, range(0, 255), 128),
    RULE(AEArea, range(0, 255), 51),       RULE(AgesRes, range(0, 255), 32),
    RULE(AgcRes, range(1, 10), 1),         RULE(AesRes, range(1, 10), 1),
    RULE(ATWRes, range(0, 255), 0),        RULE(Shape, range(0, 255), 235),
    RULE(YGamma, range(0, 255), 235),      RULE(CGamma, range(0, 255), 0),
    RULE(Phase, range(0, 255), 0),         RULE(MWBR, range(0, 255), 0),
    RULE(MWBB, range(0, 255), 255),        RULE(ESMin, range(0, 255), 0),
    RULE(ESMax, range(0, 155), 155),       RULE(MinGain, range(0, 240), 0),
    RULE(MaxGain, range(0, 240), 240),     RULE(AELevel, range(0, 999), 255),
    RULE(DigAgc, range(0, 6), 3),          RULE(DZoom, range(63, 255), 235),
    RULE(EZMinn, range(64, 255), 64),      RULE(EZPane, oneOf({0, 128, 255}), 128),
    RULE(EZTilt, oneOf({0, 128, 255}), 128), RULE(EZSWBtn, range(0, 63), 0),
    RULE(EZDemo, range(0, 10), 1),         RULE(Rate0, range(0, 255), 255),
    RULE(Rate1, range(0, 255), 255),       RULE(Rate2, range(0, 255), 255),
    RULE(Rate3, range(0, 255), 255),       RULE(Rate4, range(0, 255), 255),
    RULE(Rate5, range(0, 255), 255),       RULE(RateP, range(0, 255), 64),
    RULE(DioSel, oneOf({10, 32}), 10),     RULE(ReBps, oneOf({96, 48, 24}), 96),
    RULE(RePrt, oneOf({0, 1, 2}), 0),      RULE(Usflg, oneOf({1, 255}), std::nullopt),
};

#undef RULE

// The gain in dB the library sends unchanged; anything else goes out as 0 dB.
constexpr double kHighestGain = 48;

const ValueRule* ruleFor(std::string_view setting) {
  for (const ValueRule& rule : kRules)
    if (rule.setting == setting) return &rule;
  return nullptr;
}

bool accepts(const Accepted& accepted, std::int64_t v) {
  if (!accepted.listed) return v >= accepted.low && v <= accepted.high;
  const auto end = accepted.values.begin() + static_cast<std::ptrdiff_t>(accepted.count);
  return std::find(accepted.values.begin(), end, v) != end;
}

std::string acceptedText(const Accepted& accepted) {
  if (!accepted.listed) return std::to_string(accepted.low) + "..." + std::to_string(accepted.high);
  std::string text;
  for (std::size_t i = 0; i < accepted.count; ++i)
    text += (i == 0 ? "" : i + 1 == accepted.count ? " or " : ", ") +
            std::to_string(accepted.values[i]);
  return text;
}

}  // namespace

std::optional<double> valueSent(std::string_view setting, double value) {
  if (setting == "MGC") return value >= 0 && value <= kHighestGain ? value : 0.0;
  const ValueRule* rule = ruleFor(setting);
  if (rule == nullptr) return value;
  const std::int64_t argument = rule->asArgument(static_cast<std::int64_t>(value));
  if (accepts(rule->accepted, argument)) return static_cast<double>(argument);
  if (!rule->substitute) return std::nullopt;
  return *rule->substitute;
}

std::optional<std::string> substitutionNote(std::string_view setting, double value) {
  const std::optional<double> sent = valueSent(setting, value);
  if (sent == value) return std::nullopt;
  char given[32], instead[48];
  const bool gain = setting == "MGC";
  std::snprintf(given, sizeof given, gain ? "%g" : "%.0f", value);
  if (!sent)
    std::snprintf(instead, sizeof instead, "nothing");
  else
    std::snprintf(instead, sizeof instead, gain ? "%.1f dB instead" : "%.0f instead", *sent);
  const ValueRule* rule = ruleFor(setting);
  const std::string takes = gain ? "0...48 dB" : acceptedText(rule->accepted);
  return std::string(setting) + "=" + given + ": the library sends " + instead + " (" +
         std::string(setting) + " takes " + takes + ")";
}

}  // namespace ocelctl

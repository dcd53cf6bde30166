#include "value_rules.h"

#include <cstdint>
#include <cstdio>

#include "Ocel400_values.h"

namespace ocelctl {

namespace {

// The gain in dB the library sends unchanged; anything else goes out as 0 dB.
constexpr double kHighestGain = 48;

// Usflg keeps (1) or restores (255) the settings; any other value sends nothing.
constexpr std::string_view kUserFlag = "Usflg";
constexpr ocel400::AcceptedValues kUserFlagValues = ocel400::valuesOneOf({1, 255});

struct Rule {
  ocel400::AcceptedValues accepted;
  std::optional<int> substitute;  // none: nothing is sent
};

std::optional<Rule> ruleOf(const SettingEntry& entry) {
  if (entry.name == kUserFlag) return Rule{kUserFlagValues, std::nullopt};
  if (const ocel400::ValueRule* rule = ocel400::valueRule(entry.name))
    return Rule{rule->accepted, rule->substitute};
  return std::nullopt;
}

std::string acceptedText(const ocel400::AcceptedValues& accepted) {
  if (!accepted.listed) return std::to_string(accepted.low) + "..." + std::to_string(accepted.high);
  std::string text;
  for (std::size_t i = 0; i < accepted.count; ++i)
    text += (i == 0                    ? ""
             : i + 1 == accepted.count ? " or "
                                       : ", ") +
            std::to_string(accepted.values[i]);
  return text;
}

}  // namespace

std::optional<std::string> substitutionNote(const SettingEntry& entry, double value) {
  const bool gain = entry.kind == ValueKind::Decibel;
  // What the library sends, as the camera then reports it; none: nothing.
  std::optional<double> sent = value;
  std::string takes;
  if (gain) {
    if (value < 0 || value > kHighestGain) sent = 0.0;
    takes = "0...48 dB";
  } else if (const std::optional<Rule> rule = ruleOf(entry)) {
    const auto argument = static_cast<std::int64_t>(entry.received(value));
    if (ocel400::accepts(rule->accepted, argument)) sent = static_cast<double>(argument);
    else if (rule->substitute) sent = *rule->substitute;
    else sent = std::nullopt;
    takes = acceptedText(rule->accepted);
  }
  if (sent == value) return std::nullopt;

  char given[32], instead[48];
  std::snprintf(given, sizeof given, gain ? "%g" : "%.0f", value);
  if (!sent) std::snprintf(instead, sizeof instead, "nothing");
  else std::snprintf(instead, sizeof instead, gain ? "%.1f dB instead" : "%.0f instead", *sent);
  const std::string name(entry.name);
  return name + "=" + given + ": the library sends " + instead + " (" + name + " takes " + takes +
         ")";
}

}  // namespace ocelctl

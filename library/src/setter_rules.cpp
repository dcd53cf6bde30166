#include "setter_rules.h"

#include <algorithm>
#include <iterator>

namespace ocel {

namespace {

constexpr SetterRule digit(Setting s, int low, int high, int substitute) {
  return {s, ValueField::OneDigit, Accept::Range, low, high, {-1, -1, -1, -1}, substitute};
}
constexpr SetterRule digitOneOf(Setting s, std::array<int, 4> values, int substitute) {
  return {s, ValueField::OneDigit, Accept::OneOf, 0, 0, values, substitute};
}
constexpr SetterRule range(Setting s, int low, int high, int substitute) {
  return {s, ValueField::ThreeDigits, Accept::Range, low, high, {-1, -1, -1, -1}, substitute};
}
constexpr SetterRule oneOf(Setting s, std::array<int, 4> values, int substitute) {
  return {s, ValueField::ThreeDigits, Accept::OneOf, 0, 0, values, substitute};
}

using S = Setting;

// Keyed by setting, in any order.
constexpr SetterRule kRules[] = {
    digit(S::Mode, 0, 0, 1),            // 0 camera control, anything else remote
    digit(S::ModeZM, 0, 0, 1),
    digit(S::NegPos, 0, 3, 0),
    digit(S::ModeWB, 0, 4, 0),
    digitOneOf(S::ModeES, {0, 1, 2, 4}, 2),
    digitOneOf(S::ModeGC, {0, 1, 2, 4}, 2),
    digit(S::AEMode, 0, 9, 0),          // one digit holds no more than 9
    range(S::AEOff, 0, 255, 128),
    range(S::AEArea, 0, 255, 51),
    range(S::AgesRes, 0, 255, 32),
    range(S::AgcRes, 1, 10, 1),
    range(S::AesRes, 1, 10, 1),
    range(S::ATWRes, 0, 255, 0),
    range(S::Shape, 0, 255, 235),
    range(S::YGamma, 0, 255, 235),
    range(S::CGamma, 0, 255, 0),
    range(S::Phase, 0, 255, 0),
    range(S::MWBR, 0, 255, 0),
    range(S::MWBB, 0, 255, 255),
    range(S::ESMin, 0, 255, 0),
    range(S::ESMax, 0, 155, 155),
    range(S::MinGain, 0, 240, 0),
    range(S::MaxGain, 0, 240, 240),
    range(S::AELevel, 0, 999, 255),     // three digits hold no more than 999
    range(S::DigAgc, 0, 6, 3),
    range(S::DZoom, 63, 255, 235),
    range(S::EZMinn, 64, 255, 64),
    oneOf(S::EZPane, {0, 128, 255, -1}, 128),
    oneOf(S::EZTilt, {0, 128, 255, -1}, 128),
    range(S::EZSWBtn, 0, 63, 0),
    range(S::EZDemo, 0, 10, 1),
    range(S::Rate0, 0, 255, 255),
    range(S::Rate1, 0, 255, 255),
    range(S::Rate2, 0, 255, 255),
    range(S::Rate3, 0, 255, 255),
    range(S::Rate4, 0, 255, 255),
    range(S::Rate5, 0, 255, 255),
    range(S::RateP, 0, 255, 64),
    oneOf(S::DioSel, {10, 32, -1, -1}, 10),
    oneOf(S::ReBps, {96, 48, 24, -1}, 96),
    oneOf(S::RePrt, {0, 1, 2, -1}, 0),
};

// Where each setting's rule is in kRules; -1 for none.
constexpr std::array<int, kSettingCount> ruleIndexBySetting() {
  std::array<int, kSettingCount> index{};
  index.fill(-1);
  for (int i = 0; i < static_cast<int>(std::size(kRules)); ++i)
    index[static_cast<int>(kRules[i].setting)] = i;
  return index;
}
constexpr auto kRuleIndex = ruleIndexBySetting();

enum class Kind { RANGED, USER_FLAG, GAIN, SHUTTER };
#define OCEL_KIND_OF(stem, argument, result, kind, models) Kind::kind,
constexpr Kind kKindOf[] = {OCEL400_SETTINGS(OCEL_KIND_OF)};
#undef OCEL_KIND_OF

// One rule for each RANGED setting, none for the others.
constexpr bool oneRulePerRangedSetting() {
  int rulesOf[kSettingCount] = {};
  for (const SetterRule& rule : kRules) ++rulesOf[static_cast<int>(rule.setting)];
  for (int i = 0; i < kSettingCount; ++i)
    if (rulesOf[i] != (kKindOf[i] == Kind::RANGED ? 1 : 0)) return false;
  return true;
}
static_assert(oneRulePerRangedSetting());

}  // namespace

const SetterRule& setterRule(Setting setting) {
  return kRules[kRuleIndex[static_cast<int>(setting)]];
}

int acceptedValue(const SetterRule& rule, std::int64_t v) {
  const bool accepted =
      rule.accept == Accept::Range
          ? v >= rule.low && v <= rule.high
          : std::find(rule.values.begin(), rule.values.end(), v) != rule.values.end() && v >= 0;
  return accepted ? static_cast<int>(v) : rule.substitute;
}

}  // namespace ocel

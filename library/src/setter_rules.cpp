#include "setter_rules.h"

#include <array>
#include <iterator>
#include <string_view>

namespace ocel {

namespace {

using S = Setting;

// The settings whose value is a single digit in the frame; every other
// RANGED setting sends three.
constexpr Setting kOneDigitSettings[] = {S::Mode,   S::ModeGC, S::ModeES, S::ModeWB,
                                         S::ModeZM, S::NegPos, S::AEMode};

#define OCEL_STEM_OF(stem, ...) #stem,
constexpr std::string_view kStemOf[] = {OCEL400_SETTINGS(OCEL_STEM_OF)};
#undef OCEL_STEM_OF

enum class Kind { RANGED, USER_FLAG, GAIN, SHUTTER };
#define OCEL_KIND_OF(stem, argument, result, kind, models) Kind::kind,
constexpr Kind kKindOf[] = {OCEL400_SETTINGS(OCEL_KIND_OF)};
#undef OCEL_KIND_OF

constexpr std::array<SetterRule, kSettingCount> rulesBySetting() {
  std::array<SetterRule, kSettingCount> rules{};
  for (int i = 0; i < kSettingCount; ++i)
    rules[i] = {ValueField::ThreeDigits, ocel400::valueRule(kStemOf[i])};
  for (Setting s : kOneDigitSettings) rules[static_cast<int>(s)].field = ValueField::OneDigit;
  return rules;
}
constexpr auto kRules = rulesBySetting();

constexpr int rowsNaming(std::string_view stem) {
  int rows = 0;
  for (const ocel400::ValueRule& rule : ocel400::kValueRules) rows += rule.stem == stem;
  return rows;
}

// A missing or doubled row, or one for a setting that is not RANGED or does
// not exist, fails the build.
constexpr bool oneRowPerRangedSetting() {
  int named = 0;
  for (int i = 0; i < kSettingCount; ++i) {
    const int rows = rowsNaming(kStemOf[i]);
    if (rows != (kKindOf[i] == Kind::RANGED ? 1 : 0)) return false;
    named += rows;
  }
  return named == static_cast<int>(std::size(ocel400::kValueRules));
}
static_assert(oneRowPerRangedSetting(),
              "Ocel400_values.h needs exactly one row per RANGED setting and no other row");

// Every value a setter can send fits its field.
constexpr bool fitsItsField(const SetterRule& rule) {
  const int largest = rule.field == ValueField::OneDigit ? 9 : 999;
  const ocel400::AcceptedValues& accepted = rule.values->accepted;
  bool fits = rule.values->substitute >= 0 && rule.values->substitute <= largest;
  if (!accepted.listed) return fits && accepted.low >= 0 && accepted.high <= largest;
  for (std::size_t i = 0; i < accepted.count; ++i)
    fits = fits && accepted.values[i] >= 0 && accepted.values[i] <= largest;
  return fits;
}
// (By kind, not by a null rule: the sanitizers make address comparisons
// non-constant.)
constexpr bool everyValueFitsItsField() {
  for (Setting s : kOneDigitSettings)
    if (kKindOf[static_cast<int>(s)] != Kind::RANGED) return false;
  for (int i = 0; i < kSettingCount; ++i)
    if (kKindOf[i] == Kind::RANGED && !fitsItsField(kRules[i])) return false;
  return true;
}
static_assert(everyValueFitsItsField(), "a setter could send a value its frame field cannot hold");

}  // namespace

const SetterRule& setterRule(Setting setting) { return kRules[static_cast<int>(setting)]; }

}  // namespace ocel

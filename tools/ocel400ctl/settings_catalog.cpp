#include "settings_catalog.h"

#include <cctype>
#include <type_traits>

#include "Ocel400.h"
#include "Ocel400_settings.h"

namespace ocelctl {

namespace {

// What the list's words mean here.
namespace from_list {
constexpr ValueKind RANGED = ValueKind::Plain;
constexpr ValueKind USER_FLAG = ValueKind::Plain;
constexpr ValueKind GAIN = ValueKind::Decibel;
constexpr ValueKind SHUTTER = ValueKind::ShutterSpeed;
constexpr Models BOTH_MODELS = Models::Both;
constexpr Models MODEL_1_ONLY = Models::Model1Only;
constexpr Models MODEL_0_ONLY = Models::Model0Only;
}  // namespace from_list

// The value as the setter's argument: the gain as it is; whole numbers, which
// the command line keeps within 32 bits, cut to the argument's width as the
// library's C interface would (the low 16 or 8 bits).
template <typename Argument>
Argument asArgument(double value) {
  if constexpr (std::is_floating_point_v<Argument>) return value;
  else return static_cast<Argument>(static_cast<std::int64_t>(value));
}
template <typename Argument>
double received(double value) {
  return static_cast<double>(asArgument<Argument>(value));
}

#define OCEL_CTL_SETTING(stem, argument, result, kind, models)              \
  SettingEntry{#stem,                                                       \
               from_list::kind,                                             \
               from_list::models,                                           \
               [] { return static_cast<double>(Get##stem()); },             \
               [](double v) { return Set##stem(asArgument<argument>(v)); }, \
               &received<argument>},

// In the order of the camera's register map.
const SettingEntry kSettings[] = {OCEL400_SETTINGS(OCEL_CTL_SETTING)};

#undef OCEL_CTL_SETTING

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

std::span<const SettingEntry> allSettings() { return kSettings; }

bool existsOnModel(const SettingEntry& entry, int model) {
  switch (entry.models) {
    case Models::Both: return true;
    case Models::Model1Only: return model == 1;
    case Models::Model0Only: return model == 0;
  }
  return false;
}

const SettingEntry* findSetting(std::string_view name) {
  for (const SettingEntry& entry : kSettings)
    if (sameName(entry.name, name)) return &entry;
  return nullptr;
}

std::string settingNames(int model) {
  std::string names;
  for (const SettingEntry& entry : kSettings) {
    if (!existsOnModel(entry, model)) continue;
    if (!names.empty()) names += ", ";
    names += entry.name;
  }
  return names;
}

}  // namespace ocelctl

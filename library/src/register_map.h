// Which camera register holds which setting, per camera model, and the
// camera's own codes for the twenty standard shutter speeds.
#pragma once

#include <array>
#include <cstdint>

#include "Ocel400_settings.h"

namespace ocel {

// The settings by export stem, in the order of Ocel400_settings.h.
enum class Setting : int {
#define OCEL_SETTING_ENUMERATOR(stem, ...) stem,
  OCEL400_SETTINGS(OCEL_SETTING_ENUMERATOR)
#undef OCEL_SETTING_ENUMERATOR
      Count
};
inline constexpr int kSettingCount = static_cast<int>(Setting::Count);

// The register map entry a setting's setter and getter use: its own, but
// AgcRes, which has none and uses AgesRes's.
constexpr Setting mapEntryOf(Setting setting) {
  return setting == Setting::AgcRes ? Setting::AgesRes : setting;
}

// Model 0 marks the settings it lacks with register 255; the marker is not
// special to the library, which would address register 255 like any other.
inline constexpr std::int32_t kAbsentOnModel0 = 255;
// Model 1 assigns no register to AEArea; its entry keeps what it held.
inline constexpr std::int32_t kUnassigned = -1;

// One slot per setting; AgcRes's stays unused.
using RegisterMap = std::array<std::int32_t, kSettingCount>;

// Fills the map for model 0 or 1; any other model leaves it as it was.
void fillRegisterMap(RegisterMap& map, std::int32_t model);

inline std::int32_t registerOf(const RegisterMap& map, Setting setting) {
  return map[static_cast<int>(mapEntryOf(setting))];
}

// The twenty fixed shutter speeds (x of 1/x second) and their codes.
inline constexpr int kShutterSpeedCount = 20;
struct ShutterCodeRow {
  std::uint16_t speed;
  std::int32_t pal;
  std::int32_t ntsc;
};
extern const std::array<ShutterCodeRow, kShutterSpeedCount> kShutterCodeRows;

using ShutterCodes = std::array<std::int32_t, kShutterSpeedCount>;

// Fills the codes for standard 0 (PAL) or 1 (NTSC); any other standard
// leaves them as they were.
void fillShutterCodes(ShutterCodes& codes, std::int32_t standard);

}  // namespace ocel

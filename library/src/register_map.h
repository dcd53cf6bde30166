// Which camera register holds which setting, per camera model, and the
// camera's own codes for the twenty standard shutter speeds.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace ocel {

// One entry per setting of the register map, named by its export stem.
// AgcRes has no entry of its own: SetAgcRes/GetAgcRes use AgesRes.
enum class Setting : int {
  Mode, ModeGC, ModeES, ModeWB, ModeZM, MGC, MES, MWBR, MWBB, AEOff, AEArea,
  AgesRes, AesRes, Shape, YGamma, CGamma, NegPos, Phase, ATWRes, AEMode, Usflg,
  DZoom, AELevel, EZPane, EZTilt, EZDemo, DigAgc, EZSWBtn, ESMin, ESMax, MaxGain,
  MinGain, EZMinn, Rate0, Rate1, Rate2, Rate3, Rate4, Rate5, RateP, DioSel, ReBps,
  RePrt,
  Count
};
inline constexpr int kSettingCount = static_cast<int>(Setting::Count);

// Model 0 marks the settings it lacks with register 255; the marker is not
// special to the library, which would address register 255 like any other.
inline constexpr std::int32_t kAbsentOnModel0 = 255;
// Model 1 assigns no register to AEArea; its entry keeps what it held.
inline constexpr std::int32_t kUnassigned = -1;

struct RegisterMapRow {
  Setting setting;
  std::string_view stem;
  std::int32_t model0;
  std::int32_t model1;
};

// The map in table order, one row per setting.
extern const std::array<RegisterMapRow, kSettingCount> kRegisterMapRows;

using RegisterMap = std::array<std::int32_t, kSettingCount>;

// Fills the map for model 0 or 1; any other model leaves it as it was.
void fillRegisterMap(RegisterMap& map, std::int32_t model);

inline std::int32_t registerOf(const RegisterMap& map, Setting setting) {
  return map[static_cast<int>(setting)];
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

// The classic panel's controls as data: option groups with their camera
// values, the plain sliders with their labels and exports, the grid
// patterns. Shared by the panel's source files.
#pragma once

#include <array>
#include <cstdint>

#include "classic/camera_panel.h"
#include "res/classic_panel_ids.h"
#include "res/dialog_templates.h"

namespace ocel::classic {

// Laid out by hand: the tables keep a row a line.
// clang-format off

namespace ids = res::classic_panel;

using ModeSetter = decltype(&::SetModeGC);
using PlainGetter = decltype(&::GetShape);
using PlainSetter = decltype(&::SetShape);

struct ModeButton {
  int id;
  std::uint16_t value;
};

// Gain, shutter and white balance: four buttons (0, 1, Automatic = 2,
// Manual = 4), the sliders Manual unlocks, the export and the remembered
// mode.
struct ModeGroup {
  std::array<ModeButton, 4> buttons;
  std::array<int, 2> sliders;  // 0: none
  ModeSetter ClassicPanelEntryPoints::*setter;
  std::uint16_t CameraPanel_1::*remembered;
};

inline constexpr std::uint16_t kAutomatic = 2;
inline constexpr std::uint16_t kManual = 4;

inline const ModeGroup kGainGroup{
    {{{ids::kGain0dB, 0}, {ids::kGain6dB, 1}, {ids::kGainAuto, 2}, {ids::kGainManual, 4}}},
    {ids::kGainSlider, 0},
    &ClassicPanelEntryPoints::SetModeGC,
    &CameraPanel_1::rememberedGainMode};
inline const ModeGroup kShutterGroup{
    {{{ids::kShutter50, 0}, {ids::kShutterFL, 1}, {ids::kShutterAuto, 2},
      {ids::kShutterManual, 4}}},
    {ids::kShutterSlider, 0},
    &ClassicPanelEntryPoints::SetModeES,
    &CameraPanel_1::rememberedShutterMode};
inline const ModeGroup kWhiteBalanceGroup{
    {{{ids::kWb3200, 0}, {ids::kWb5600, 1}, {ids::kWbAuto, 2}, {ids::kWbManual, 4}}},
    {ids::kRedSlider, ids::kBlueSlider},
    &ClassicPanelEntryPoints::SetModeWB,
    &CameraPanel_1::rememberedWhiteBalanceMode};

// AE mode buttons and their camera values.
inline constexpr std::array<ModeButton, 4> kAeModeButtons{
    {{ids::kAllArea, 0}, {ids::kSpot, 1}, {ids::kVariable, 2}, {ids::kSelect, 3}}};
inline constexpr std::uint8_t kAeVariable = 2;
inline constexpr std::uint8_t kAeSelect = 3;

// The sliders that carry a camera value 0...255 unchanged, in the order the
// start-up routine reads them.
struct PlainSlider {
  int slider;
  int label;
  PlainGetter ClassicPanelEntryPoints::*getter;
  PlainSetter ClassicPanelEntryPoints::*setter;
};
inline const std::array<PlainSlider, 9> kPlainSliders{{
    {ids::kPhaseSlider, ids::kPhaseLabel, &ClassicPanelEntryPoints::GetPhase,
     &ClassicPanelEntryPoints::SetPhase},
    {ids::kAeSpeedSlider, ids::kAeSpeedLabel, &ClassicPanelEntryPoints::GetAgesRes,
     &ClassicPanelEntryPoints::SetAgesRes},
    {ids::kAtwSpeedSlider, ids::kAtwSpeedLabel, &ClassicPanelEntryPoints::GetATWRes,
     &ClassicPanelEntryPoints::SetATWRes},
    {ids::kCGammaSlider, ids::kCGammaLabel, &ClassicPanelEntryPoints::GetCGamma,
     &ClassicPanelEntryPoints::SetCGamma},
    {ids::kAeReferenceSlider, ids::kAeReferenceLabel, &ClassicPanelEntryPoints::GetAEOff,
     &ClassicPanelEntryPoints::SetAEOff},
    {ids::kYGammaSlider, ids::kYGammaLabel, &ClassicPanelEntryPoints::GetYGamma,
     &ClassicPanelEntryPoints::SetYGamma},
    {ids::kRedSlider, ids::kRedLabel, &ClassicPanelEntryPoints::GetMWBR,
     &ClassicPanelEntryPoints::SetMWBR},
    {ids::kBlueSlider, ids::kBlueLabel, &ClassicPanelEntryPoints::GetMWBB,
     &ClassicPanelEntryPoints::SetMWBB},
    {ids::kSharpnessSlider, ids::kSharpnessLabel, &ClassicPanelEntryPoints::GetShape,
     &ClassicPanelEntryPoints::SetShape},
}};

// Grid patterns for the AE modes other than Select, row by row.
using GridPattern = bool[5][5];
inline constexpr GridPattern kAllZones{{1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1},
                                       {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}};
inline constexpr GridPattern kCentreZone{{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 1, 0, 0},
                                         {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}};
inline constexpr GridPattern kCross{{0, 0, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 1, 1, 1, 0},
                                    {0, 0, 1, 0, 0}, {0, 0, 0, 0, 0}};

// The bit of a grid column (1 at the left) in its row mask.
inline constexpr std::int32_t columnBit(int column) { return 16 >> (column - 1); }

// clang-format on

}  // namespace ocel::classic

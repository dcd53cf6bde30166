// The Settings page's controls as data: the option groups with their camera
// values and the controls each unlocks, the fixed shutters with the standard
// they need, the sliders with their ranges, labels and exports, and the
// factory reset. Shared by the page's source files.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "res/settings_page_ids.h"
#include "sheet/settings_page.h"

namespace ocel::sheet {

// Laid out by hand: the tables keep a row a line.
// clang-format off

namespace ids = res::settings_page;
using Entries = SettingsPageEntryPoints;

using ModeSetter = decltype(&::SetModeES);
using PlainGetter = decltype(&::GetShape);
using PlainSetter = decltype(&::SetShape);

inline constexpr std::uint16_t kAutomatic = 2;
inline constexpr std::uint16_t kManual = 4;

// An option button and the camera value it sends and stands for.
struct ChoiceButton {
  int id;
  std::uint16_t value;
};

inline constexpr std::array<ChoiceButton, 4> kImageModeButtons{
    {{ids::kNeg, 1}, {ids::kPos, 0}, {ids::kNegBw, 3}, {ids::kPosBw, 2}}};
inline constexpr std::array<ChoiceButton, 6> kDigitalGainButtons{
    {{ids::kDigAgc6, 1}, {ids::kDigAgc12, 2}, {ids::kDigAgc15, 3}, {ids::kDigAgc18, 4},
     {ids::kDigAgc21, 5}, {ids::kDigAgc24, 6}}};

// Which video standard a fixed shutter needs.
enum class Standard { Any, PalOnly, NtscOnly };

struct FixedShutter {
  int id;
  std::uint16_t denominator;  // x of 1/x s
  Standard needs;
};
inline constexpr std::array<FixedShutter, 12> kFixedShutters{{
    {ids::kShutter50, 50, Standard::PalOnly},
    {ids::kShutter60, 60, Standard::NtscOnly},
    {ids::kShutter100, 100, Standard::NtscOnly},
    {ids::kShutter120, 120, Standard::PalOnly},
    {ids::kShutter250, 250, Standard::Any},
    {ids::kShutter500, 500, Standard::Any},
    {ids::kShutter1000, 1000, Standard::Any},
    {ids::kShutter2000, 2000, Standard::Any},
    {ids::kShutter4000, 4000, Standard::Any},
    {ids::kShutter10000, 10000, Standard::Any},
    {ids::kShutter20000, 20000, Standard::Any},
    {ids::kShutter30000, 30000, Standard::Any},
}};

inline constexpr bool suitsStandard(const FixedShutter& shutter, std::int32_t videoStandard) {
  switch (shutter.needs) {
    case Standard::PalOnly: return videoStandard == 0;
    case Standard::NtscOnly: return videoStandard != 0;
    case Standard::Any: return true;
  }
  return false;
}

// Gain, shutter and white balance. Choosing Manual under remote control
// unlocks the group's dependent controls; any other choice locks some of
// them at once and the rest only when it is sent.
struct ModeGroup {
  std::vector<ChoiceButton> buttons;
  ModeSetter Entries::*setter;
  std::uint16_t EingabeBool_1::*lastMode;
  std::int32_t EingabeBool_1::*manualFlag;  // none for white balance
  std::vector<int> lockedByAnyOtherChoice;
  std::vector<int> lockedWhenOtherChoiceSent;
};

inline std::vector<int> fixedShutterIds() {
  std::vector<int> list;
  for (const FixedShutter& shutter : kFixedShutters) list.push_back(shutter.id);
  return list;
}
inline std::vector<int> digitalGainIds() {
  std::vector<int> list;
  for (const ChoiceButton& button : kDigitalGainButtons) list.push_back(button.id);
  return list;
}

inline const ModeGroup kShutterGroup{
    {{ids::kShutterOff, 0}, {ids::kShutterFL, 1}, {ids::kShutterAuto, 2},
     {ids::kShutterManual, 4}},
    &Entries::SetModeES,
    &EingabeBool_1::lastShutterMode,
    &EingabeBool_1::shutterManual,
    {},
    fixedShutterIds()};
inline const ModeGroup kGainGroup{
    {{ids::kGain0dB, 0}, {ids::kGain6dB, 1}, {ids::kGainAuto, 2}, {ids::kGainManual, 4}},
    &Entries::SetModeGC,
    &EingabeBool_1::lastGainMode,
    &EingabeBool_1::gainManual,
    {ids::kManualGainSlider},
    digitalGainIds()};
inline const ModeGroup kWhiteBalanceGroup{
    {{ids::kWb3200, 0}, {ids::kWb5600, 1}, {ids::kWbAuto, 2}, {ids::kWbAtwLock, 3},
     {ids::kWbManual, 4}},
    &Entries::SetModeWB,
    &EingabeBool_1::lastWhiteBalanceMode,
    nullptr,
    {ids::kRedSlider, ids::kBlueSlider},
    {}};
inline const std::array<const ModeGroup*, 3> kModeGroups{&kShutterGroup, &kGainGroup,
                                                         &kWhiteBalanceGroup};

// A slider that carries its camera value unchanged. Moving one of a coupled
// pair first pushes its partner to a fixed value, on screen and in the
// camera.
struct Partner {
  int slider;
  int label;
  std::uint16_t value;
  PlainSetter Entries::*setter;
};
struct PageSlider {
  int slider;
  int label;
  int minimum, maximum;
  PlainGetter Entries::*getter;
  PlainSetter Entries::*setter;
  std::optional<Partner> partner;
};

// In the order the start reads them; the manual gain slider comes last.
inline const std::array<PageSlider, 13> kSliders{{
    {ids::kPhaseSlider, ids::kPhaseLabel, 0, 255, &Entries::GetPhase, &Entries::SetPhase, {}},
    {ids::kAesSpeedSlider, ids::kAesSpeedLabel, 1, 10, &Entries::GetAesRes, &Entries::SetAesRes,
     {}},
    {ids::kAgcSpeedSlider, ids::kAgcSpeedLabel, 1, 10, &Entries::GetAgcRes, &Entries::SetAgcRes,
     {}},
    {ids::kGainMaxSlider, ids::kGainMaxLabel, 0, 240, &Entries::GetMaxGain, &Entries::SetMaxGain,
     Partner{ids::kGainMinSlider, ids::kGainMinLabel, 240, &Entries::SetMinGain}},
    {ids::kGainMinSlider, ids::kGainMinLabel, 0, 240, &Entries::GetMinGain, &Entries::SetMinGain,
     Partner{ids::kGainMaxSlider, ids::kGainMaxLabel, 0, &Entries::SetMaxGain}},
    {ids::kShutterMinSlider, ids::kShutterMinLabel, 0, 255, &Entries::GetESMin,
     &Entries::SetESMin,
     Partner{ids::kShutterMaxSlider, ids::kShutterMaxLabel, 0, &Entries::SetESMax}},
    {ids::kShutterMaxSlider, ids::kShutterMaxLabel, 0, 155, &Entries::GetESMax,
     &Entries::SetESMax,
     Partner{ids::kShutterMinSlider, ids::kShutterMinLabel, 255, &Entries::SetESMin}},
    {ids::kAtwSpeedSlider, ids::kAtwSpeedLabel, 1, 10, &Entries::GetATWRes, &Entries::SetATWRes,
     {}},
    {ids::kCGammaSlider, ids::kCGammaLabel, 0, 255, &Entries::GetCGamma, &Entries::SetCGamma, {}},
    {ids::kYGammaSlider, ids::kYGammaLabel, 0, 255, &Entries::GetYGamma, &Entries::SetYGamma, {}},
    {ids::kRedSlider, ids::kRedLabel, 0, 255, &Entries::GetMWBR, &Entries::SetMWBR, {}},
    {ids::kBlueSlider, ids::kBlueLabel, 0, 255, &Entries::GetMWBB, &Entries::SetMWBB, {}},
    {ids::kSharpnessSlider, ids::kSharpnessLabel, 0, 255, &Entries::GetShape, &Entries::SetShape,
     {}},
}};

// Reset: the camera's factory values, this page's and the zoom page's, in
// the order they are sent; the last call puts the camera under camera
// control.
using ResetCall = void (*)(const Entries&);
#define OCEL_RESET(stem, value) [](const Entries& e) { e.Set##stem(value); }
inline constexpr std::array<ResetCall, 34> kFactoryReset{
    OCEL_RESET(NegPos, 0),     OCEL_RESET(ModeGC, 2),    OCEL_RESET(ModeES, 2),
    OCEL_RESET(ModeWB, 2),     OCEL_RESET(MGC, 0.0),     OCEL_RESET(MWBR, 198),
    OCEL_RESET(MWBB, 53),      OCEL_RESET(Shape, 128),   OCEL_RESET(AesRes, 1),
    OCEL_RESET(AgcRes, 1),     OCEL_RESET(CGamma, 32),   OCEL_RESET(ATWRes, 5),
    OCEL_RESET(YGamma, 128),   OCEL_RESET(Phase, 128),   OCEL_RESET(Rate0, 255),
    OCEL_RESET(Rate1, 255),    OCEL_RESET(Rate2, 255),   OCEL_RESET(Rate3, 255),
    OCEL_RESET(Rate4, 255),    OCEL_RESET(Rate5, 255),   OCEL_RESET(RateP, 64),
    OCEL_RESET(AELevel, 128),  OCEL_RESET(MaxGain, 240), OCEL_RESET(MinGain, 0),
    OCEL_RESET(ESMax, 255),    OCEL_RESET(ESMin, 0),     OCEL_RESET(RePrt, 0),
    OCEL_RESET(EZSWBtn, 0),    OCEL_RESET(EZPane, 128),  OCEL_RESET(EZTilt, 128),
    OCEL_RESET(DZoom, 255),    OCEL_RESET(AEMode, 0),    OCEL_RESET(DigAgc, 3),
    OCEL_RESET(Mode, 0)};
#undef OCEL_RESET

// clang-format on

}  // namespace ocel::sheet

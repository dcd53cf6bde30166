// The "Settings" page of the sheet for model 1 (EingabeBool_1): image mode,
// control source, gain, digital AGC, shutter, fixed shutters, white balance
// and fourteen sliders, every change sent to the camera at once. Its start
// reads every setting back, and also the values the zoom page shows.
#pragma once

#include <cstdint>
#include <span>

#include "panel_support/entry_points.h"
#include "platform/property_sheet.h"

namespace ocel::panel_support {
class WaitWindow;
}

namespace ocel::sheet {

class ZoomComm_1;

// The exports the page calls, in the order it binds them.
// clang-format off
#define OCEL_SETTINGS_PAGE_EXPORTS(X)                                                          \
  X(SetNegPos) X(SetMode) X(SetModeWB) X(SetModeES) X(SetModeGC) X(SetUsflg) X(SetMWBR)        \
  X(SetMWBB) X(SetMES) X(SetMGC) X(SetAesRes) X(SetAgcRes) X(SetShape) X(SetYGamma)            \
  X(SetCGamma) X(SetPhase) X(SetATWRes) X(SetMaxGain) X(SetMinGain) X(SetESMax) X(SetESMin)    \
  X(SetRePrt) X(SetReBps) X(SetEZSWBtn) X(SetEZPane) X(SetEZTilt) X(SetDZoom) X(SetRate0)      \
  X(SetRate1) X(SetRate2) X(SetRate3) X(SetRate4) X(SetRate5) X(SetRateP) X(SetAELevel)        \
  X(SetAEMode) X(SetDigAgc) X(GetMode) X(GetNegPos) X(GetModeGC) X(GetModeES) X(GetModeWB)     \
  X(GetPhase) X(GetAesRes) X(GetAgcRes) X(GetATWRes) X(GetCGamma) X(GetYGamma) X(GetMWBR)      \
  X(GetMWBB) X(GetShape) X(GetMGC) X(GetMES) X(GetMaxGain) X(GetMinGain) X(GetESMax)           \
  X(GetESMin) X(GetRePrt) X(GetReBps) X(GetEZSWBtn) X(GetEZPane) X(GetEZTilt) X(GetDZoom)      \
  X(GetRate0) X(GetRate1) X(GetRate2) X(GetRate3) X(GetRate4) X(GetRate5) X(GetRateP)          \
  X(GetAELevel) X(GetAEMode) X(GetDigAgc)
OCEL_DEFINE_ENTRY_POINTS(SettingsPageEntryPoints, OCEL_SETTINGS_PAGE_EXPORTS);
// clang-format on

struct ModeGroup;
struct ChoiceButton;
struct FixedShutter;
struct PageSlider;

class EingabeBool_1 : public platform::PropertyPage {
  Q_OBJECT
 public:
  // The page borrows the library, the zoom page and the wait window.
  EingabeBool_1(const platform::LoadedLibrary& library, int videoStandard, ZoomComm_1& zoomCommPage,
                panel_support::WaitWindow& waitWindow);

  // 1 while the camera is under remote control: the mode buttons are in
  // force. Under camera control only Automatic is sent.
  std::int32_t remoteControl = 0;
  // Gates of the fixed shutter and the digital AGC buttons.
  std::int32_t shutterManual = 0;
  std::int32_t gainManual = 0;
  // 0 PAL, else NTSC: which pair of fixed shutters is usable.
  std::int32_t videoStandard;
  // The modes last chosen on the page, sent again by Remote. Every start
  // sets them to Automatic.
  std::uint16_t lastShutterMode = 0;
  std::uint16_t lastGainMode = 0;
  std::uint16_t lastWhiteBalanceMode = 0;

  // The start sequence: binds the exports, reads every setting, sets every
  // control, hands the zoom page its values and hides the wait window. Run
  // again by Remote, Reset and a configuration load.
  bool OnInitDialog() override;

 protected:
  void OnHScroll(int code, int position, int controlId) override;

 private:
  // Start steps.
  void showChoice(std::span<const ChoiceButton> buttons, int value);
  void showFixedShutter(std::uint16_t denominator);
  void showSlider(const PageSlider& slider);
  void showManualGain(double decibels);
  void storeZoomPageValues();

  // Sliders.
  void moveManualGain(int code, int position);

  // Buttons.
  bool usable(int controlId) const;
  void unlockDependents(const ModeGroup& group);
  void lockDependents(const ModeGroup& group);
  void chooseImageMode(const ChoiceButton& chosen);
  void chooseMode(const ModeGroup& group, const ChoiceButton& chosen);
  void chooseFixedShutter(const FixedShutter& chosen);
  void chooseDigitalGain(const ChoiceButton& chosen);
  void chooseCameraControl();
  void chooseRemoteControl();
  void resetToFactory();
  void saveConfigurationFile();
  void loadConfigurationFile();

  const platform::LoadedLibrary& library_;
  ZoomComm_1& zoomCommPage_;
  panel_support::WaitWindow& waitWindow_;
  SettingsPageEntryPoints entries_;
};

}  // namespace ocel::sheet

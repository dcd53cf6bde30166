#include "classic/camera_panel.h"

#include "classic/panel_tables.h"
#include "classic/slider_rules.h"
#include "panel_support/round_decimal.h"
#include "panel_support/slider_arithmetic.h"
#include "panel_support/wait_window.h"

namespace ocel::classic {

CameraPanel_1::CameraPanel_1(const platform::LoadedLibrary& library,
                             panel_support::WaitWindow& waitWindow)
    : platform::Dialog(res::classicPanelTemplate()), library_(library), waitWindow_(waitWindow) {
  for (const ModeGroup* group : {&kGainGroup, &kShutterGroup, &kWhiteBalanceGroup})
    for (int i = 0; i < 4; ++i)
      onClick(group->buttons[i].id, [this, group, i] { chooseMode(*group, i); });
  for (const ModeButton& button : kAeModeButtons)
    onClick(button.id, [this, value = button.value] { chooseAeMode(value); });
  for (int row = 1; row <= 5; ++row)
    for (int column = 1; column <= 5; ++column)
      onClick(ids::kGridBoxes[row - 1][column - 1],
              [this, row, column] { clickGridBox(row, column); });
  onClick(ids::kNegative, [this] {
    setCheck(ids::kPositive, 0);
    entries_.SetNegPos(1);
  });
  onClick(ids::kPositive, [this] {
    setCheck(ids::kNegative, 0);
    entries_.SetNegPos(0);
  });
  onClick(ids::kCameraMode, [this] { chooseCameraMode(); });
  onClick(ids::kRemoteMode, [this] { chooseRemoteMode(); });
  onClick(ids::kSave, [this] { saveUserSettings(); });
  onClick(ids::kReset, [this] { resetToFactory(); });
  onClick(ids::kConfigSave, [this] { saveConfigurationFile(); });
  onClick(ids::kConfigLoad, [this] { loadConfigurationFile(); });
}

std::int32_t& CameraPanel_1::rowMask(int row) {
  std::int32_t* rows[5] = {&rowMask1, &rowMask2, &rowMask3, &rowMask4, &rowMask5};
  return *rows[row - 1];
}

// Reads the camera and sets every control from it. Nothing is written.
bool CameraPanel_1::OnInitDialog() {
  if (!entries_.bind(library_, this)) {
    EndDialog(platform::kIdCancel);
    return true;
  }
  const std::uint8_t gainMode = entries_.GetModeGC();
  const std::uint8_t shutterMode = entries_.GetModeES();
  const std::uint8_t whiteBalanceMode = entries_.GetModeWB();
  const std::uint8_t aeMode = entries_.GetAEMode();
  showModeGroups(gainMode, shutterMode, whiteBalanceMode, aeMode);

  const std::uint8_t imageMode = entries_.GetNegPos();
  setCheck(ids::kNegative, imageMode);
  setCheck(ids::kPositive, imageMode == 0);
  const std::uint8_t cameraMode = entries_.GetMode();
  setCheck(ids::kCameraMode, cameraMode == 0);
  setCheck(ids::kRemoteMode, cameraMode);

  showPlainSliders();
  showGain();
  showShutter();
  showAeArea();
  showGridFor(aeMode);

  // Manual modes unlock their sliders only in Remote mode.
  for (int slider : {ids::kShutterSlider, ids::kGainSlider, ids::kRedSlider, ids::kBlueSlider})
    enableControl(slider, false);
  if (cameraMode != 0) {
    enableControl(ids::kShutterSlider, shutterMode == kManual);
    enableControl(ids::kGainSlider, gainMode == kManual);
    enableControl(ids::kRedSlider, whiteBalanceMode == kManual);
    enableControl(ids::kBlueSlider, whiteBalanceMode == kManual);
  }
  remoteMode = cameraMode != 0;
  areaSelectMode = aeMode == kAeSelect;
  enableControl(ids::kAeAreaSlider, aeMode == kAeVariable);

  rememberedShutterMode = kAutomatic;
  rememberedGainMode = kAutomatic;
  rememberedWhiteBalanceMode = kAutomatic;
  waitWindow_.hide();
  return true;
}

void CameraPanel_1::showModeGroups(std::uint8_t gain, std::uint8_t shutter,
                                   std::uint8_t whiteBalance, std::uint8_t aeMode) {
  const std::pair<const ModeGroup*, std::uint8_t> groups[] = {
      {&kGainGroup, gain}, {&kShutterGroup, shutter}, {&kWhiteBalanceGroup, whiteBalance}};
  for (const auto& [group, value] : groups)
    for (const ModeButton& button : group->buttons) setCheck(button.id, button.value == value);
  for (const ModeButton& button : kAeModeButtons) setCheck(button.id, button.value == aeMode);
}

void CameraPanel_1::showPlainSliders() {
  for (const PlainSlider& plain : kPlainSliders) {
    const std::uint8_t value = (entries_.*plain.getter)();
    setScrollRange(plain.slider, 0, 255);
    setScrollPage(plain.slider, 1);
    setScrollPos(plain.slider, value);
    setControlText(plain.label, QString::number(value));
  }
}

void CameraPanel_1::showGain() {
  const panel_support::RoundedDecimal gain = panel_support::RoundDecimal(entries_.GetMGC(), true);
  setScrollRange(ids::kGainSlider, 0, 36);
  setScrollPage(ids::kGainSlider, 1);
  setScrollPos(ids::kGainSlider, static_cast<int>(2 * gain.value));
  setControlText(ids::kGainLabel, QString::fromStdString(gain.text));
}

void CameraPanel_1::showShutter() {
  const int shutter = shutterSliderValue(entries_.GetMES());
  setScrollRange(ids::kShutterSlider, 0, 30000);
  setScrollPage(ids::kShutterSlider, 1);
  setScrollPos(ids::kShutterSlider, shutter);
  // 0 is the FL mode's shutter; the prefix reads "1/" after the first move.
  setControlText(ids::kShutterPrefix, shutter == 0 ? QStringLiteral("FL") : QString());
  setControlText(ids::kShutterLabel, shutter == 0 ? QString() : QString::number(shutter));
}

void CameraPanel_1::showAeArea() {
  const int outside = panel_support::percentOfByte(entries_.GetAEArea());
  setScrollRange(ids::kAeAreaSlider, 0, 100);
  setScrollPage(ids::kAeAreaSlider, 1);
  setScrollPos(ids::kAeAreaSlider, outside);
  setControlText(ids::kInsideLabel, QString::number(100 - outside));
  setControlText(ids::kOutsideLabel, QString::number(outside));
}

void CameraPanel_1::showGridFor(std::uint8_t aeMode) {
  switch (aeMode) {
    case 0: showGridPattern(kAllZones); break;
    case 1: showGridPattern(kCentreZone); break;
    case kAeVariable: showGridPattern(kCross); break;
    case kAeSelect: readArea(); break;
    default: break;  // an unknown mode leaves the grid as it is
  }
}

void CameraPanel_1::showGridPattern(const bool (&pattern)[5][5]) {
  for (int row = 0; row < 5; ++row)
    for (int column = 0; column < 5; ++column)
      setCheck(ids::kGridBoxes[row][column], pattern[row][column]);
}

}  // namespace ocel::classic

// The classic panel's buttons: the mode groups, Camera and Remote, the AE
// modes, the area grid, Save and Reset.
#include "classic/camera_panel.h"
#include "classic/panel_tables.h"
#include "platform/user_prompts.h"

namespace ocel::classic {

// Gain, shutter and white balance alike. In Camera mode only Automatic is
// sent; any other choice falls back to Automatic on screen but is
// remembered, to be sent when the user switches to Remote.
void CameraPanel_1::chooseMode(const ModeGroup& group, int buttonIndex) {
  const ModeButton& chosen = group.buttons[static_cast<std::size_t>(buttonIndex)];
  for (const ModeButton& other : group.buttons)
    if (other.id != chosen.id) setCheck(other.id, 0);
  for (int slider : group.sliders) {
    if (slider == 0) continue;
    if (chosen.value != kManual) enableControl(slider, false);
    else if (remoteMode) enableControl(slider, true);
  }
  if (chosen.value == kAutomatic || remoteMode) {
    (entries_.*group.setter)(chosen.value);
  } else {
    setCheck(chosen.id, 0);
    setCheck(group.buttons[2].id, 1);
  }
  this->*group.remembered = chosen.value;
}

void CameraPanel_1::chooseCameraMode() {
  setCheck(ids::kRemoteMode, 0);
  entries_.SetMode(0);
  for (const ModeGroup* group : {&kShutterGroup, &kGainGroup, &kWhiteBalanceGroup})
    for (const ModeButton& button : group->buttons) setCheck(button.id, button.value == kAutomatic);
  for (int slider : {ids::kShutterSlider, ids::kGainSlider, ids::kRedSlider, ids::kBlueSlider})
    enableControl(slider, false);
  for (const ModeButton& button : kAeModeButtons) setCheck(button.id, button.value == kAeVariable);
  enableControl(ids::kAeAreaSlider, true);
  showGridPattern(kCross);
  remoteMode = 0;
}

void CameraPanel_1::chooseRemoteMode() {
  setCheck(ids::kCameraMode, 0);
  entries_.SetMode(1);
  entries_.SetModeES(rememberedShutterMode);
  entries_.SetModeGC(rememberedGainMode);
  entries_.SetModeWB(rememberedWhiteBalanceMode);
  remoteMode = 1;
}

void CameraPanel_1::chooseAeMode(int mode) {
  for (const ModeButton& button : kAeModeButtons)
    if (button.value != mode) setCheck(button.id, 0);
  const int chosenId = kAeModeButtons[static_cast<std::size_t>(mode)].id;

  if (mode == kAeVariable) {
    entries_.SetAEMode(kAeVariable);
    enableControl(ids::kAeAreaSlider, true);
    showGridPattern(kCross);
    areaSelectMode = 0;
    return;
  }
  if (!remoteMode) {
    // Camera mode keeps Variable; Select also keeps the grid's edit state.
    setCheck(chosenId, 0);
    setCheck(ids::kVariable, 1);
    if (mode != kAeSelect) areaSelectMode = 0;
    return;
  }
  entries_.SetAEMode(static_cast<std::uint8_t>(mode));
  if (mode == kAeSelect) {
    readArea();
    enableControl(ids::kAeAreaSlider, false);
    areaSelectMode = 1;
  } else {
    enableControl(ids::kAeAreaSlider, false);
    showGridPattern(mode == 0 ? kAllZones : kCentreZone);
    areaSelectMode = 0;
  }
}

void CameraPanel_1::readArea() {
  for (int row = 1; row <= 5; ++row) rowMask(row) = entries_.ReadArea(row);
  for (int row = 1; row <= 5; ++row)
    for (int column = 1; column <= 5; ++column)
      setCheck(ids::kGridBoxes[row - 1][column - 1], (rowMask(row) & columnBit(column)) != 0);
}

// The box has already turned over. Outside Select mode it turns back; the
// row's mask is sent either way.
void CameraPanel_1::clickGridBox(int row, int column) {
  const int box = ids::kGridBoxes[row - 1][column - 1];
  const bool checked = checkState(box) != 0;
  const std::int32_t bit = columnBit(column);
  std::int32_t& mask = rowMask(row);
  if (!areaSelectMode) {
    setCheck(box, !checked);
  } else if (checked) {
    mask ^= bit;
  } else {
    mask &= 31 - bit;  // also clears anything above the five zones
  }
  entries_.SelectArea(mask, static_cast<std::uint8_t>(row));
}

void CameraPanel_1::saveUserSettings() {
  entries_.SetUsflg(1);
  entries_.SetUsflg(0);
}

void CameraPanel_1::resetToFactory() {
  const platform::WaitCursor busy(this);
  entries_.SetUsflg(255);
  OnInitDialog();
}

}  // namespace ocel::classic

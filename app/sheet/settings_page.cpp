// The Settings page's construction and its start sequence.
#include "sheet/settings_page.h"

#include "panel_support/wait_window.h"
#include "res/dialog_templates.h"
#include "res/strings.h"
#include "sheet/manual_gain.h"
#include "sheet/settings_page_tables.h"
#include "sheet/zoom_comm_page.h"

namespace ocel::sheet {

EingabeBool_1::EingabeBool_1(const platform::LoadedLibrary& library, int standard,
                             ZoomComm_1& zoomCommPage, panel_support::WaitWindow& waitWindow)
    : platform::PropertyPage(res::settingsPageTemplate()),
      videoStandard(standard),
      library_(library),
      zoomCommPage_(zoomCommPage),
      waitWindow_(waitWindow) {
  for (const ChoiceButton& button : kImageModeButtons)
    onClick(button.id, [this, button] { chooseImageMode(button); });
  for (const ModeGroup* group : kModeGroups)
    for (const ChoiceButton& button : group->buttons)
      onClick(button.id, [this, group, button] { chooseMode(*group, button); });
  for (const FixedShutter& shutter : kFixedShutters)
    onClick(shutter.id, [this, shutter] { chooseFixedShutter(shutter); });
  for (const ChoiceButton& button : kDigitalGainButtons)
    onClick(button.id, [this, button] { chooseDigitalGain(button); });
  onClick(ids::kCamera, [this] { chooseCameraControl(); });
  onClick(ids::kRemote, [this] { chooseRemoteControl(); });
  onClick(ids::kReset, [this] { resetToFactory(); });
  onClick(ids::kSave, [this] { entries_.SetUsflg(1); });
  onClick(ids::kConfigSave, [this] { saveConfigurationFile(); });
  onClick(ids::kConfigLoad, [this] { loadConfigurationFile(); });
}

// 37 reads, nothing written. The mode buttons keep their enabled state: only
// Camera and Remote change it.
bool EingabeBool_1::OnInitDialog() {
  if (!entries_.bind(library_, this)) {
    if (platform::PropertySheet* sheet = parentSheet()) sheet->EndDialog(platform::kIdCancel);
    return true;
  }
  const std::uint8_t gainMode = entries_.GetModeGC();
  const std::uint8_t shutterMode = entries_.GetModeES();
  const std::uint8_t whiteBalanceMode = entries_.GetModeWB();
  const std::uint8_t imageMode = entries_.GetNegPos();
  showFixedShutter(entries_.GetMES());
  showChoice(kDigitalGainButtons, entries_.GetDigAgc());
  showChoice(kImageModeButtons, imageMode);
  setCheck(ids::kCamera, entries_.GetMode() == 0);
  setCheck(ids::kRemote, entries_.GetMode() != 0);
  showChoice(kGainGroup.buttons, gainMode);
  showChoice(kShutterGroup.buttons, shutterMode);
  showChoice(kWhiteBalanceGroup.buttons, whiteBalanceMode);
  for (const PageSlider& slider : kSliders) showSlider(slider);
  showManualGain(entries_.GetMGC());

  for (int id : {ids::kManualGainSlider, ids::kRedSlider, ids::kBlueSlider})
    enableControl(id, false);
  for (const FixedShutter& shutter : kFixedShutters) enableControl(shutter.id, false);
  if (entries_.GetMode() == 0) {
    remoteControl = shutterManual = gainManual = 0;
  } else {
    if (gainMode == kManual) unlockDependents(kGainGroup);
    else
      for (const ChoiceButton& button : kDigitalGainButtons) enableControl(button.id, false);
    if (whiteBalanceMode == kManual) unlockDependents(kWhiteBalanceGroup);
    if (shutterMode == kManual) unlockDependents(kShutterGroup);
    // Set whatever the modes: the gated buttons are disabled unless Manual.
    remoteControl = shutterManual = gainManual = 1;
  }
  lastShutterMode = lastGainMode = lastWhiteBalanceMode = kAutomatic;
  storeZoomPageValues();
  waitWindow_.hide();
  return true;
}

// The button standing for value is checked, the others not; a value no
// button stands for leaves all unchecked.
void EingabeBool_1::showChoice(std::span<const ChoiceButton> buttons, int value) {
  for (const ChoiceButton& button : buttons) setCheck(button.id, button.value == value);
}

// Only the usable fixed shutters show the reading; the other pair is left
// as it is.
void EingabeBool_1::showFixedShutter(std::uint16_t denominator) {
  for (const FixedShutter& shutter : kFixedShutters)
    if (suitsStandard(shutter, videoStandard))
      setCheck(shutter.id, shutter.denominator == denominator);
}

// The label shows the value as read, the slider puts it into its range.
void EingabeBool_1::showSlider(const PageSlider& slider) {
  setScrollRange(slider.slider, slider.minimum, slider.maximum);
  setScrollPage(slider.slider, 1);
  const std::uint8_t value = (entries_.*slider.getter)();
  setScrollPos(slider.slider, value);
  setControlText(slider.label, QString::number(value));
}

void EingabeBool_1::showManualGain(double decibels) {
  setScrollRange(ids::kManualGainSlider, 0, kManualGainTop);
  setScrollPage(ids::kManualGainSlider, 1);
  setControlText(ids::kManualGainLabel, QString::fromStdString(manualGainReadText(decibels)));
  setScrollPos(ids::kManualGainSlider, manualGainPosition(decibels));
  setControlText(ids::kManualGainNote,
                 QString::fromUtf8(isDigitalGain(decibels) ? res::kDigitalGainNote
                                                           : res::kAnalogueGainNoteAtStart));
}

// The zoom page reads nothing itself: it starts from these values.
void EingabeBool_1::storeZoomPageValues() {
  ZoomComm_1& zoom = zoomCommPage_;
  const PlainGetter Entries::*const rates[] = {&Entries::GetRate0, &Entries::GetRate1,
                                               &Entries::GetRate2, &Entries::GetRate3,
                                               &Entries::GetRate4, &Entries::GetRate5};
  for (int area = 0; area < 6; ++area) zoom.areaRate[area] = (entries_.*rates[area])();
  zoom.peakRate = entries_.GetRateP();
  zoom.panCode = entries_.GetEZPane();
  zoom.tiltCode = entries_.GetEZTilt();
  zoom.zoomCode = entries_.GetDZoom();
  zoom.blcMode = entries_.GetAEMode();
  zoom.cameraParity = entries_.GetRePrt();
  zoom.cameraBaudCode = entries_.GetReBps();
  zoom.aeLevel = entries_.GetAELevel();
}

}  // namespace ocel::sheet

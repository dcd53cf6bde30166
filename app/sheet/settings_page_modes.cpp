// The Settings page's buttons: image mode, the mode groups with their gates
// and reverts, fixed shutters, digital AGC, Camera and Remote, Reset and
// Save.
#include <algorithm>

#include "platform/user_prompts.h"
#include "sheet/settings_page.h"
#include "sheet/settings_page_tables.h"

namespace ocel::sheet {

namespace {

const ChoiceButton& automaticOf(const ModeGroup& group) {
  return *std::find_if(group.buttons.begin(), group.buttons.end(),
                       [](const ChoiceButton& b) { return b.value == kAutomatic; });
}

}  // namespace

// Every control but the fixed shutter pair of the other standard.
bool EingabeBool_1::usable(int controlId) const {
  const auto shutter =
      std::find_if(kFixedShutters.begin(), kFixedShutters.end(),
                   [controlId](const FixedShutter& s) { return s.id == controlId; });
  return shutter == kFixedShutters.end() || suitsStandard(*shutter, videoStandard);
}

void EingabeBool_1::unlockDependents(const ModeGroup& group) {
  for (const std::vector<int>* list :
       {&group.lockedByAnyOtherChoice, &group.lockedWhenOtherChoiceSent})
    for (int id : *list) enableControl(id, usable(id));
}

void EingabeBool_1::lockDependents(const ModeGroup& group) {
  for (const std::vector<int>* list :
       {&group.lockedByAnyOtherChoice, &group.lockedWhenOtherChoiceSent})
    for (int id : *list) enableControl(id, false);
}

void EingabeBool_1::chooseImageMode(const ChoiceButton& chosen) {
  for (const ChoiceButton& other : kImageModeButtons)
    if (other.id != chosen.id) setCheck(other.id, 0);
  entries_.SetNegPos(chosen.value);
}

// Under camera control only Automatic is sent; any other choice falls back
// to Automatic on screen but is remembered for Remote.
void EingabeBool_1::chooseMode(const ModeGroup& group, const ChoiceButton& chosen) {
  for (const ChoiceButton& other : group.buttons)
    if (other.id != chosen.id) setCheck(other.id, 0);
  const bool manual = chosen.value == kManual;
  const bool sent = chosen.value == kAutomatic || remoteControl;
  if (!manual) {
    for (int id : group.lockedByAnyOtherChoice) enableControl(id, false);
    if (sent)
      for (int id : group.lockedWhenOtherChoiceSent) enableControl(id, false);
  } else if (sent) {
    unlockDependents(group);
  }
  if (sent) {
    (entries_.*group.setter)(chosen.value);
  } else {
    setCheck(chosen.id, 0);
    setCheck(automaticOf(group).id, 1);
  }
  this->*group.lastMode = chosen.value;
  if (group.manualFlag) this->*group.manualFlag = manual;
}

void EingabeBool_1::chooseFixedShutter(const FixedShutter& chosen) {
  for (const FixedShutter& shutter : kFixedShutters)
    if (suitsStandard(shutter, videoStandard) || shutter.id == chosen.id) setCheck(shutter.id, 0);
  if (remoteControl && shutterManual && suitsStandard(chosen, videoStandard)) {
    setCheck(chosen.id, 1);
    entries_.SetMES(chosen.denominator);
  }
}

void EingabeBool_1::chooseDigitalGain(const ChoiceButton& chosen) {
  for (const ChoiceButton& button : kDigitalGainButtons) setCheck(button.id, 0);
  if (remoteControl && gainManual) {
    setCheck(chosen.id, 1);
    entries_.SetDigAgc(chosen.value);
  }
}

// The camera keeps its own mode registers; the page shows Automatic and
// locks every mode button until Remote.
void EingabeBool_1::chooseCameraControl() {
  const platform::WaitCursor busy;
  setCheck(ids::kRemote, 0);
  entries_.SetMode(0);
  for (const ModeGroup* group : kModeGroups) {
    for (const ChoiceButton& button : group->buttons) {
      setCheck(button.id, button.value == kAutomatic);
      enableControl(button.id, false);
    }
    lockDependents(*group);
  }
  remoteControl = 0;
}

void EingabeBool_1::chooseRemoteControl() {
  const platform::WaitCursor busy;
  setCheck(ids::kCamera, 0);
  entries_.SetMode(1);
  entries_.SetModeES(lastShutterMode);
  entries_.SetModeGC(lastGainMode);
  entries_.SetModeWB(lastWhiteBalanceMode);
  for (const ModeGroup* group : kModeGroups)
    for (const ChoiceButton& button : group->buttons) enableControl(button.id, true);
  OnInitDialog();
  remoteControl = 1;
}

void EingabeBool_1::resetToFactory() {
  const platform::WaitCursor busy;
  for (ResetCall send : kFactoryReset) send(entries_);
  OnInitDialog();
}

}  // namespace ocel::sheet

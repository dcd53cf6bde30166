#include "sheet/zoom_comm_page.h"

#include "panel_support/slider_arithmetic.h"
#include "res/dialog_templates.h"
#include "sheet/zoom_conversions.h"
#include "sheet/zoom_page_tables.h"

namespace ocel::sheet {

ZoomComm_1::ZoomComm_1(const platform::LoadedLibrary& library)
    : platform::PropertyPage(res::zoomPageTemplate()), library_(library) {
  for (const OptionGroup& group : kOptionGroups)
    for (int choice = 0; choice < 3; ++choice)
      onClick(group.choices[choice].id, [this, &group, choice] { chooseOption(group, choice); });
  onClick(ids::kBlcOff, [this] { chooseBlcMode(0); });
  onClick(ids::kBlcOn, [this] { chooseBlcMode(1); });
}

std::int32_t& ZoomComm_1::weight(int index) { return index < 6 ? areaRate[index] : peakRate; }

bool ZoomComm_1::OnInitDialog() {
  // Without every export the page could not send a thing: the user has been
  // told which is missing, and the page stays greyed out.
  if (!entries_.bind(library_, this)) setEnabled(false);
  hitRects = kKeypadHitRects;
  pressedButtons = 0;
  return true;
}

bool ZoomComm_1::OnSetActive() {
  for (const OptionGroup& group : kOptionGroups) {
    const std::int32_t stored = this->*group.stored;
    for (const OptionChoice& choice : group.choices)
      setCheck(choice.id, choice.shownFrom <= stored && stored <= choice.shownTo);
  }
  for (std::int32_t mode : {0, 1}) setCheck(kBlcButtons[mode], blcMode == mode);

  for (std::size_t i = 0; i < kWeightSliders.size(); ++i) {
    const WeightSlider& weightSlider = kWeightSliders[i];
    const int percent = panel_support::percentOfByte(weight(static_cast<int>(i)));
    setScrollRange(weightSlider.slider, 0, 100);
    setScrollPage(weightSlider.slider, 1);
    setScrollPos(weightSlider.slider, percent);
    setControlText(weightSlider.label, QStringLiteral("%1 %").arg(percent));
  }
  setScrollRange(ids::kLevelSlider, 0, 255);
  setScrollPage(ids::kLevelSlider, 1);
  setScrollPos(ids::kLevelSlider, aeLevel);
  setControlText(ids::kLevelLabel, QString::number(aeLevel));

  setScrollRange(ids::kZoomSlider, 100, 400);
  setScrollPage(ids::kZoomSlider, 1);
  showZoom(truncatedZoomPercent(zoomCode));
  // Without zoom the picture cannot move off centre; the side buttons keep
  // their checks.
  enableSideButtons(zoomCode != kNoZoomCode);
  if (zoomCode == kNoZoomCode) checkCentres();

  if (blcMode == 0 || blcMode == 1) enableWeightSliders(blcMode == 0);
  return PropertyPage::OnSetActive();
}

void ZoomComm_1::chooseOption(const OptionGroup& group, int choice) {
  for (int other = 0; other < 3; ++other)
    if (other != choice) setCheck(group.choices[other].id, 0);
  const std::uint16_t value = group.choices[choice].value;
  this->*group.stored = value;
  (entries_.*group.setter)(value);
}

void ZoomComm_1::chooseBlcMode(std::uint8_t mode) {
  enableWeightSliders(mode == 0);
  blcMode = mode;
  entries_.SetAEMode(mode);
}

void ZoomComm_1::enableWeightSliders(bool enabled) {
  for (const WeightSlider& weightSlider : kWeightSliders)
    enableControl(weightSlider.slider, enabled);
}

void ZoomComm_1::enableSideButtons(bool enabled) {
  for (int button : kSideButtons) enableControl(button, enabled);
}

void ZoomComm_1::checkCentres() {
  setCheck(ids::kPanCenter, 1);
  setCheck(ids::kTiltCenter, 1);
}

void ZoomComm_1::showZoom(int percent) {
  setScrollPos(ids::kZoomSlider, percent);
  setControlText(ids::kZoomLabel, QStringLiteral("%1 %").arg(percent));
}

}  // namespace ocel::sheet

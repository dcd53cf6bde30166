// The Settings page's one scroll handler: every notification moves the
// slider (or keeps it), rewrites its label and sends its value, end of
// scroll included.
#include <algorithm>

#include "panel_support/plain_slider.h"
#include "res/strings.h"
#include "sheet/manual_gain.h"
#include "sheet/settings_page.h"
#include "sheet/settings_page_tables.h"

namespace ocel::sheet {

void EingabeBool_1::OnHScroll(int code, int position, int controlId) {
  if (controlId == ids::kManualGainSlider) {
    moveManualGain(code, position);
    return;
  }
  const auto slider =
      std::find_if(kSliders.begin(), kSliders.end(),
                   [controlId](const PageSlider& s) { return s.slider == controlId; });
  if (slider == kSliders.end()) return;
  const int next = panel_support::movePlainSlider(*this, controlId, code, position);
  if (const std::optional<Partner>& partner = slider->partner) {
    setControlText(partner->label, QString::number(partner->value));
    setScrollPos(partner->slider, partner->value);
    (entries_.*partner->setter)(partner->value);
  }
  setControlText(slider->label, QString::number(next));
  (entries_.*slider->setter)(static_cast<std::uint16_t>(next));
}

void EingabeBool_1::moveManualGain(int code, int position) {
  const int next = panel_support::movePlainSlider(*this, ids::kManualGainSlider, code, position);
  const double decibels = manualGainDecibels(next);
  setControlText(
      ids::kManualGainNote,
      QString::fromUtf8(isDigitalGain(decibels) ? res::kDigitalGainNote : res::kAnalogueGainNote));
  setControlText(ids::kManualGainLabel, QString::fromStdString(manualGainMoveText(decibels)));
  entries_.SetMGC(decibels);
}

}  // namespace ocel::sheet

// The zoom page's one scroll handler: every notification moves the slider
// (or keeps it), rewrites its label and sends its value once, end of scroll
// included.
#include <algorithm>

#include "panel_support/plain_slider.h"
#include "panel_support/slider_arithmetic.h"
#include "sheet/zoom_comm_page.h"
#include "sheet/zoom_conversions.h"
#include "sheet/zoom_page_tables.h"

namespace ocel::sheet {

void ZoomComm_1::OnHScroll(int code, int position, int controlId) {
  const int next = panel_support::movePlainSlider(*this, controlId, code, position);

  if (controlId == ids::kLevelSlider) {
    setControlText(ids::kLevelLabel, QString::number(next));
    aeLevel = next;
    entries_.SetAELevel(static_cast<std::uint16_t>(next));
    return;
  }
  if (controlId == ids::kZoomSlider) {
    setControlText(ids::kZoomLabel, QStringLiteral("%1 %").arg(next));
    zoomCode = PercentToZoom(next);
    entries_.SetDZoom(static_cast<std::uint16_t>(zoomCode));
    // At 100 % the picture is centred: pan and tilt show it, nothing is sent.
    enableSideButtons(zoomCode != kNoZoomCode);
    if (zoomCode == kNoZoomCode) {
      for (int button : kSideButtons) setCheck(button, 0);
      checkCentres();
    }
    return;
  }
  const auto found =
      std::find_if(kWeightSliders.begin(), kWeightSliders.end(),
                   [controlId](const WeightSlider& s) { return s.slider == controlId; });
  if (found == kWeightSliders.end()) return;
  setControlText(found->label, QStringLiteral("%1 %").arg(next));
  const int value = panel_support::byteOfPercent(next);
  weight(static_cast<int>(found - kWeightSliders.begin())) = value;
  (entries_.*found->setter)(static_cast<std::uint16_t>(value));
}

}  // namespace ocel::sheet

// The classic panel's one scroll handler: every notification moves the
// slider (or keeps it), rewrites its label and sends its value once, end of
// scroll included.
#include <algorithm>

#include "classic/camera_panel.h"
#include "classic/panel_tables.h"
#include "classic/slider_rules.h"
#include "panel_support/slider_arithmetic.h"

namespace ocel::classic {

void CameraPanel_1::OnHScroll(int code, int position, int controlId) {
  const int current = scrollPos(controlId);
  const auto [minimum, maximum] = scrollRange(controlId);
  const int next =
      controlId == ids::kShutterSlider
          ? shutterSliderPosition(code, current, position)
          : panel_support::plainSliderPosition(code, current, position, minimum, maximum);
  setScrollPos(controlId, next);

  switch (controlId) {
    case ids::kShutterSlider:
      setControlText(ids::kShutterPrefix, next == 0 ? QStringLiteral("FL") : QStringLiteral("1/"));
      setControlText(ids::kShutterLabel, next == 0 ? QString() : QString::number(next));
      entries_.SetMES(static_cast<std::uint16_t>(next));
      return;
    case ids::kGainSlider:
      setControlText(ids::kGainLabel, QString::fromStdString(gainLabel(next)));
      entries_.SetMGC(next * 0.5);
      return;
    case ids::kAeAreaSlider:
      setControlText(ids::kInsideLabel, QString::number(100 - next));
      setControlText(ids::kOutsideLabel, QString::number(next));
      entries_.SetAEArea(static_cast<std::uint16_t>(panel_support::byteOfPercent(next)));
      return;
    default: break;
  }
  const auto plain =
      std::find_if(kPlainSliders.begin(), kPlainSliders.end(),
                   [controlId](const PlainSlider& s) { return s.slider == controlId; });
  if (plain == kPlainSliders.end()) return;
  setControlText(plain->label, QString::number(next));
  (entries_.*plain->setter)(static_cast<std::uint16_t>(next));
}

}  // namespace ocel::classic

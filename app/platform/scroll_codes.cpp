#include "platform/scroll_codes.h"

#include <QAbstractSlider>

namespace ocel::platform {

std::optional<ScrollCode> scrollCodeForSliderAction(int sliderAction) {
  switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepSub: return kLineLeft;
    case QAbstractSlider::SliderSingleStepAdd: return kLineRight;
    case QAbstractSlider::SliderPageStepSub: return kPageLeft;
    case QAbstractSlider::SliderPageStepAdd: return kPageRight;
    case QAbstractSlider::SliderToMinimum: return kLeft;
    case QAbstractSlider::SliderToMaximum: return kRight;
    case QAbstractSlider::SliderMove: return kThumbTrack;
    default: return std::nullopt;
  }
}

}  // namespace ocel::platform

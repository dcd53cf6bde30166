// The scroll notification codes a horizontal scroll bar sends its dialog.
#pragma once

#include <optional>

namespace ocel::platform {

enum ScrollCode : int {
  kLineLeft = 0,       // left arrow
  kLineRight = 1,      // right arrow
  kPageLeft = 2,       // trough left of the thumb
  kPageRight = 3,      // trough right of the thumb
  kThumbPosition = 4,  // thumb released
  kThumbTrack = 5,     // thumb being dragged
  kLeft = 6,           // to the left end (Home)
  kRight = 7,          // to the right end (End)
  kEndScroll = 8,      // end of a scroll action
};

// The code for one of Qt's slider actions (QAbstractSlider::SliderAction),
// or none for actions that carry no notification (SliderNoAction, which Qt
// repeats while an arrow is held).
std::optional<ScrollCode> scrollCodeForSliderAction(int sliderAction);

}  // namespace ocel::platform

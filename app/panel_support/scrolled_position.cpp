#include "panel_support/scrolled_position.h"

#include "platform/scroll_codes.h"

namespace ocel::panel_support {

int scrolledPosition(int code, int current, int dragged, int minimum, int maximum) {
  switch (code) {
    case platform::kLineLeft: return current > minimum ? current - 1 : current;
    case platform::kLineRight: return current < maximum ? current + 1 : current;
    case platform::kThumbTrack: return dragged;
    default: return current;
  }
}

}  // namespace ocel::panel_support

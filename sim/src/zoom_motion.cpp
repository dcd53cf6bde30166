#include "ocel400sim/zoom_motion.h"

#include <algorithm>
#include <cmath>

namespace ocelsim {

ZoomDirection zoomDirection(int buttons) {
  const bool tele = (buttons & 1) != 0;
  const bool wide = (buttons & 2) != 0;
  if (tele == wide) return ZoomDirection::Stop;
  return tele ? ZoomDirection::Tele : ZoomDirection::Wide;
}

int zoomPositionAfter(int start, ZoomDirection direction, double codesPerSecond,
                      Nanoseconds elapsed) {
  if (direction == ZoomDirection::Stop || codesPerSecond <= 0 || elapsed <= Nanoseconds::zero())
    return start;
  const double seconds = std::chrono::duration<double>(elapsed).count();
  // Capped well beyond the whole range, so the conversion cannot overflow.
  const int codes = static_cast<int>(std::min(std::floor(codesPerSecond * seconds), 1.0e4));
  const int end = direction == ZoomDirection::Tele ? kZoomTeleEnd : kZoomWideEnd;
  if (start < end) return std::min(start + codes, end);
  return std::max(start - codes, end);
}

}  // namespace ocelsim

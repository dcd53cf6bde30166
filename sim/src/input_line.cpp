#include "ocel400sim/input_line.h"

#include <algorithm>

namespace ocelsim {

TimePoint InputLine::arrive(TimePoint readAt, Nanoseconds characterTime) {
  busyUntil_ = std::max(busyUntil_, readAt) + characterTime;
  return busyUntil_;
}

}  // namespace ocelsim

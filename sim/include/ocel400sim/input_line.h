// The PC-to-camera direction of the line. A pty hands over a whole write at
// once; a real line delivers one character per character time, and a
// character cannot start before the one ahead of it has finished.
#pragma once

#include "ocel400sim/clock.h"

namespace ocelsim {

class InputLine {
 public:
  // When a byte read from the pty at `readAt` has fully arrived at the camera.
  TimePoint arrive(TimePoint readAt, Nanoseconds characterTime);

 private:
  TimePoint busyUntil_{};
};

}  // namespace ocelsim

// How a simulated camera is set up.
#pragma once

#include <string>

#include "ocel400sim/fault.h"

namespace ocelsim {

struct Options {
  int model = 1;          // 0 or 1
  int standard = 0;       // 0 PAL, 1 NTSC (reported only)
  bool paced = true;      // emulate the time characters take on the line
  int cameraBaud = 9600;  // initial camera speed; model 0 runs at 9600 only
  std::string linkPath;   // optional symlink to the pty slave
  bool trace = false;     // frames and events to stderr
  Fault fault = Fault::None;
  int faultPercent = 100;
  int lateMs = 200;                // hold-back of the late and fragment faults
  double zoomCodesPerSecond = 64;  // keypad zoom speed (model 1)
};

// Throws std::runtime_error naming the first option that makes no sense.
void validate(const Options& options);

}  // namespace ocelsim

// The Windows driver's own scenarios; the frame, fault and recovery ones are
// line_scenarios.h's. Each opens COM1 (or fails to) through the bound entry
// points and reports through checks.h.
#pragma once

#include "camera_control.h"

namespace ocel::testing {

void runPort(CameraControl& camera);                  // line settings, reopen, missing and vanished ports
void runBench(CameraControl& camera, int exchanges);  // timings, no checks

}  // namespace ocel::testing

// What the Windows driver runs, one scenario per call. Each opens COM1 (or
// fails to) through the bound entry points and reports through checks.h.
#pragma once

#include "camera_control.h"

namespace ocel::testing {

void runFrames(CameraControl& camera);    // every shared frame case, both models
void runFaults(CameraControl& camera);    // every shared fault case
void runRecovery(CameraControl& camera);  // 20 attempts, stale replies discarded
void runPort(CameraControl& camera);      // line settings, reopen, missing and vanished ports
void runBench(CameraControl& camera, int exchanges);  // timings, no checks

}  // namespace ocel::testing

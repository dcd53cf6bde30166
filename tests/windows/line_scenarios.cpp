// The frame, fault and recovery checks of the Linux tests, against the DLL.
#include "checks.h"
#include "line_scenarios.h"
#include "scenarios.h"

namespace ocel::testing {

namespace {

auto opener(CameraControl& camera) {
  return [&camera](int model) -> CameraControl& {
    camera.start(model);
    expectEq(lib::PortInitEx(1, model, OCEL400_PAL, 9600, 0), OCEL400_DONE, "PortInitEx");
    return camera;
  };
}

}  // namespace

void runFrames(CameraControl& camera) { checkFrames(opener(camera)); }

void runFaults(CameraControl& camera) {
  for (const FaultCase& c : kFaultCases) checkFault(opener(camera), c);
}

void runRecovery(CameraControl& camera) { checkRecovery(opener(camera)); }

}  // namespace ocel::testing

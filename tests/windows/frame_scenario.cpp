// The frames the camera receives from the DLL, byte for byte: the cases the
// Linux tests run against the linked library.
#include "checks.h"
#include "frame_cases.h"
#include "scenarios.h"

namespace ocel::testing {

namespace {

std::vector<std::string> single(const char* frame) { return {std::string(frame) + "\\r"}; }

}  // namespace

void runFrames(CameraControl& camera) {
  for (int model : {0, 1}) {
    camera.start(model);
    expectEq(lib::PortInitEx(1, model, OCEL400_PAL, 9600, 0), OCEL400_DONE, "PortInitEx");
    for (const FrameCase& c : kSetterFrameCases) {
      if (c.model != model) continue;
      camera.clearLog();
      expectEq(c.send(), OCEL400_DONE, c.call);
      expectEq(camera.receivedFrames(), single(c.frame), c.call);
    }
    expectEq(camera.malformedFrames(), 0, "malformed frames");
  }

  camera.start(1);
  lib::PortInitEx(1, 1, OCEL400_PAL, 9600, 0);
  for (const ReadRequestCase& c : kReadRequestCases) {
    camera.clearLog();
    expectEq(c.read(), c.value, c.call);
    expectEq(camera.receivedFrames(), single(c.frame), c.call);
  }
}

}  // namespace ocel::testing

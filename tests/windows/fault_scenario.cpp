// Every fault the camera can commit, against the DLL: no call blocks longer
// than 20 unanswered attempts allow, the result codes tell the truth, and a
// healthy camera is reached again at once.
#include "checks.h"
#include "fault_cases.h"
#include "lib_exports.h"
#include "scenarios.h"

namespace ocel::testing {

namespace {

std::string took(const std::string& call, std::chrono::milliseconds elapsed) {
  return call + " took " + std::to_string(elapsed.count()) + " ms";
}

void openModel1(CameraControl& camera) {
  camera.start(1);
  expectEq(lib::PortInitEx(1, 1, OCEL400_PAL, 9600, 0), OCEL400_DONE, "PortInitEx");
}

}  // namespace

void runFaults(CameraControl& camera) {
  for (const FaultCase& c : kFaultCases) {
    const std::string name =
        std::string(ocelsim::faultName(c.fault)) + ":" + std::to_string(c.percent) + " ";
    openModel1(camera);
    camera.setFault(c.fault, c.percent);

    std::uint16_t written = 0;
    auto elapsed = timed([&] { written = lib::SetShape(77); });
    expectTrue(elapsed < kAllowed, took(name + "SetShape", elapsed));
    expectEq(written, c.writeResult, name + "SetShape");
    if (written == OCEL400_DONE) expectEq(camera.reg(kShapeRegister), 77, name + "Shape register");

    std::uint8_t read = 0;
    elapsed = timed([&] { read = lib::GetShape(); });
    expectTrue(elapsed < kAllowed, took(name + "GetShape", elapsed));
    expectEq(lib::LastResult(), c.readResult, name + "GetShape's result");
    if (lib::LastResult() == OCEL400_DONE)
      expectEq(read, camera.reg(kShapeRegister), name + "GetShape");

    camera.setFault(Fault::None);
    expectEq(lib::SetYGamma(33), OCEL400_DONE, name + "then SetYGamma");
    expectEq(lib::GetCGamma(), camera.reg(16), name + "then GetCGamma");
    expectEq(lib::LastResult(), OCEL400_DONE, name + "then GetCGamma's result");
    expectEq(lib::GetYGamma(), 33, name + "then GetYGamma");
    expectEq(camera.malformedFrames(), 0, name + "malformed frames");
  }
}

void runRecovery(CameraControl& camera) {
  openModel1(camera);
  camera.setFault(Fault::Silence);
  camera.clearLog();
  expectEq(lib::GetShape(), 0, "GetShape of a silent camera");
  expectEq(camera.receivedFrames().size(), std::size_t{20}, "read attempts");
  camera.clearLog();
  expectEq(lib::SetShape(1), OCEL400_NOT_ACKNOWLEDGED, "SetShape to a silent camera");
  expectEq(camera.receivedFrames().size(), std::size_t{20}, "write attempts");

  // The late reply to GetShape's second attempt is left on the line; the next
  // read, of another register, must discard it rather than take it.
  openModel1(camera);
  camera.setFault(Fault::Late);
  lib::GetShape();
  camera.setFault(Fault::None);
  camera.setReg(15, 201);
  for (int i = 0; i < 2; ++i) {
    expectEq(lib::GetYGamma(), 201, "GetYGamma after a late reply");
    expectEq(lib::LastResult(), OCEL400_DONE, "GetYGamma's result");
  }
}

}  // namespace ocel::testing

// The frame, fault and recovery checks that the Linux tests and the Windows
// driver run alike, on the shared case tables. The includer defines
// OCEL400_CHECK_EQ(actual, expected, what) first: a gtest expectation on
// Linux, the driver's counted check on Windows. open(model) starts a camera
// of that model, opens COM1 to it (PAL, 9600 baud) and returns the camera.
#pragma once

#include <string>
#include <vector>

#include "fault_cases.h"
#include "frame_cases.h"
#include "timed.h"

namespace ocel::testing {

inline std::vector<std::string> onlyFrame(const char* frame) { return {std::string(frame) + "\r"}; }

inline std::string took(const std::string& call, std::chrono::milliseconds elapsed) {
  return call + " took " + std::to_string(elapsed.count()) + " ms";
}

// Every setter frame case on its model, then every read request.
template <typename Open>
void checkFrames(Open open) {
  for (int model : {0, 1}) {
    auto& camera = open(model);
    for (const FrameCase& c : kSetterFrameCases) {
      if (c.model != model) continue;
      camera.clearLog();
      OCEL400_CHECK_EQ(c.send(), OCEL400_DONE, c.call);
      OCEL400_CHECK_EQ(camera.receivedFrames(), onlyFrame(c.frame), c.call);
    }
    OCEL400_CHECK_EQ(camera.malformedFrames(), 0, "malformed frames");
  }
  auto& camera = open(1);
  for (const ReadRequestCase& c : kReadRequestCases) {
    camera.clearLog();
    OCEL400_CHECK_EQ(c.read(), c.value, c.call);
    OCEL400_CHECK_EQ(camera.receivedFrames(), onlyFrame(c.frame), c.call);
  }
}

// No call blocks longer than 20 unanswered attempts allow, the result codes
// tell the truth, and a healthy camera is reached again at once.
template <typename Open>
void checkFault(Open open, const FaultCase& c) {
  const std::string name =
      std::string(ocelsim::faultName(c.fault)) + ":" + std::to_string(c.percent) + " ";
  auto& camera = open(1);
  camera.setFault(c.fault, c.percent);

  std::uint16_t written = 0;
  auto elapsed = timed([&] { written = lib::SetShape(77); });
  OCEL400_CHECK_EQ(elapsed < kAllowed, true, took(name + "SetShape", elapsed));
  OCEL400_CHECK_EQ(written, c.writeResult, name + "SetShape");
  if (written == OCEL400_DONE) {
    OCEL400_CHECK_EQ(camera.reg(kShapeRegister), 77, name + "Shape");
  }

  std::uint8_t read = 0;
  elapsed = timed([&] { read = lib::GetShape(); });
  OCEL400_CHECK_EQ(elapsed < kAllowed, true, took(name + "GetShape", elapsed));
  OCEL400_CHECK_EQ(lib::LastResult(), c.readResult, name + "GetShape's result");
  if (lib::LastResult() == OCEL400_DONE) {
    OCEL400_CHECK_EQ(read, camera.reg(kShapeRegister), name + "GetShape");
  }

  camera.setFault(Fault::None, 100);
  OCEL400_CHECK_EQ(lib::SetYGamma(33), OCEL400_DONE, name + "then SetYGamma");
  OCEL400_CHECK_EQ(lib::GetCGamma(), camera.reg(16), name + "then GetCGamma");
  OCEL400_CHECK_EQ(lib::LastResult(), OCEL400_DONE, name + "then GetCGamma's result");
  OCEL400_CHECK_EQ(lib::GetYGamma(), 33, name + "then GetYGamma");
  OCEL400_CHECK_EQ(camera.malformedFrames(), 0, name + "malformed frames");
}

// A silent camera costs 20 attempts and reads 0; a late reply left on the
// line is discarded by the next read, of another register, not taken.
template <typename Open>
void checkRecovery(Open open) {
  auto& silent = open(1);
  silent.setFault(Fault::Silence, 100);
  silent.clearLog();
  OCEL400_CHECK_EQ(lib::GetShape(), 0, "GetShape of a silent camera");
  OCEL400_CHECK_EQ(silent.receivedFrames().size(), 20u, "read attempts");
  silent.clearLog();
  OCEL400_CHECK_EQ(lib::SetShape(1), OCEL400_NOT_ACKNOWLEDGED, "SetShape to a silent camera");
  OCEL400_CHECK_EQ(silent.receivedFrames().size(), 20u, "write attempts");

  auto& late = open(1);
  late.setFault(Fault::Late, 100);
  lib::GetShape();  // the late reply to its second attempt stays on the line
  late.setFault(Fault::None, 100);
  late.setReg(15, 201);
  for (int i = 0; i < 2; ++i) {
    OCEL400_CHECK_EQ(lib::GetYGamma(), 201, "GetYGamma after a late reply");
    OCEL400_CHECK_EQ(lib::LastResult(), OCEL400_DONE, "GetYGamma's result");
  }
}

}  // namespace ocel::testing

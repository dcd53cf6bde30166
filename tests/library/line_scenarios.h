// The line checks the Linux tests and the Windows driver share. The includer
// defines OCEL400_CHECK_EQ(actual, expected, what) first: a gtest expectation
// on Linux, the driver's counted check on Windows.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "Ocel400.h"
#include "lib_exports.h"
#include "ocel400sim/fault.h"
#include "timing.h"

namespace ocel::testing {

// SelectArea(mask, row) of a model 0 camera, without the closing CR.
struct AreaFrameCase {
  int mask, row;
  const char* frame;
};

inline constexpr AreaFrameCase kAreaFrameCases[] = {{1, 2, "000000W026016"},
                                                    {31, 1, "000000W025031"},
                                                    {0, 5, "000000W029000"},
                                                    {16, 3, "000000W027001"},
                                                    {33, 0, "000000W024016"}};

// The time bound of a silent camera: 20 x (14 characters at 9600 baud + the
// 140 ms read window) + the pause, with room for a loaded machine.
inline constexpr std::chrono::milliseconds kSilentBound{3122};
inline constexpr auto kAllowed = kSilentBound + std::chrono::milliseconds(600);

inline constexpr int kShapeRegister = 14;  // model 1

using ocelsim::Fault;

// Every fault the simulated camera can commit, with what the library reports.
struct FaultCase {
  Fault fault;
  int percent;
  std::uint16_t writeResult;  // what SetShape must return
  std::uint16_t readResult;   // what LastResult must say after GetShape
};

inline constexpr FaultCase kFaultCases[] = {
    {Fault::Silence, 100, OCEL400_NOT_ACKNOWLEDGED, OCEL400_NOT_ACKNOWLEDGED},
    {Fault::NoAck, 100, OCEL400_NOT_ACKNOWLEDGED, OCEL400_NOT_ACKNOWLEDGED},
    {Fault::Garbage, 100, OCEL400_NOT_ACKNOWLEDGED, OCEL400_NOT_ACKNOWLEDGED},
    {Fault::NoCr, 100, OCEL400_NOT_ACKNOWLEDGED, OCEL400_NOT_ACKNOWLEDGED},
    // A late reply lands in the next attempt's window, answering the same frame.
    {Fault::Late, 100, OCEL400_DONE, OCEL400_DONE},
    {Fault::Fragment, 100, OCEL400_DONE, OCEL400_DONE},
    // Writes do not examine bytes 8-9; reads refuse another register.
    {Fault::WrongRegister, 100, OCEL400_DONE, OCEL400_NOT_ACKNOWLEDGED},
    {Fault::Silence, 50, OCEL400_DONE, OCEL400_DONE},
    {Fault::Garbage, 95, OCEL400_DONE, OCEL400_DONE},
};

inline std::vector<std::string> onlyFrame(const char* frame) { return {std::string(frame) + "\r"}; }

inline std::string took(const std::string& call, Milliseconds elapsed) {
  return call + " took " + std::to_string(static_cast<long>(elapsed.count())) + " ms";
}

template <typename Open>
void checkFrames(Open open) {
  auto& area = open(0);
  for (const AreaFrameCase& c : kAreaFrameCases) {
    const std::string call =
        "SelectArea(" + std::to_string(c.mask) + ", " + std::to_string(c.row) + ")";
    area.clearLog();
    OCEL400_CHECK_EQ(lib::SelectArea(c.mask, static_cast<std::uint8_t>(c.row)), OCEL400_DONE, call);
    OCEL400_CHECK_EQ(area.receivedFrames(), onlyFrame(c.frame), call);
  }
  OCEL400_CHECK_EQ(area.malformedFrames(), 0, "malformed frames");
}

// Bounded by 20 unanswered attempts, truthful, and healthy again at once.
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

// A late reply left on the line is discarded by the next read, not taken.
template <typename Open>
void checkRecovery(Open open) {
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

// PortInit alone keeps the port's speed; PortInitEx's settings reach the port
// (model 0 always 9600 baud); the open port reopens; a camera that goes fails
// the write at once. start(model, baud) starts a camera without opening;
// leavePortAt4800() sets COM1 as another program might; stop() unplugs it.
template <typename Start, typename Leave, typename Stop>
void checkPort(Start start, Leave leavePortAt4800, Stop stop) {
  auto& first = start(1, 9600);
  OCEL400_CHECK_EQ(leavePortAt4800(), true, "COM1 left at 4800 baud");
  OCEL400_CHECK_EQ(lib::PortInit(1), OCEL400_DONE, "PortInit before PortInitEx");
  OCEL400_CHECK_EQ(lib::SetShape(9), OCEL400_NOT_ACKNOWLEDGED, "SetShape at the port's speed");
  OCEL400_CHECK_EQ(first.lastPcBaud(), 4800, "PC speed without a stored baud rate");
  OCEL400_CHECK_EQ(first.reg(0), 0, "register 0 written at another speed");  // no map yet

  const struct {
    int model, baud, parity, cameraBaud;
    const char* frame;
  } cases[] = {{1, 4800, 1, 4800, "000000W014005"},
               {1, 2400, 2, 2400, "000000W014005"},
               {0, 2400, 2, 9600, "000000W017005"}};
  for (const auto& c : cases) {
    const std::string name = "model " + std::to_string(c.model) + " at " + std::to_string(c.baud);
    auto& camera = start(c.model, c.cameraBaud);
    OCEL400_CHECK_EQ(lib::PortInitEx(1, c.model, OCEL400_PAL, c.baud, c.parity), OCEL400_DONE,
                     name);
    OCEL400_CHECK_EQ(lib::SetShape(5), OCEL400_DONE, name + " SetShape");
    OCEL400_CHECK_EQ(camera.lastPcBaud(), c.cameraBaud, name + " PC speed");
    OCEL400_CHECK_EQ(camera.receivedFrames(), onlyFrame(c.frame), name + " frame");
  }

  start(1, 9600);
  OCEL400_CHECK_EQ(lib::PortInitEx(1, 1, OCEL400_PAL, 9600, 0), OCEL400_DONE, "PortInitEx");
  OCEL400_CHECK_EQ(lib::PortInit(1), OCEL400_DONE, "PortInit of the open port");
  OCEL400_CHECK_EQ(lib::PortInitEx(1, 1, OCEL400_PAL, 9600, 0), OCEL400_DONE, "PortInitEx again");
  OCEL400_CHECK_EQ(lib::GetShape(), 128, "GetShape after reopening");
  OCEL400_CHECK_EQ(lib::LastResult(), OCEL400_DONE, "GetShape's result after reopening");

  stop();
  std::uint16_t result = 0;
  const auto elapsed = timed([&] { result = lib::SetShape(5); });
  OCEL400_CHECK_EQ(result, OCEL400_WRITE_FAILED, "SetShape to a vanished camera");
  OCEL400_CHECK_EQ(elapsed.count() < 1000, true, took("SetShape to a vanished camera", elapsed));
}

}  // namespace ocel::testing

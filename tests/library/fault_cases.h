// Every fault the simulated camera can commit, with what the library must
// report: the cases the Linux tests and the Windows driver share.
#pragma once

#include <chrono>
#include <cstdint>

#include "Ocel400.h"
#include "ocel400sim/fault.h"

namespace ocel::testing {

// 20 x (14 characters at 9600 baud + the 140 ms read window) + the pause,
// with room for a loaded machine.
inline constexpr std::chrono::milliseconds kSilentBound{3122};
inline constexpr auto kAllowed = kSilentBound + std::chrono::milliseconds(600);

inline constexpr int kShapeRegister = 14;  // model 1

using ocelsim::Fault;

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
    // A late reply lands in the next attempt's window; it answers the same
    // frame, so it counts.
    {Fault::Late, 100, OCEL400_DONE, OCEL400_DONE},
    {Fault::Fragment, 100, OCEL400_DONE, OCEL400_DONE},
    // Writes do not examine bytes 8-9; reads refuse another register.
    {Fault::WrongRegister, 100, OCEL400_DONE, OCEL400_NOT_ACKNOWLEDGED},
    {Fault::Silence, 50, OCEL400_DONE, OCEL400_DONE},
    {Fault::Garbage, 95, OCEL400_DONE, OCEL400_DONE},
};

}  // namespace ocel::testing

// Faults the camera can be told to commit, and the deterministic pattern that
// picks the affected frames.
#pragma once

#include <optional>
#include <string_view>

namespace ocelsim {

enum class Fault { None, Silence, NoAck, Garbage, NoCr, Late, Fragment, WrongRegister };

// "none", "silence", "noack", "garbage", "nocr", "late", "fragment", "wrongreg".
std::optional<Fault> parseFault(std::string_view name);
std::string_view faultName(Fault fault);

// Whether the camera still carries out a frame it answers with this fault.
bool faultAppliesFrame(Fault fault);

// Frame n (1, 2, ...) is hit when floor(n*p/100) != floor((n-1)*p/100):
// spreads p hits evenly over every 100 frames without any randomness.
bool frameHit(long frameNumber, int percent);

// Counts the frames that reach fault selection and tells which are hit.
class FaultSchedule {
 public:
  FaultSchedule(Fault fault = Fault::None, int percent = 100);

  // Changes the fault and starts counting frames from 1 again.
  void set(Fault fault, int percent);

  // Counts one more frame; the fault it suffers, or Fault::None.
  Fault next();

  Fault fault() const { return fault_; }
  int percent() const { return percent_; }

 private:
  Fault fault_;
  int percent_;
  long frames_ = 0;
};

}  // namespace ocelsim

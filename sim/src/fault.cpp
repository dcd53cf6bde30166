#include "ocel400sim/fault.h"

#include <algorithm>

namespace ocelsim {
namespace {

struct FaultName {
  Fault fault;
  std::string_view name;
};
constexpr FaultName kFaultNames[] = {
    {Fault::None, "none"},         {Fault::Silence, "silence"},
    {Fault::NoAck, "noack"},       {Fault::Garbage, "garbage"},
    {Fault::NoCr, "nocr"},         {Fault::Late, "late"},
    {Fault::Fragment, "fragment"}, {Fault::WrongRegister, "wrongreg"},
};

}  // namespace

std::optional<Fault> parseFault(std::string_view name) {
  for (const FaultName& entry : kFaultNames)
    if (entry.name == name) return entry.fault;
  return std::nullopt;
}

std::string_view faultName(Fault fault) {
  for (const FaultName& entry : kFaultNames)
    if (entry.fault == fault) return entry.name;
  return "none";
}

bool faultAppliesFrame(Fault fault) {
  return fault != Fault::Silence && fault != Fault::NoAck && fault != Fault::Garbage;
}

bool frameHit(long frameNumber, int percent) {
  return frameNumber * percent / 100 != (frameNumber - 1) * percent / 100;
}

FaultSchedule::FaultSchedule(Fault fault, int percent) { set(fault, percent); }

void FaultSchedule::set(Fault fault, int percent) {
  fault_ = fault;
  percent_ = std::clamp(percent, 0, 100);
  frames_ = 0;
}

Fault FaultSchedule::next() {
  ++frames_;
  if (fault_ == Fault::None || !frameHit(frames_, percent_)) return Fault::None;
  return fault_;
}

}  // namespace ocelsim

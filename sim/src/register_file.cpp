#include "ocel400sim/register_file.h"

#include <algorithm>
#include <stdexcept>

namespace ocelsim {
namespace {

void checkRegister(int reg) {
  if (reg < 0 || reg >= kRegisterCount) throw std::out_of_range("register number out of range");
}

void checkValue(int value) {
  if (value < 0 || value > kMaxRegisterValue)
    throw std::out_of_range("register value out of range");
}

constexpr int kUsflgKeepUserSettings = 1;
constexpr int kUsflgRestoreFactory = 255;

}  // namespace

RegisterFile::RegisterFile(int model, double zoomCodesPerSecond, TimePoint now)
    : model_(model),
      roles_(registerRoles(model)),
      zoomCodesPerSecond_(zoomCodesPerSecond),
      registers_(factoryRegisters(model)),
      userSet_(registers_),
      latest_(now),
      zoomAnchorTime_(now) {
  anchorZoom(now, true);
}

int RegisterFile::read(int reg, TimePoint now) {
  checkRegister(reg);
  settleZoom(advanceTo(now));
  return registers_[reg];
}

void RegisterFile::store(int reg, int value, TimePoint now) {
  checkRegister(reg);
  checkValue(value);
  now = advanceTo(now);
  settleZoom(now);
  registers_[reg] = value;
  if (reg == roles_.ezSwBtn || reg == roles_.dZoom) anchorZoom(now, reg == roles_.dZoom);
}

void RegisterFile::write(int reg, int value, TimePoint now) {
  if (reg == roles_.usflg && value == kUsflgKeepUserSettings) {
    settleZoom(advanceTo(now));
    userSet_ = registers_;
    registers_[reg] = value;
    return;
  }
  if (reg == roles_.usflg && value == kUsflgRestoreFactory) {
    restoreFactory(advanceTo(now));
    return;
  }
  store(reg, value, now);
}

TimePoint RegisterFile::advanceTo(TimePoint now) {
  latest_ = std::max(latest_, now);
  return latest_;
}

void RegisterFile::settleZoom(TimePoint now) {
  if (roles_.dZoom < 0) return;
  registers_[roles_.dZoom] = zoomPositionAfter(zoomAnchorPosition_, zoomDirection_,
                                               zoomCodesPerSecond_, now - zoomAnchorTime_);
}

// Motion restarts from the present position only when it changes course or
// the position was set; re-anchoring on every frame would lose part-codes.
void RegisterFile::anchorZoom(TimePoint now, bool positionChanged) {
  if (roles_.ezSwBtn < 0) return;
  const ZoomDirection direction = zoomDirection(registers_[roles_.ezSwBtn]);
  if (!positionChanged && direction == zoomDirection_) return;
  zoomDirection_ = direction;
  zoomAnchorTime_ = now;
  zoomAnchorPosition_ = registers_[roles_.dZoom];
}

void RegisterFile::restoreFactory(TimePoint now) {
  settleZoom(now);
  registers_ = factoryRegisters(model_);
  anchorZoom(now, true);
}

}  // namespace ocelsim

// The camera's 256 registers with the behaviour of the user-settings flag and
// the keypad zoom. Zoom motion is worked out lazily from the time each call
// passes in; time that runs backwards is taken as standing still.
#pragma once

#include "ocel400sim/clock.h"
#include "ocel400sim/register_map.h"
#include "ocel400sim/zoom_motion.h"

namespace ocelsim {

class RegisterFile {
 public:
  RegisterFile(int model, double zoomCodesPerSecond, TimePoint now);

  // Register numbers 0..255 and values 0..999; others throw std::out_of_range.
  int read(int reg, TimePoint now);
  // Stores the value as is (the test back door).
  void store(int reg, int value, TimePoint now);
  // A write frame: the user-settings flag keeps (1) or restores (255) settings.
  void write(int reg, int value, TimePoint now);

  // The value as last stored, without moving the zoom on; for registers that
  // never change by themselves.
  int stored(int reg) const { return registers_.at(reg); }

  const Registers& userSet() const { return userSet_; }
  int model() const { return model_; }

 private:
  TimePoint advanceTo(TimePoint now);
  void settleZoom(TimePoint now);
  void anchorZoom(TimePoint now, bool positionChanged);
  void restoreFactory(TimePoint now);

  int model_;
  RegisterRoles roles_;
  double zoomCodesPerSecond_;
  Registers registers_;
  Registers userSet_;
  TimePoint latest_;
  TimePoint zoomAnchorTime_;
  int zoomAnchorPosition_ = 0;
  ZoomDirection zoomDirection_ = ZoomDirection::Stop;
};

}  // namespace ocelsim

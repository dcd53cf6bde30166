// The camera's protocol behaviour, free of any I/O: a frame and the moment it
// arrived go in, the reply pieces and trace events come out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ocel400sim/clock.h"
#include "ocel400sim/fault.h"
#include "ocel400sim/line_settings.h"
#include "ocel400sim/options.h"
#include "ocel400sim/register_file.h"
#include "ocel400sim/reply_shaping.h"

namespace ocelsim {

struct Exchange {
  std::vector<ReplyChunk> reply;    // empty: the camera stays silent
  LineSettings replyLine;           // the settings the reply goes out with
  std::vector<std::string> events;  // one trace line each
};

class Camera {
 public:
  // Throws std::runtime_error for options that make no sense.
  Camera(const Options& options, TimePoint now);

  // One complete 14-byte frame that reached the camera while the PC's port
  // ran at `pcBaud`.
  Exchange receive(std::string_view frame, int pcBaud, TimePoint now);

  // A piece of input that never formed a frame.
  void countMalformedFragment() { ++malformedFrames_; }

  int reg(int reg, TimePoint now) { return registers_.read(reg, now); }
  void setReg(int reg, int value, TimePoint now);
  const Registers& userSet() const { return registers_.userSet(); }

  void setFault(Fault fault, int percent) { faults_.set(fault, percent); }

  const LineSettings& line() const { return line_; }
  int lastPcBaud() const { return lastPcBaud_; }
  int malformedFrames() const { return malformedFrames_; }
  int mismatchedFrames() const { return mismatchedFrames_; }
  const std::vector<std::string>& receivedFrames() const { return receivedFrames_; }
  void clearLog() { receivedFrames_.clear(); }

 private:
  std::string carryOut(const Request& request, std::string_view frame, bool apply, TimePoint now);
  void followLineRegisters(std::vector<std::string>& events);

  int model_;
  RegisterFile registers_;
  FaultSchedule faults_;
  Nanoseconds lateBy_;
  LineSettings line_;
  std::uint32_t noiseCounter_ = 0;
  int lastPcBaud_ = 0;
  int malformedFrames_ = 0;
  int mismatchedFrames_ = 0;
  std::vector<std::string> receivedFrames_;
};

}  // namespace ocelsim

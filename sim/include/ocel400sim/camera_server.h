// The camera on a pty: one thread polls the master, a wake-up eventfd and
// the port's close notices, with a timeout that runs to the next moment
// something is due on the line.
// Everything shared with other threads sits behind one mutex.
#pragma once

#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "ocel400sim/camera.h"
#include "ocel400sim/clock.h"
#include "ocel400sim/frame_assembler.h"
#include "ocel400sim/input_line.h"
#include "ocel400sim/options.h"
#include "ocel400sim/port_recovery.h"
#include "ocel400sim/pty.h"
#include "ocel400sim/trace.h"

namespace ocelsim {

class CameraServer {
 public:
  // Opens the pty and the link; throws std::runtime_error on failure.
  explicit CameraServer(const Options& options);
  ~CameraServer();
  CameraServer(const CameraServer&) = delete;
  CameraServer& operator=(const CameraServer&) = delete;

  const std::string& slavePath() const { return pty_.slavePath(); }
  const Options& options() const { return options_; }

  // Serves the line until requestStop(), or until `stopFd` (when >= 0)
  // becomes readable, e.g. a signalfd. Call from one thread at a time.
  void run(int stopFd = -1);
  // Any thread, also a signal handler: makes run() return.
  void requestStop();

  int reg(int reg) const;
  void setReg(int reg, int value);
  Registers userSet() const;
  std::vector<std::string> receivedFrames() const;
  void clearLog();
  void setFault(Fault fault, int percent);
  int lastPcBaud() const;
  int cameraBaud() const;
  LineSettings cameraLine() const;
  int malformedFrames() const;
  int mismatchedFrames() const;

 private:
  struct Arrival {
    StreamEvent input;
    TimePoint at;  // when its last byte is complete on the camera's line
  };

  void takeInput(TimePoint readAt);
  void queueBytes(TimePoint readAt, const char* bytes, std::size_t count);
  void deliverArrivals(TimePoint now);
  void deliverFrame(const Arrival& arrival);
  void sendDueOutput(TimePoint now);
  void writeToPc(const std::string& bytes);
  std::optional<TimePoint> nextDeadline() const;

  const TimePoint start_;
  const Options options_;
  mutable std::mutex mutex_;
  mutable Camera camera_;  // guarded by mutex_; reading moves the zoom on
  Pty pty_;
  PortRecovery recovery_;
  SlaveLink link_;
  int wakeFd_ = -1;
  Trace trace_;

  // Owned by the thread in run().
  FrameAssembler assembler_;
  InputLine inputLine_;
  std::deque<Arrival> arrivals_;
  std::multimap<TimePoint, std::string> outputs_;
  std::optional<TimePoint> masterRestingUntil_;
  std::optional<TimePoint> lockCheckAt_;  // after a client closed the port
};

}  // namespace ocelsim

// A simulated camera serving its pty on a thread of its own, for tests.
#pragma once

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ocel400sim/camera_server.h"
#include "ocel400sim/options.h"

namespace ocelsim {

class PtyCamera {
 public:
  // Opens the pty and starts the loop thread; throws std::runtime_error.
  explicit PtyCamera(Options options);
  // Stops the thread, closes the fds, removes the link.
  ~PtyCamera();
  PtyCamera(const PtyCamera&) = delete;
  PtyCamera& operator=(const PtyCamera&) = delete;

  const std::string& slavePath() const { return server_->slavePath(); }

  // All thread-safe; register reads apply pending zoom motion.
  int reg(int reg) const { return server_->reg(reg); }
  void setReg(int reg, int value) { server_->setReg(reg, value); }
  Registers userSet() const { return server_->userSet(); }
  // Every complete 14-byte frame received at the right speed, raw, in order.
  std::vector<std::string> receivedFrames() const { return server_->receivedFrames(); }
  void clearLog() { server_->clearLog(); }
  // Also starts counting frames for the percentage pattern from 1 again.
  void setFault(Fault fault, int percent = 100) { server_->setFault(fault, percent); }
  int lastPcBaud() const { return server_->lastPcBaud(); }  // 0 until a frame arrived
  int cameraBaud() const { return server_->cameraBaud(); }
  LineSettings cameraLine() const { return server_->cameraLine(); }
  int malformedFrames() const { return server_->malformedFrames(); }
  int mismatchedFrames() const { return server_->mismatchedFrames(); }

 private:
  std::unique_ptr<CameraServer> server_;
  std::thread loop_;
};

}  // namespace ocelsim

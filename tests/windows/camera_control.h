// The simulated camera behind COM1, steered through ocel400-camera-host
// (sim/app/camera_host.cpp): requests go out on stdout, replies come
// back on stdin. Named after the simulator's own test interface.
#pragma once

#include <string>
#include <vector>

#include "ocel400sim/fault.h"

namespace ocel::testing {

class CameraControl {
 public:
  // A new camera of the model, answering at once, at the given speed. The
  // library has to open the port again to reach it.
  void start(int model, int baud = 9600);
  void stop();
  void setFault(ocelsim::Fault fault, int percent = 100);
  void clearLog();
  // The frames received since clearLog().
  std::vector<std::string> receivedFrames();
  int reg(int reg);
  void setReg(int reg, int value);
  int malformedFrames();
  int lastPcBaud();

 private:
  // Sends a request and returns the first reply line. A host that cannot
  // serve it ends the driver: nothing after it could be trusted.
  std::string request(const std::string& line);
  std::string replyLine();
};

}  // namespace ocel::testing

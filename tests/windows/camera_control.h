// The simulated camera behind COM1, steered through ocel400-camera-host
// (sim/app/camera_host.cpp): requests on stdout, replies on stdin.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ocel400sim/fault.h"

namespace ocel::testing {

class CameraControl {
 public:
  void start(int model, int baud = 9600) {
    request("start " + std::to_string(model) + " " + std::to_string(baud));
  }
  void stop() { request("stop"); }
  void setFault(ocelsim::Fault fault, int percent = 100) {
    request("fault " + std::string(ocelsim::faultName(fault)) + " " + std::to_string(percent));
  }
  void clearLog() { request("clear"); }
  std::vector<std::string> receivedFrames() {
    const int count = std::atoi(request("frames").c_str());
    std::vector<std::string> frames;
    for (int i = 0; i < count; ++i) {
      std::string frame = replyLine();
      if (frame.ends_with("\\r")) {  // the host writes the closing CR as \r
        frame.resize(frame.size() - 2);
        frame.push_back('\r');
      }
      frames.push_back(frame);
    }
    return frames;
  }
  int reg(int reg) { return std::atoi(request("reg " + std::to_string(reg)).c_str()); }
  void setReg(int reg, int value) {
    request("setreg " + std::to_string(reg) + " " + std::to_string(value));
  }
  int malformedFrames() { return std::atoi(request("malformed").c_str()); }
  int lastPcBaud() { return std::atoi(request("pcbaud").c_str()); }

 private:
  // The first reply line; a host that cannot serve a request ends the driver.
  std::string request(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    std::string reply = replyLine();
    if (reply.starts_with("error")) hostFailed(line + ": " + reply);
    return reply;
  }
  std::string replyLine() {
    char line[256];
    if (std::fgets(line, sizeof line, stdin) == nullptr)
      hostFailed("no reply (run me through ocel400-camera-host)");
    std::string reply(line);
    while (!reply.empty() && (reply.back() == '\n' || reply.back() == '\r')) reply.pop_back();
    return reply;
  }
  [[noreturn]] static void hostFailed(const std::string& what) {
    std::fprintf(stderr, "camera host: %s\n", what.c_str());
    std::exit(2);
  }
};

}  // namespace ocel::testing

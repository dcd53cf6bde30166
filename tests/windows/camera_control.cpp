#include "camera_control.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace ocel::testing {

namespace {

[[noreturn]] void hostFailed(const std::string& what) {
  std::fprintf(stderr, "camera host: %s\n", what.c_str());
  std::exit(2);
}

}  // namespace

std::string CameraControl::replyLine() {
  char line[256];
  if (std::fgets(line, sizeof line, stdin) == nullptr) hostFailed("no reply (run me through ocel400-camera-host)");
  std::string reply(line);
  while (!reply.empty() && (reply.back() == '\n' || reply.back() == '\r')) reply.pop_back();
  return reply;
}

std::string CameraControl::request(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
  std::string reply = replyLine();
  if (reply.starts_with("error")) hostFailed(line + ": " + reply);
  return reply;
}

void CameraControl::start(int model, int baud) {
  request("start " + std::to_string(model) + " " + std::to_string(baud));
}

void CameraControl::stop() { request("stop"); }

void CameraControl::setFault(ocelsim::Fault fault, int percent) {
  request("fault " + std::string(ocelsim::faultName(fault)) + " " + std::to_string(percent));
}

void CameraControl::clearLog() { request("clear"); }

std::vector<std::string> CameraControl::receivedFrames() {
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

int CameraControl::reg(int reg) { return std::atoi(request("reg " + std::to_string(reg)).c_str()); }

void CameraControl::setReg(int reg, int value) {
  request("setreg " + std::to_string(reg) + " " + std::to_string(value));
}

int CameraControl::malformedFrames() { return std::atoi(request("malformed").c_str()); }

int CameraControl::lastPcBaud() { return std::atoi(request("pcbaud").c_str()); }

}  // namespace ocel::testing

// A serial line that plays back scripted replies and logs every call on it.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "serial/serial_line.h"

namespace ocel::testing {

class FakeLine final : public serial::SerialLine {
 public:
  // One reply per attempt; an empty string is a camera that stays silent.
  std::deque<std::string> replies;
  // The write with this number (1 = first) is refused by the port.
  int failingWrite = 0;
  // discard, rts+, rts-, write:<bytes>, read:<count>, pause:<ms>.
  std::vector<std::string> log;
  // Byte times reads would wait on a real line: a short read waits its whole window.
  std::size_t byteTimesWaited = 0;

  void discardInput() override { log.push_back("discard"); }
  void setRts(bool raised) override { log.push_back(raised ? "rts+" : "rts-"); }
  bool writeAll(const std::uint8_t* data, std::size_t size) override {
    ++writes_;
    if (writes_ == failingWrite) {
      log.push_back("write-refused");
      return false;
    }
    log.push_back("write:" + std::string(data, data + size));
    return true;
  }
  std::size_t read(std::uint8_t* buffer, std::size_t size) override {
    std::string reply;
    if (!replies.empty()) {
      reply = replies.front();
      replies.pop_front();
    }
    const std::size_t n = std::min(size, reply.size());
    std::copy_n(reply.begin(), n, buffer);
    if (n < size) byteTimesWaited += size;
    log.push_back("read:" + std::to_string(n));
    return n;
  }
  void pause(std::chrono::milliseconds duration) override {
    log.push_back("pause:" + std::to_string(duration.count()));
  }

  int count(const std::string& prefix) const {
    int n = 0;
    for (const std::string& entry : log) n += entry.rfind(prefix, 0) == 0;
    return n;
  }

 private:
  int writes_ = 0;
};

}  // namespace ocel::testing

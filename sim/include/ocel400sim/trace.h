// The trace: one line per frame in, frame out or event, stamped with the
// seconds since the camera started, e.g.
//    1.234567  PC>CAM  000000W014128\r
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "ocel400sim/clock.h"

namespace ocelsim {

// Printable ASCII as is, CR as \r, any other byte as \xNN.
std::string escapeBytes(std::string_view bytes);

std::string traceLine(double seconds, std::string_view tag, std::string_view text);

class Trace {
 public:
  Trace(bool enabled, TimePoint start, std::FILE* out = stderr);

  void frameIn(TimePoint at, std::string_view bytes) const;
  void frameOut(TimePoint at, std::string_view bytes) const;
  void event(TimePoint at, std::string_view text) const;

 private:
  void write(TimePoint at, std::string_view tag, std::string_view text) const;

  bool enabled_;
  TimePoint start_;
  std::FILE* out_;
};

}  // namespace ocelsim

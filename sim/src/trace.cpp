#include "ocel400sim/trace.h"

#include <cstdio>

namespace ocelsim {

std::string escapeBytes(std::string_view bytes) {
  std::string text;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\r') {
      text += "\\r";
    } else if (byte >= 0x20 && byte < 0x7F) {
      text += c;
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      text += hex;
    }
  }
  return text;
}

std::string traceLine(double seconds, std::string_view tag, std::string_view text) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%11.6f", seconds);
  return std::string(stamp) + "  " + std::string(tag) + "  " + std::string(text) + "\n";
}

Trace::Trace(bool enabled, TimePoint start, std::FILE* out)
    : enabled_(enabled), start_(start), out_(out) {}

void Trace::frameIn(TimePoint at, std::string_view bytes) const {
  write(at, "PC>CAM", escapeBytes(bytes));
}

void Trace::frameOut(TimePoint at, std::string_view bytes) const {
  write(at, "CAM>PC", escapeBytes(bytes));
}

void Trace::event(TimePoint at, std::string_view text) const { write(at, "EVENT ", text); }

void Trace::write(TimePoint at, std::string_view tag, std::string_view text) const {
  if (!enabled_) return;
  const double seconds = std::chrono::duration<double>(at - start_).count();
  const std::string line = traceLine(seconds, tag, text);
  std::fwrite(line.data(), 1, line.size(), out_);
  std::fflush(out_);
}

}  // namespace ocelsim

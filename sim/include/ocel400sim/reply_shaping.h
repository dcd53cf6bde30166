// How a fault bends a correct reply, and when each piece of a reply is
// complete on the line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ocel400sim/clock.h"
#include "ocel400sim/fault.h"
#include "ocel400sim/frame_codec.h"
#include "ocel400sim/line_settings.h"

namespace ocelsim {

// A piece of a reply: it starts after the previous piece plus `holdBack`.
struct ReplyChunk {
  Nanoseconds holdBack;
  std::string bytes;

  bool operator==(const ReplyChunk&) const = default;
};

// 14 bytes that cannot be taken for a reply: every byte has its top bit set,
// so none is '0', 'C' or CR. The counter picks the pattern.
std::string lineNoise(std::uint32_t counter);

// The pieces that go out for `reply`, the correct reply to `request`.
// An empty result is silence.
std::vector<ReplyChunk> shapeReply(Fault fault, const Request& request, const std::string& reply,
                                   Nanoseconds lateBy, std::uint32_t noiseCounter);

struct TimedOutput {
  TimePoint due;  // when the last byte of the piece would have arrived
  std::string bytes;
};

// Due times of the pieces of a reply to a request complete at `frameComplete`.
// Unpaced, the pieces take no line time; hold-backs still count.
std::vector<TimedOutput> scheduleReply(TimePoint frameComplete,
                                       const std::vector<ReplyChunk>& chunks,
                                       const LineSettings& line, bool paced);

}  // namespace ocelsim

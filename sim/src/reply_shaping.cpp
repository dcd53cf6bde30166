#include "ocel400sim/reply_shaping.h"

#include "ocel400sim/register_map.h"

namespace ocelsim {

std::string lineNoise(std::uint32_t counter) {
  std::uint32_t state = counter * 0x9E3779B9u + 0x7F4A7C15u;
  std::string noise(kFrameLength, '\0');
  for (char& byte : noise) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<char>(0x80u | ((state >> 16) & 0x7Fu));
  }
  return noise;
}

std::vector<ReplyChunk> shapeReply(Fault fault, const Request& request, const std::string& reply,
                                   Nanoseconds lateBy, std::uint32_t noiseCounter) {
  constexpr Nanoseconds now{0};
  switch (fault) {
    case Fault::Silence: return {};
    case Fault::NoAck: {
      std::string refused = reply;
      refused[6] = kNotAcknowledged;
      return {{now, refused}};
    }
    case Fault::Garbage: return {{now, lineNoise(noiseCounter)}};
    case Fault::NoCr: return {{now, reply.substr(0, kFrameLength - 1)}};
    case Fault::Late: return {{lateBy, reply}};
    case Fault::Fragment: return {{now, reply.substr(0, 7)}, {lateBy, reply.substr(7)}};
    case Fault::WrongRegister: {
      std::string misaddressed = reply;
      misaddressed.replace(8, 2,
                           registerBytes(request.command, (request.reg + 1) % kRegisterCount));
      return {{now, misaddressed}};
    }
    case Fault::None: break;
  }
  return {{now, reply}};
}

std::vector<TimedOutput> scheduleReply(TimePoint frameComplete,
                                       const std::vector<ReplyChunk>& chunks,
                                       const LineSettings& line, bool paced) {
  std::vector<TimedOutput> outputs;
  TimePoint cursor = frameComplete;
  for (const ReplyChunk& chunk : chunks) {
    cursor += chunk.holdBack;
    if (paced) cursor += line.transmitTime(chunk.bytes.size());
    outputs.push_back({cursor, chunk.bytes});
  }
  return outputs;
}

}  // namespace ocelsim

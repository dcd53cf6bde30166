#include "exchange.h"

#include <algorithm>

namespace ocel {

namespace {

// A camera that answers after the read window has a reply on its way while
// the exchange moves on; the frames cannot tell it from the reply to a newer
// request, so it must not reach the next exchange. An exchange in which an
// attempt came back short therefore leaves the line only once it has been
// quiet for longer than one attempt (140 ms window + frame), so that a
// chain of late replies is read away whole. The time is counted in byte
// times of the read window (10 ms); the 30 ms pause and the next
// exchange's flush follow, 200 ms in all.
constexpr std::size_t kQuietByteTimes = 17;
constexpr std::size_t kDrainChunk = 4;
// A line that never falls quiet (noise) holds the exchange at most this long.
constexpr std::size_t kDrainLimitByteTimes = 60;

// quietAlready: byte times the line is known to have been quiet; a silent
// attempt's whole window counts, so a silent camera waits 30 ms more.
void letLateRepliesPass(serial::SerialLine& line, std::size_t quietAlready) {
  std::uint8_t sink[kDrainChunk];
  std::size_t quiet = quietAlready;
  for (std::size_t spent = 0; quiet < kQuietByteTimes && spent < kDrainLimitByteTimes;) {
    const std::size_t want = std::min(kDrainChunk, kQuietByteTimes - quiet);
    spent += want;
    quiet = line.read(sink, want) == 0 ? quiet + want : 0;
  }
}

// What the attempts of one exchange left on the line.
struct AttemptTrail {
  bool replyOwed = false;  // an attempt came back short
  std::size_t lastRead = 0;

  void note(std::size_t got) {
    replyOwed = replyOwed || got < kFrameSize;
    lastRead = got;
  }
  void settle(serial::SerialLine& line) const {
    if (replyOwed) letLateRepliesPass(line, lastRead == 0 ? kFrameSize : 0);
  }
};

}  // namespace

// Each attempt reads its reply into the same buffer: a short read fills it
// from its start and leaves the bytes behind as an earlier attempt left them.

std::uint16_t SendFrame(serial::SerialLine* line, const Frame& frame) {
  if (line == nullptr) return OCEL400_WRITE_FAILED;
  Frame reply = zeroReplyBuffer();
  AttemptTrail trail;
  bool accepted = false;
  for (int attempt = 0; attempt < kAttempts && !accepted; ++attempt) {
    line->discardInput();
    line->setRts(true);
    const bool written = line->writeAll(frame.data(), frame.size());
    line->setRts(false);
    if (!written) return OCEL400_WRITE_FAILED;
    trail.note(line->read(reply.data(), reply.size()));
    accepted = isAcceptedWriteReply(reply);
  }
  trail.settle(*line);
  line->pause(kPauseAfterExchange);
  return accepted ? OCEL400_DONE : OCEL400_NOT_ACKNOWLEDGED;
}

std::uint16_t ReadRegister(serial::SerialLine* line, int reg, std::int32_t& value) {
  Frame request = blankFrame(kReadLetter);
  putReadRegister(reg, request);
  Frame reply = zeroReplyBuffer();
  value = decodeReplyValue(reply);
  if (line == nullptr) return OCEL400_WRITE_FAILED;

  AttemptTrail trail;
  bool accepted = false;
  for (int attempt = 0; attempt < kAttempts && !accepted; ++attempt) {
    line->discardInput();
    if (!line->writeAll(request.data(), request.size())) return OCEL400_WRITE_FAILED;
    trail.note(line->read(reply.data(), reply.size()));
    accepted = isAcceptedReadReply(reply, request);
  }
  trail.settle(*line);
  line->pause(kPauseAfterExchange);
  value = decodeReplyValue(reply);
  return accepted ? OCEL400_DONE : OCEL400_NOT_ACKNOWLEDGED;
}

}  // namespace ocel

#include "exchange.h"

namespace ocel {

// Each attempt reads its reply into the same buffer: a short read fills it
// from its start and leaves the bytes behind as an earlier attempt left them.

std::uint16_t SendFrame(serial::SerialLine* line, const Frame& frame) {
  if (line == nullptr) return OCEL400_WRITE_FAILED;
  Frame reply = zeroReplyBuffer();
  bool accepted = false;
  for (int attempt = 0; attempt < kAttempts && !accepted; ++attempt) {
    line->discardInput();
    line->setRts(true);
    const bool written = line->writeAll(frame.data(), frame.size());
    line->setRts(false);
    if (!written) return OCEL400_WRITE_FAILED;
    line->read(reply.data(), reply.size());
    accepted = isAcceptedWriteReply(reply);
  }
  line->pause(kPauseAfterExchange);
  return accepted ? OCEL400_DONE : OCEL400_NOT_ACKNOWLEDGED;
}

std::uint16_t ReadRegister(serial::SerialLine* line, int reg, std::int32_t& value) {
  Frame request = blankFrame(kReadLetter);
  putReadRegister(reg, request);
  Frame reply = zeroReplyBuffer();
  value = decodeReplyValue(reply);
  if (line == nullptr) return OCEL400_WRITE_FAILED;

  bool accepted = false;
  for (int attempt = 0; attempt < kAttempts && !accepted; ++attempt) {
    line->discardInput();
    if (!line->writeAll(request.data(), request.size())) return OCEL400_WRITE_FAILED;
    line->read(reply.data(), reply.size());
    accepted = isAcceptedReadReply(reply, request);
  }
  line->pause(kPauseAfterExchange);
  value = decodeReplyValue(reply);
  return accepted ? OCEL400_DONE : OCEL400_NOT_ACKNOWLEDGED;
}

}  // namespace ocel

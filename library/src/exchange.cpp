#include "exchange.h"

namespace ocel {

namespace {

// One attempt's reply read. Short reads fill the buffer from its start and
// leave the bytes behind them as an earlier attempt of the same call left
// them.
void readReply(serial::SerialLine& line, Frame& reply) {
  line.read(reply.data(), reply.size());
}

}  // namespace

std::uint16_t SendFrame(serial::SerialLine* line, const Frame& frame) {
  if (line == nullptr) return kWriteFailed;
  Frame reply = zeroReplyBuffer();
  bool accepted = false;
  for (int attempt = 0; attempt < kAttempts && !accepted; ++attempt) {
    line->discardInput();
    line->setRts(true);
    const bool written = line->writeAll(frame.data(), frame.size());
    line->setRts(false);
    if (!written) return kWriteFailed;
    readReply(*line, reply);
    accepted = isAcceptedWriteReply(reply);
  }
  line->pause(kPauseAfterExchange);
  return accepted ? kDone : kNotAcknowledged;
}

std::uint16_t ReadRegister(serial::SerialLine* line, int reg, std::int32_t& value) {
  Frame request = blankFrame(kReadLetter);
  putReadRegister(reg, request);
  Frame reply = zeroReplyBuffer();
  value = decodeReplyValue(reply);
  if (line == nullptr) return kWriteFailed;

  bool accepted = false;
  for (int attempt = 0; attempt < kAttempts && !accepted; ++attempt) {
    line->discardInput();
    if (!line->writeAll(request.data(), request.size())) return kWriteFailed;
    readReply(*line, reply);
    accepted = isAcceptedReadReply(reply, request);
  }
  line->pause(kPauseAfterExchange);
  value = decodeReplyValue(reply);
  return accepted ? kDone : kNotAcknowledged;
}

}  // namespace ocel

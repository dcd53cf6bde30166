#include "frame.h"

namespace ocel {

Frame blankFrame(std::uint8_t letter) {
  Frame frame = zeroReplyBuffer();
  frame[6] = letter;
  frame[13] = kCarriageReturn;
  return frame;
}

Frame zeroReplyBuffer() {
  Frame frame;
  frame.fill(kDigitZero);
  return frame;
}

void putDigits(Frame& frame, std::size_t offset, int n) {
  frame[offset] = static_cast<std::uint8_t>(kDigitZero + n / 100);
  frame[offset + 1] = static_cast<std::uint8_t>(kDigitZero + (n / 10 - 10 * (n / 100)));
  frame[offset + 2] = static_cast<std::uint8_t>(kDigitZero + (n - 10 * (n / 10)));
}

void PutRegister(int reg, Frame& frame) { putDigits(frame, 7, reg); }

void putReadRegister(int reg, Frame& frame) {
  frame[7] = kDigitZero;
  frame[8] = static_cast<std::uint8_t>(kDigitZero + reg / 10);
  frame[9] = static_cast<std::uint8_t>(kDigitZero + reg % 10);
}

Frame writeFrame(int reg, int value) {
  Frame frame = blankFrame(kWriteLetter);
  PutRegister(reg, frame);
  putDigits(frame, 10, value);
  return frame;
}

std::int32_t decodeReplyValue(const Frame& reply) {
  const auto digit = [&reply](std::size_t i) {
    return static_cast<std::int32_t>(static_cast<signed char>(reply[i])) - kDigitZero;
  };
  return 100 * digit(10) + 10 * digit(11) + digit(12);
}

bool isAcceptedWriteReply(const Frame& reply) {
  return reply[6] == kAcceptedLetter && reply[13] == kCarriageReturn;
}

bool isAcceptedReadReply(const Frame& reply, const Frame& request) {
  return isAcceptedWriteReply(reply) && reply[8] == request[8] && reply[9] == request[9];
}

}  // namespace ocel

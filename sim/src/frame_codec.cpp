#include "ocel400sim/frame_codec.h"

#include <algorithm>

namespace ocelsim {
namespace {

constexpr std::string_view kPrefix = "000000";
constexpr int kHighestRegister = 255;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> decimal(std::string_view digits) {
  int number = 0;
  for (char c : digits) {
    if (!isDigit(c)) return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

std::string threeDigits(int value) {
  value = std::clamp(value, 0, 999);
  return {static_cast<char>('0' + value / 100), static_cast<char>('0' + value / 10 % 10),
          static_cast<char>('0' + value % 10)};
}

// Register of a read request; byte 7 plays no part.
std::optional<int> readRegister(char tens, char units) {
  const int tensCode = static_cast<unsigned char>(tens) - '0';
  if (tensCode < 0 || tensCode > kHighestRegister / 10 || !isDigit(units)) return std::nullopt;
  return tensCode * 10 + (units - '0');
}

std::string requestBytes(std::string_view frame, std::size_t from, std::size_t count) {
  std::string bytes(count, '0');
  for (std::size_t i = 0; i < count && from + i < frame.size(); ++i) bytes[i] = frame[from + i];
  return bytes;
}

}  // namespace

std::optional<Request> decodeRequest(std::string_view frame) {
  if (frame.size() != kFrameLength || frame.substr(0, 6) != kPrefix || frame[13] != kCarriageReturn)
    return std::nullopt;
  const std::optional<int> value = decimal(frame.substr(10, 3));
  if (!value) return std::nullopt;
  std::optional<int> reg;
  Command command;
  if (frame[6] == 'W') {
    command = Command::Write;
    reg = decimal(frame.substr(7, 3));
  } else if (frame[6] == 'R') {
    command = Command::Read;
    reg = readRegister(frame[8], frame[9]);
  } else {
    return std::nullopt;
  }
  if (!reg || *reg > kHighestRegister) return std::nullopt;
  return Request{command, *reg, command == Command::Write ? *value : 0};
}

std::string echoReply(std::string_view frame, char status) {
  return std::string(kPrefix) + status + requestBytes(frame, 7, 6) + kCarriageReturn;
}

std::string readReply(std::string_view frame, int value, char status) {
  return std::string(kPrefix) + status + requestBytes(frame, 7, 3) + threeDigits(value) +
         kCarriageReturn;
}

std::string registerBytes(Command command, int reg) {
  if (command == Command::Read)
    return {static_cast<char>('0' + reg / 10), static_cast<char>('0' + reg % 10)};
  return threeDigits(reg).substr(1);
}

std::string encodeWrite(int reg, int value) {
  return std::string(kPrefix) + 'W' + threeDigits(reg) + threeDigits(value) + kCarriageReturn;
}

std::string encodeRead(int reg) {
  return std::string(kPrefix) + "R0" + registerBytes(Command::Read, reg) + "000" + kCarriageReturn;
}

}  // namespace ocelsim

#include "ocel400sim/line_settings.h"

namespace ocelsim {
namespace {

struct BaudCode {
  int code;
  int baud;
};
constexpr BaudCode kBaudCodes[] = {{96, 9600}, {48, 4800}, {24, 2400}};

}  // namespace

Nanoseconds LineSettings::transmitTime(std::size_t characters) const {
  const long long bits = static_cast<long long>(characters) * bitsPerCharacter();
  return Nanoseconds(bits * 1'000'000'000LL / baud);
}

std::optional<int> baudFromReBps(int code) {
  for (const BaudCode& entry : kBaudCodes)
    if (entry.code == code) return entry.baud;
  return std::nullopt;
}

std::optional<int> reBpsFromBaud(int baud) {
  for (const BaudCode& entry : kBaudCodes)
    if (entry.baud == baud) return entry.code;
  return std::nullopt;
}

std::optional<Parity> parityFromRePrt(int code) {
  switch (code) {
    case 0: return Parity::None;
    case 1: return Parity::Odd;
    case 2: return Parity::Even;
    default: return std::nullopt;
  }
}

LineSettings lineSettingsFromCodes(int reBps, int rePrt, LineSettings previous) {
  return LineSettings{baudFromReBps(reBps).value_or(previous.baud),
                      parityFromRePrt(rePrt).value_or(previous.parity)};
}

const char* parityName(Parity parity) {
  switch (parity) {
    case Parity::Odd: return "odd";
    case Parity::Even: return "even";
    case Parity::None: break;
  }
  return "none";
}

}  // namespace ocelsim

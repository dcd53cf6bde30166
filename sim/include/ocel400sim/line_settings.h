// The camera's own line parameters and what one character costs on the line.
#pragma once

#include <cstddef>
#include <optional>

#include "ocel400sim/clock.h"

namespace ocelsim {

enum class Parity { None, Odd, Even };

struct LineSettings {
  int baud = 9600;
  Parity parity = Parity::None;

  // Start bit, 8 data bits, the parity bit if any, stop bit.
  int bitsPerCharacter() const { return parity == Parity::None ? 10 : 11; }
  // Time from the first bit of the first character to the stop bit of the last.
  Nanoseconds transmitTime(std::size_t characters) const;

  bool operator==(const LineSettings&) const = default;
};

// ReBps codes: 96, 48, 24 for 9600, 4800, 2400 baud.
std::optional<int> baudFromReBps(int code);
std::optional<int> reBpsFromBaud(int baud);
// RePrt codes: 0 none, 1 odd, 2 even.
std::optional<Parity> parityFromRePrt(int code);

// The settings the registers select; a code the camera does not know keeps
// the previous setting.
LineSettings lineSettingsFromCodes(int reBps, int rePrt, LineSettings previous);

const char* parityName(Parity parity);

}  // namespace ocelsim

// The two exchanges every export is built on.
#pragma once

#include <cstdint>

#include "Ocel400.h"
#include "frame.h"
#include "serial/serial_line.h"

namespace ocel {

inline constexpr int kAttempts = 20;
inline constexpr std::chrono::milliseconds kPauseAfterExchange{30};

// Write exchange: up to 20 attempts of RTS up, frame out, RTS down, 14-byte
// reply in; accepted when byte 6 is 'C' and byte 13 CR. When an attempt
// came back short, what arrives until the line falls quiet is read away
// (a late reply must not be taken for the next exchange's). Then a 30 ms
// pause.
// A write the port refuses ends the exchange at once, without the pause.
// A null line (no port open) is a refused write.
std::uint16_t SendFrame(serial::SerialLine* line, const Frame& frame);

// Read exchange for one register: up to 20 attempts; a reply counts when it
// is accepted and echoes the request's bytes 8-9. Late replies are read away
// as in the write exchange, then a 30 ms pause. The
// value is decoded from the last reply buffer, which starts as ASCII zeros,
// so a silent camera or a refused request reads as 0.
std::uint16_t ReadRegister(serial::SerialLine* line, int reg, std::int32_t& value);

}  // namespace ocel

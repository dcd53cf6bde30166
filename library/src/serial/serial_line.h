// The serial line to the camera, as the exchanges need it. One backend per
// platform implements it: serial_posix.cpp (termios) and serial_win32.cpp.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace ocel::serial {

class SerialLine {
 public:
  virtual ~SerialLine() = default;

  // Drops whatever arrived and was not read yet (a late reply, a fragment).
  virtual void discardInput() = 0;
  // Raises or drops RTS. Failures are ignored: a line without modem
  // control (a pseudo-terminal, some adapters) still carries the frames.
  virtual void setRts(bool raised) = 0;
  // Writes all bytes and returns once they have left the port, so RTS can
  // fall behind the last stop bit. False when the port refused the write.
  virtual bool writeAll(const std::uint8_t* data, std::size_t size) = 0;
  // Reads up to size bytes, waiting until all have come or 10 ms per
  // requested byte have passed. Returns how many arrived.
  virtual std::size_t read(std::uint8_t* buffer, std::size_t size) = 0;
  // The fixed pause after every exchange.
  virtual void pause(std::chrono::milliseconds duration) = 0;
};

inline constexpr std::chrono::milliseconds kReadTimeoutPerByte{10};

struct LineSettings {
  std::int32_t baud;    // applied only when 2400, 4800 or 9600
  std::int32_t parity;  // applied only when 0 none, 1 odd, 2 even
};

// Opens "COM1" ... "COM8" exclusively with 8 data bits, 1 stop bit, no flow
// control, DTR raised, RTS dropped and the given settings where they are
// valid (otherwise the port keeps what it had). Null when the port is
// missing, in use or not a serial port; errno (GetLastError() on Windows)
// then says why.
std::unique_ptr<SerialLine> openSerialLine(const std::string& portName,
                                           const LineSettings& settings);

}  // namespace ocel::serial

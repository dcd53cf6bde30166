// The library's one process-wide state: the open port, what the last
// PortInitEx stored, and the tables it filled. Created empty when the
// library is loaded; the exports are called from one thread at a time.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "register_map.h"
#include "serial/serial_line.h"

namespace ocel {

struct LibraryState {
  std::unique_ptr<serial::SerialLine> line;  // none before the first open
  std::array<char, 8> portName{};            // "COM1" ... "COM8"
  std::int32_t model = 0;
  std::int32_t standard = 0;
  std::int32_t baud = 0;
  std::int32_t parity = 0;
  RegisterMap registers{};
  ShutterCodes shutterCodes{};
  std::uint16_t lastResult = 0;
};

LibraryState& libraryState();

// What PortInitEx does before it opens the port: stores the camera's model,
// standard and line settings and fills the register map and shutter codes.
void storeCameraSetup(std::int32_t model, std::int32_t standard, std::int32_t baud,
                      std::int32_t parity);

// Keeps code as the most recent result and returns it.
std::uint16_t recordResult(std::uint16_t code);

}  // namespace ocel

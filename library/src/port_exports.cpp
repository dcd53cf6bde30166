// PortInit and PortInitEx: choose the camera's tables and open the line.
#include <cstdio>

#include "Ocel400.h"
#include "exchange.h"
#include "library_state.h"

namespace ocel {
namespace {

bool isPortNumber(std::int32_t port) { return port >= 1 && port <= 8; }

// Called for port numbers 1 ... 8 only, so the name fits its 8 characters.
void storePortName(std::int32_t port) {
  char digits[2] = {static_cast<char>('0' + port), '\0'};
  auto& name = libraryState().portName;
  std::snprintf(name.data(), name.size(), "COM%s", digits);
}

// Closes the handle being replaced first: a port admits one open handle, and
// the library must not lock itself out of its own port.
std::uint16_t reopenLine() {
  LibraryState& st = libraryState();
  st.line.reset();
  st.line = serial::openSerialLine(st.portName.data(), {st.baud, st.parity});
  return st.line ? kDone : kPortNotOpened;
}

void storeCameraSetup(std::int32_t model, std::int32_t standard, std::int32_t baud,
                      std::int32_t parity) {
  LibraryState& st = libraryState();
  st.model = model;
  st.standard = standard;
  st.baud = baud;
  st.parity = parity;
  fillRegisterMap(st.registers, model);
  if (model == 0) {  // model 0 always talks at 9600 baud without parity
    st.baud = 9600;
    st.parity = 0;
  }
  fillShutterCodes(st.shutterCodes, standard);
}

}  // namespace
}  // namespace ocel

using namespace ocel;

extern "C" {

OCEL400_API uint16_t OCEL400_CALL PortInit(int32_t port) {
  if (!isPortNumber(port)) return recordResult(kBadPortNumber);
  storePortName(port);
  return recordResult(reopenLine());
}

OCEL400_API uint16_t OCEL400_CALL PortInitEx(int32_t port, int32_t model, int32_t standard,
                                             int32_t baud, int32_t parity) {
  if (!isPortNumber(port)) return recordResult(kBadPortNumber);
  storePortName(port);
  storeCameraSetup(model, standard, baud, parity);
  return recordResult(reopenLine());
}

OCEL400_API uint16_t OCEL400_CALL LastResult(void) { return libraryState().lastResult; }

}  // extern "C"

// PortInit and PortInitEx: choose the camera's tables and open the line.
#include <cstdio>

#include "Ocel400.h"
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
// the library must not lock itself out of its own port. A failed open leaves
// its cause in errno (GetLastError() on Windows) for the caller: nothing
// after it on the way out may touch either.
std::uint16_t reopenLine() {
  LibraryState& st = libraryState();
  st.line.reset();
  st.line = serial::openSerialLine(st.portName.data(), {st.baud, st.parity});
  return st.line ? OCEL400_DONE : OCEL400_PORT_NOT_OPENED;
}

}  // namespace
}  // namespace ocel

using namespace ocel;

extern "C" {

OCEL400_API uint16_t OCEL400_CALL PortInit(int32_t port) {
  if (!isPortNumber(port)) return recordResult(OCEL400_BAD_PORT_NUMBER);
  storePortName(port);
  return recordResult(reopenLine());
}

OCEL400_API uint16_t OCEL400_CALL PortInitEx(int32_t port, int32_t model, int32_t standard,
                                             int32_t baud, int32_t parity) {
  if (!isPortNumber(port)) return recordResult(OCEL400_BAD_PORT_NUMBER);
  storePortName(port);
  storeCameraSetup(model, standard, baud, parity);
  return recordResult(reopenLine());
}

OCEL400_API uint16_t OCEL400_CALL LastResult(void) { return libraryState().lastResult; }

}  // extern "C"

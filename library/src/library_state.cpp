#include "library_state.h"

namespace ocel {

namespace {
// Destroyed at unload or process exit, which closes the port and releases
// its exclusive lock for the next program.
LibraryState state;
}  // namespace

LibraryState& libraryState() { return state; }

void storeCameraSetup(std::int32_t model, std::int32_t standard, std::int32_t baud,
                      std::int32_t parity) {
  state.model = model;
  state.standard = standard;
  state.baud = baud;
  state.parity = parity;
  fillRegisterMap(state.registers, model);
  if (model == 0) {  // model 0 always talks at 9600 baud without parity
    state.baud = 9600;
    state.parity = 0;
  }
  fillShutterCodes(state.shutterCodes, standard);
}

std::uint16_t recordResult(std::uint16_t code) {
  state.lastResult = code;
  return code;
}

}  // namespace ocel

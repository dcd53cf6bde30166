#include "library_state.h"

namespace ocel {

namespace {
// Destroyed at unload or process exit, which closes the port and releases
// its exclusive lock for the next program.
LibraryState state;
}  // namespace

LibraryState& libraryState() { return state; }

std::uint16_t recordResult(std::uint16_t code) {
  state.lastResult = code;
  return code;
}

}  // namespace ocel

#include "shell/connection_test.h"

namespace ocel::shell {

int connectionTestValue(std::uint8_t found) { return found < 128 ? found + 4 : found - 4; }

bool connectionTestPassed(std::uint8_t found, std::uint8_t readBack) {
  return readBack == found - 4 || readBack == found + 4;
}

bool runConnectionTest(const StartupEntryPoints& entries) {
  const std::uint8_t found = entries.GetShape();
  entries.SetShape(static_cast<std::uint16_t>(connectionTestValue(found)));
  const std::uint8_t readBack = entries.GetShape();
  if (!connectionTestPassed(found, readBack)) return false;
  entries.SetShape(found);
  return true;
}

}  // namespace ocel::shell

// Opens COM1 through the library and prints "<code> <errno>" (errno after a
// failed open only); "hold" keeps the port until stdin closes.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "Ocel400.h"

int main(int argc, char** argv) {
  const bool hold = argc == 2 && std::strcmp(argv[1], "hold") == 0;
  const unsigned code = PortInitEx(1, 1, 0, 9600, 0);
  const int cause = code == OCEL400_PORT_NOT_OPENED ? errno : 0;
  std::printf("%u %d\n", code, cause);
  std::fflush(stdout);
  if (hold) {
    char buffer[64];
    while (std::fgets(buffer, sizeof buffer, stdin) != nullptr) {
    }
  }
  return static_cast<int>(code);  // the port is closed as the library unloads
}

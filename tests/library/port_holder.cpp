// Test helper: opens COM1 through the library and reports the result code.
//   port_holder probe   open, print the code, exit with it
//   port_holder hold    open, print the code, keep the port until stdin closes
#include <cstdio>
#include <cstring>

#include "Ocel400.h"

int main(int argc, char** argv) {
  const bool hold = argc == 2 && std::strcmp(argv[1], "hold") == 0;
  const unsigned code = PortInitEx(1, 1, 0, 9600, 0);
  std::printf("%u\n", code);
  std::fflush(stdout);
  if (hold) {
    char buffer[64];
    while (std::fgets(buffer, sizeof buffer, stdin) != nullptr) {
    }
  }
  return static_cast<int>(code);  // the port is closed as the library unloads
}

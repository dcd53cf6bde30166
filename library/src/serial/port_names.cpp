#include "port_names.h"

#include <cstdio>
#include <cstdlib>

namespace ocel::serial {

namespace {

int portNumber(const std::string& portName) {
  if (portName.size() < 4 || portName.compare(0, 3, "COM") != 0) return -1;
  int number = 0;
  for (std::size_t i = 3; i < portName.size(); ++i) {
    const char c = portName[i];
    if (c < '0' || c > '9' || number > 1000) return -1;
    number = number * 10 + (c - '0');
  }
  return number;
}

}  // namespace

std::string devicePathForPort(const std::string& portName) {
  const int number = portNumber(portName);
  if (number < 1) return {};
#if defined(_WIN32)
  return "\\\\.\\" + portName;
#else
  // Set but empty is a mistake to report, not a reason to talk to a real
  // port at /dev/ttyS<n-1>: no device, so the open fails.
  const std::string variable = "OCEL400_" + portName;
  if (const char* mapped = std::getenv(variable.c_str()); mapped != nullptr) return mapped;
  char path[32];
  std::snprintf(path, sizeof path, "/dev/ttyS%d", number - 1);
  return path;
#endif
}

}  // namespace ocel::serial

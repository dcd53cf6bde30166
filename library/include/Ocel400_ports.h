// Ocel400 - which device the library opens for a COM port on this machine,
// and why it could not be opened, for C++ programs that tell their users.
// The library opens its ports through this same device mapping.
#ifndef OCEL400_PORTS_H
#define OCEL400_PORTS_H

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace ocel400 {

// On Linux COMn is the device named by $OCEL400_COMn when that is set, else
// /dev/ttyS<n-1> (the numbering Wine uses). On Windows it is \\.\COMn, which
// is valid for every port number. Empty for a name that is not COM<digits>,
// for COM0, and for a variable that is set but empty.
inline std::string devicePathForPort(const std::string& portName) {
  if (portName.size() < 4 || portName.compare(0, 3, "COM") != 0) return {};
  int number = 0;
  for (std::size_t i = 3; i < portName.size(); ++i) {
    const char c = portName[i];
    if (c < '0' || c > '9' || number > 1000) return {};
    number = number * 10 + (c - '0');
  }
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

#if !defined(_WIN32)
// The cause behind the errno that PortInit or PortInitEx left when they
// returned 4. (On Windows the cause is GetLastError()'s, for FormatMessage.)
enum class PortOpenFailure { NoSuchDevice, PermissionDenied, InUse, NotASerialPort, Other };

inline PortOpenFailure portOpenFailure(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENODEV:
    case ENXIO: return PortOpenFailure::NoSuchDevice;  // ENXIO: a device file, no hardware
    case EACCES:
    case EPERM: return PortOpenFailure::PermissionDenied;
    case EBUSY: return PortOpenFailure::InUse;
    case ENOTTY: return PortOpenFailure::NotASerialPort;
    default: return PortOpenFailure::Other;
  }
}
#endif

}  // namespace ocel400

#endif  // OCEL400_PORTS_H

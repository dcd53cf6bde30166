#include "open_failure.h"

#include <cstring>

#include "Ocel400_ports.h"

namespace ocelctl {

std::string openFailureCause(int error, int port) {
  using ocel400::PortOpenFailure;
  switch (ocel400::portOpenFailure(error)) {
    case PortOpenFailure::NoSuchDevice:
      return "no such device; set OCEL400_COM" + std::to_string(port) +
             " to the adapter's device (e.g. /dev/ttyUSB0)";
    case PortOpenFailure::PermissionDenied:
      return "permission denied: add the user to the dialout group and log in again";
    case PortOpenFailure::InUse: return "in use by another program";
    case PortOpenFailure::NotASerialPort: return "not a serial port";
    case PortOpenFailure::Other: break;
  }
  return std::strerror(error);
}

}  // namespace ocelctl

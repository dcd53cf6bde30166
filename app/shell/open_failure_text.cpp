#include "shell/open_failure_text.h"

#include <cstring>

#include "Ocel400_ports.h"

namespace ocel::shell {

namespace {

std::string causeWords(int error, int port) {
  using ocel400::PortOpenFailure;
  switch (ocel400::portOpenFailure(error)) {
    case PortOpenFailure::NoSuchDevice:
      return "Gerät nicht vorhanden – OCEL400_COM" + std::to_string(port) +
             " auf das Gerät des Adapters setzen (z. B. /dev/ttyUSB0)";
    case PortOpenFailure::PermissionDenied:
      return "Zugriff verweigert – den Benutzer in die Gruppe dialout aufnehmen und neu anmelden";
    case PortOpenFailure::InUse: return "wird von einem anderen Programm benutzt";
    case PortOpenFailure::NotASerialPort: return "keine serielle Schnittstelle";
    case PortOpenFailure::Other: break;
  }
  return std::string("nicht zu öffnen: ") + std::strerror(error);
}

}  // namespace

std::string openFailureLine(int error, int port, const std::string& device) {
  return "COM" + std::to_string(port) + " (" + device + "): " + causeWords(error, port);
}

}  // namespace ocel::shell

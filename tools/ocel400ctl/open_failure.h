// Why a port could not be opened, in words a field technician can act on.
#pragma once

#include <string>

namespace ocelctl {

// error: errno as the library left it after PortInitEx returned 4;
// port: the COM port number, for the variable that maps it to a device.
std::string openFailureCause(int error, int port);

}  // namespace ocelctl

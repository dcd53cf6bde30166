// The second line of the connection-failure message when the port could not
// be opened: the port, its device and the cause in words a field technician
// can act on.
#pragma once

#include <string>

namespace ocel::shell {

// error: errno as PortInitEx left it; UTF-8, without a line break.
std::string openFailureLine(int error, int port, const std::string& device);

}  // namespace ocel::shell

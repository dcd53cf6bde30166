// Where "COMn" lives on this machine.
#pragma once

#include <string>

namespace ocel::serial {

// On Linux COMn is the device named by $OCEL400_COMn when that is set, else
// /dev/ttyS<n-1> (the numbering Wine uses). On Windows it is \\.\COMn, which
// is valid for every port number. Empty for a name that is not COM<digits>,
// and for a variable that is set but empty.
std::string devicePathForPort(const std::string& portName);

}  // namespace ocel::serial

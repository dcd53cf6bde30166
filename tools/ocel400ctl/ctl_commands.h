// Runs one ocel400ctl command against the camera through the library.
#pragma once

#include <ostream>

#include "command_line.h"

namespace ocelctl {

// Exit statuses; a stop signal ends the program with 128 + its number.
inline constexpr int kExitDone = 0;
inline constexpr int kExitNoAnswer = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitPortNotOpened = 3;
inline constexpr int kExitFileError = 4;

// Checks the command's words first (a usage error touches no port), then
// opens the port and stops at the first exchange the camera did not answer,
// or before the next exchange once a stop signal came.
int runCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err);

}  // namespace ocelctl

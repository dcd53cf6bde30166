// ocel400ctl: read and write an Ocel camera's settings from scripts.
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "ctl_commands.h"
#include "stop_signals.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const ocelctl::ParsedCommandLine parsed = ocelctl::parseCommandLine(arguments);
  if (!parsed.commandLine) {
    std::cerr << "ocel400ctl: " << parsed.error << "\n\n" << ocelctl::kUsage;
    return ocelctl::kExitUsage;
  }
  ocelctl::catchStopSignals();
  const int status = ocelctl::runCommand(*parsed.commandLine, std::cout, std::cerr);
  // Output a script relies on must have arrived (a full disk, a closed pipe).
  errno = 0;
  if (!std::cout.flush()) {
    std::cerr << "ocel400ctl: cannot write the output"
              << (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string()) << '\n';
    return status == ocelctl::kExitDone ? ocelctl::kExitFileError : status;
  }
  return status;
}

// ocel400ctl: read and write an Ocel camera's settings from scripts.
#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "ctl_commands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const ocelctl::ParsedCommandLine parsed = ocelctl::parseCommandLine(arguments);
  if (!parsed.commandLine) {
    std::cerr << "ocel400ctl: " << parsed.error << "\n\n" << ocelctl::kUsage;
    return ocelctl::kExitUsage;
  }
  return ocelctl::runCommand(*parsed.commandLine, std::cout, std::cerr);
}

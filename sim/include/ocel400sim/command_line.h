// The command line of ocel400-camsim.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "ocel400sim/options.h"

namespace ocelsim {

struct HelpRequested {};
struct UsageError {
  std::string message;
};
using CommandLine = std::variant<Options, HelpRequested, UsageError>;

// Arguments without the program name. Takes "--name value" and "--name=value".
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string usageText(const std::string& program);

// The line the program prints once the camera is up.
std::string startupLine(const Options& options, const std::string& slavePath);

}  // namespace ocelsim

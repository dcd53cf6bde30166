// The command line of ocel400ctl: global options, one command, its words.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ocelctl {

enum class Command { Dump, Get, Set, Area, Save, Load, Help };

struct CommandLine {
  int port = 1;      // COM1 ... COM8
  int model = 1;     // 0 or 1
  int standard = 0;  // 0 PAL, 1 NTSC
  int baud = 9600;
  int parity = 0;  // 0 none, 1 odd, 2 even
  Command command = Command::Help;
  std::vector<std::string> words;  // what follows the command
};

struct ParsedCommandLine {
  std::optional<CommandLine> commandLine;
  std::string error;  // set when commandLine is empty
};

ParsedCommandLine parseCommandLine(std::span<const std::string> arguments);

extern const char* const kUsage;

}  // namespace ocelctl

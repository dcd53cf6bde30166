#include "command_line.h"

#include <array>
#include <string_view>

namespace ocelctl {

const char* const kUsage =
    "usage: ocel400ctl [options] COMMAND [ARGS]\n"
    "\n"
    "Reads and writes the settings of an Ocel camera on a serial port.\n"
    "\n"
    "options:\n"
    "  --port N                COM port 1...8 (default 1; on Linux $OCEL400_COMn\n"
    "                          names its device, else /dev/ttyS<N-1>)\n"
    "  --model 0|1             camera model (default 1)\n"
    "  --standard pal|ntsc     video standard (default pal)\n"
    "  --baud 2400|4800|9600   PC line speed (default 9600; model 0 always 9600)\n"
    "  --parity none|odd|even  PC line parity (default none; model 0 always none)\n"
    "\n"
    "commands:\n"
    "  dump                    every setting of the model (and the area grid on model 0)\n"
    "  get NAME...             print NAME=VALUE for each setting\n"
    "  set NAME=VALUE...       write settings (MGC in dB, MES as x of 1/x s)\n"
    "  area [ROW=MASK...]      show the 5x5 area grid, or write rows 1...5 (model 0)\n"
    "  save FILE               read the model's configuration keys into FILE (.cfg)\n"
    "  load FILE               send the configuration keys of FILE to the camera\n"
    "\n"
    "Names are the library's setting stems, in any case (Shape, mgc, REBPS). Values\n"
    "are plain decimal numbers; a value the library will replace is named on stderr.\n"
    "\n"
    "Exit status: 0 done, 1 the camera did not answer, 2 usage error, 3 the port\n"
    "could not be opened, 4 a file (or the output) could not be read or written;\n"
    "SIGINT, SIGTERM and SIGHUP stop it after the exchange in progress with\n"
    "128 + the signal's number (130, 143, 129).\n";

namespace {

struct Choice {
  std::string_view word;
  int value;
};

std::optional<int> choose(std::string_view word, std::span<const Choice> choices) {
  for (const Choice& c : choices)
    if (c.word == word) return c.value;
  return std::nullopt;
}

constexpr std::array<Choice, 8> kPorts{
    {{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}, {"6", 6}, {"7", 7}, {"8", 8}}};
constexpr std::array<Choice, 2> kModels{{{"0", 0}, {"1", 1}}};
constexpr std::array<Choice, 2> kStandards{{{"pal", 0}, {"ntsc", 1}}};
constexpr std::array<Choice, 3> kBauds{{{"2400", 2400}, {"4800", 4800}, {"9600", 9600}}};
constexpr std::array<Choice, 3> kParities{{{"none", 0}, {"odd", 1}, {"even", 2}}};
constexpr std::array<Choice, 7> kCommands{{{"dump", static_cast<int>(Command::Dump)},
                                           {"get", static_cast<int>(Command::Get)},
                                           {"set", static_cast<int>(Command::Set)},
                                           {"area", static_cast<int>(Command::Area)},
                                           {"save", static_cast<int>(Command::Save)},
                                           {"load", static_cast<int>(Command::Load)},
                                           {"help", static_cast<int>(Command::Help)}}};

struct Option {
  std::string_view name;
  std::span<const Choice> choices;
  int CommandLine::*field;
};

const std::array<Option, 5> kOptions{{
    {"--port", kPorts, &CommandLine::port},
    {"--model", kModels, &CommandLine::model},
    {"--standard", kStandards, &CommandLine::standard},
    {"--baud", kBauds, &CommandLine::baud},
    {"--parity", kParities, &CommandLine::parity},
}};

ParsedCommandLine failure(std::string message) { return {std::nullopt, std::move(message)}; }

}  // namespace

ParsedCommandLine parseCommandLine(std::span<const std::string> arguments) {
  CommandLine result;
  std::size_t i = 0;
  for (; i < arguments.size(); ++i) {
    std::string_view arg = arguments[i];
    if (arg == "--help" || arg == "-h") {
      result.command = Command::Help;
      return {result, {}};
    }
    if (!arg.starts_with("--")) break;

    std::string_view name = arg, value;
    if (const auto eq = arg.find('='); eq != std::string_view::npos) {
      name = arg.substr(0, eq);
      value = arg.substr(eq + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return failure("option " + std::string(arg) + " needs a value");
    }

    const Option* option = nullptr;
    for (const Option& o : kOptions)
      if (o.name == name) option = &o;
    if (option == nullptr) return failure("unknown option " + std::string(name));
    const auto chosen = choose(value, option->choices);
    if (!chosen) {
      std::string valid;
      for (const Choice& c : option->choices)
        valid += (valid.empty() ? "" : ", ") + std::string(c.word);
      return failure(std::string(name) + " takes one of " + valid + ", not '" + std::string(value) +
                     "'");
    }
    result.*(option->field) = *chosen;
  }

  if (i == arguments.size()) return failure("no command given");
  const auto command = choose(arguments[i], kCommands);
  if (!command) return failure("unknown command '" + arguments[i] + "'");
  result.command = static_cast<Command>(*command);
  result.words.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1, arguments.end());
  return {result, {}};
}

}  // namespace ocelctl

#include "ocel400sim/command_line.h"

#include <charconv>
#include <optional>
#include <stdexcept>

namespace ocelsim {
namespace {

// The whole of text as a number of type T, or nothing.
template <typename T>
std::optional<T> number(const std::string& text) {
  T value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

struct Usage : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// MODE or MODE:PERCENT.
void parseFaultArgument(const std::string& text, Options& options) {
  const std::size_t colon = text.find(':');
  const std::optional<Fault> fault = parseFault(text.substr(0, colon));
  if (!fault) throw Usage("unknown fault '" + text.substr(0, colon) + "'");
  options.fault = *fault;
  options.faultPercent = 100;
  if (colon == std::string::npos) return;
  const std::optional<int> percent = number<int>(text.substr(colon + 1));
  if (!percent || *percent < 0 || *percent > 100)
    throw Usage("fault percentage must be 0..100, not '" + text.substr(colon + 1) + "'");
  options.faultPercent = *percent;
}

void applyOption(const std::string& name, const std::string& value, Options& options) {
  if (name == "--model") {
    if (value != "0" && value != "1") throw Usage("--model takes 0 or 1");
    options.model = value[0] - '0';
  } else if (name == "--standard") {
    if (value != "pal" && value != "ntsc") throw Usage("--standard takes pal or ntsc");
    options.standard = value == "ntsc" ? 1 : 0;
  } else if (name == "--link") {
    if (value.empty()) throw Usage("--link needs a path");
    options.linkPath = value;
  } else if (name == "--fault") {
    parseFaultArgument(value, options);
  } else if (name == "--baud") {
    const std::optional<int> baud = number<int>(value);
    if (!baud || (*baud != 2400 && *baud != 4800 && *baud != 9600))
      throw Usage("--baud takes 2400, 4800 or 9600");
    options.cameraBaud = *baud;
  } else if (name == "--late-ms") {
    const std::optional<int> ms = number<int>(value);
    if (!ms || *ms < 0) throw Usage("--late-ms takes a number of milliseconds");
    options.lateMs = *ms;
  } else if (name == "--zoom-rate") {
    const std::optional<double> rate = number<double>(value);
    if (!rate || *rate < 0) throw Usage("--zoom-rate takes codes per second");
    options.zoomCodesPerSecond = *rate;
  } else {
    throw Usage("unknown option " + name);
  }
}

bool isFlag(const std::string& name) {
  return name == "--trace" || name == "--instant" || name == "--help" || name == "-h";
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  Options options;
  try {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      std::string name = arguments[i];
      std::optional<std::string> value;
      if (const std::size_t equals = name.find('=');
          name.starts_with("--") && equals != std::string::npos) {
        value = name.substr(equals + 1);
        name.resize(equals);
      }
      if (!name.starts_with("-")) throw Usage("unexpected argument '" + name + "'");
      if (isFlag(name)) {
        if (value) throw Usage(name + " takes no value");
        if (name == "--help" || name == "-h") return HelpRequested{};
        if (name == "--trace") options.trace = true;
        if (name == "--instant") options.paced = false;
        continue;
      }
      if (!value) {
        if (i + 1 >= arguments.size()) throw Usage(name + " needs a value");
        value = arguments[++i];
      }
      applyOption(name, *value, options);
    }
    validate(options);
  } catch (const std::runtime_error& error) {
    return UsageError{error.what()};
  }
  return options;
}

std::string usageText(const std::string& program) {
  return "Usage: " + program +
         " [options]\n"
         "Simulates an Ocel series camera on a pseudo-terminal until SIGINT or SIGTERM.\n"
         "  --model 0|1            camera model (default 1)\n"
         "  --standard pal|ntsc    video standard (default pal)\n"
         "  --link PATH            symlink PATH to the pty slave, removed on exit\n"
         "  --trace                every frame and event on stderr\n"
         "  --fault MODE[:PERCENT] silence, noack, garbage, nocr, late, fragment,\n"
         "                         wrongreg or none, on PERCENT of frames (default 100)\n"
         "  --instant              reply at once instead of taking line time\n"
         "  --baud 2400|4800|9600  camera's initial speed (model 1; default 9600)\n"
         "  --late-ms N            hold-back of the late and fragment faults (default 200)\n"
         "  --zoom-rate N          keypad zoom speed in codes per second (default 64)\n"
         "  --help                 this text\n";
}

std::string startupLine(const Options& options, const std::string& slavePath) {
  std::string line = "ocel400-camsim: model " + std::to_string(options.model) + " camera (" +
                     (options.standard == 1 ? "NTSC" : "PAL") + ", " +
                     std::to_string(options.cameraBaud) + " baud" +
                     (options.paced ? "" : ", instant") + ") on " + slavePath;
  if (!options.linkPath.empty()) line += ", link " + options.linkPath;
  if (options.fault != Fault::None)
    line += ", fault " + std::string(faultName(options.fault)) + ":" +
            std::to_string(options.faultPercent);
  return line;
}

}  // namespace ocelsim

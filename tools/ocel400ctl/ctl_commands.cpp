#include "ctl_commands.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Ocel400.h"
#include "Ocel400_ports.h"
#include "Ocel400_settings.h"
#include "config/configuration_transfer.h"
#include "open_failure.h"
#include "settings_catalog.h"
#include "stop_signals.h"
#include "value_rules.h"

namespace ocelctl {

namespace {

constexpr int kAreaRows = 5;

struct Assignment {
  const SettingEntry* entry;
  double value;
};

struct AreaAssignment {
  int row;
  int mask;
};

class UsageError {
 public:
  explicit UsageError(std::string what) : message(std::move(what)) {}
  std::string message;
};

// Thrown before an exchange once a stop signal came.
struct Stopped {
  int signal;
};

void stopIfAsked() {
  if (const int signal = stopSignal(); signal != 0) throw Stopped{signal};
}

std::optional<long long> parseInteger(std::string_view text) {
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Plain decimal notation only: an optional minus, digits and an optional
// fraction ("6.5", "-1"); no hexadecimal, exponent, blanks or "inf".
std::optional<double> parseDecimal(std::string_view text) {
  const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
  const std::size_t point = digits.find('.');
  const auto allDigits = [](std::string_view part) {
    return !part.empty() &&
           std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (!allDigits(digits.substr(0, point)) ||
      (point != std::string_view::npos && !allDigits(digits.substr(point + 1))))
    return std::nullopt;
  double value = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

const SettingEntry& settingNamed(std::string_view name, int model) {
  const SettingEntry* entry = findSetting(name);
  if (entry == nullptr)
    throw UsageError("unknown setting '" + std::string(name) + "'; model " + std::to_string(model) +
                     " has: " + settingNames(model));
  if (!existsOnModel(*entry, model))
    throw UsageError(std::string(entry->name) + " is not a setting of model " +
                     std::to_string(model) + "; it has: " + settingNames(model));
  return *entry;
}

double settingValue(const SettingEntry& entry, std::string_view text) {
  if (entry.kind == ValueKind::Decibel) {
    if (const auto v = parseDecimal(text)) return *v;
  } else if (const auto v = parseInteger(text)) {
    const long long low = entry.kind == ValueKind::ShutterSpeed ? 0 : INT32_MIN;
    const long long high = entry.kind == ValueKind::ShutterSpeed ? 65535 : INT32_MAX;
    if (*v >= low && *v <= high) return static_cast<double>(*v);
  }
  const char* expected = entry.kind == ValueKind::Decibel        ? "a gain in dB"
                         : entry.kind == ValueKind::ShutterSpeed ? "x of 1/x s, 0...65535"
                                                                 : "a whole number";
  throw UsageError(std::string(entry.name) + " takes " + expected + ", not '" + std::string(text) +
                   "'");
}

std::pair<std::string_view, std::string_view> splitAssignment(std::string_view word) {
  const auto eq = word.find('=');
  if (eq == std::string_view::npos)
    throw UsageError("expected NAME=VALUE, not '" + std::string(word) + "'");
  return {word.substr(0, eq), word.substr(eq + 1)};
}

std::vector<Assignment> parseAssignments(const CommandLine& cl) {
  if (cl.words.empty()) throw UsageError("set needs NAME=VALUE");
  std::vector<Assignment> assignments;
  for (const std::string& word : cl.words) {
    const auto [name, text] = splitAssignment(word);
    const SettingEntry& entry = settingNamed(name, cl.model);
    assignments.push_back({&entry, settingValue(entry, text)});
  }
  return assignments;
}

std::vector<AreaAssignment> parseAreaAssignments(const CommandLine& cl) {
  if (cl.model != 0) throw UsageError("the area grid is a setting of model 0");
  std::vector<AreaAssignment> rows;
  for (const std::string& word : cl.words) {
    const auto [rowText, maskText] = splitAssignment(word);
    const auto row = parseInteger(rowText);
    const auto mask = parseInteger(maskText);
    if (!row || *row < 1 || *row > kAreaRows || !mask || *mask < 0 || *mask > 31)
      throw UsageError("area takes ROW=MASK with ROW 1...5 and MASK 0...31, not '" + word + "'");
    rows.push_back({static_cast<int>(*row), static_cast<int>(*mask)});
  }
  return rows;
}

std::string formatValue(const SettingEntry& entry, double value) {
  char text[32];
  if (entry.kind == ValueKind::Decibel) std::snprintf(text, sizeof text, "%.1f", value);
  else std::snprintf(text, sizeof text, "%.0f", value);
  return text;
}

std::string areaCells(int mask) {
  std::string cells;
  for (int bit = 4; bit >= 0; --bit) {  // bit 4 is the leftmost zone
    if (!cells.empty()) cells += ' ';
    cells += (mask >> bit) & 1 ? '#' : '.';
  }
  return cells;
}

// The device a port maps to, for messages.
std::string deviceOf(const std::string& portName) {
  const std::string device = ocel400::devicePathForPort(portName);
  return device.empty() ? "$OCEL400_" + portName + " is empty" : device;
}

// The opened camera line, and how its failures are told.
class Camera {
 public:
  Camera(const CommandLine& cl, std::ostream& err)
      : cl_(cl),
        err_(err),
        portName_("COM" + std::to_string(cl.port)),
        device_(deviceOf(portName_)) {}

  bool open() {
    const std::uint16_t result =
        PortInitEx(cl_.port, cl_.model, cl_.standard, cl_.baud, cl_.parity);
    if (result == OCEL400_DONE) return true;
    const int cause = errno;  // the library leaves the reason there
    report("cannot open the port: " + openFailureCause(cause, cl_.port));
    return false;
  }

  // True when the last exchange succeeded; otherwise says why, naming call.
  bool answered(const std::string& call) {
    switch (LastResult()) {
      case OCEL400_DONE: return true;
      case OCEL400_WRITE_FAILED: report("could not write " + call + " to the port"); break;
      default: report("the camera did not answer " + call); break;
    }
    return false;
  }

 private:
  void report(const std::string& what) {
    err_ << "ocel400ctl: " << portName_ << " (" << device_ << "): " << what << '\n';
  }

  const CommandLine& cl_;
  std::ostream& err_;
  std::string portName_;
  std::string device_;
};

int readSettings(Camera& camera, const std::vector<const SettingEntry*>& entries, std::ostream& out,
                 bool asTable) {
  for (const SettingEntry* entry : entries) {
    stopIfAsked();
    const double value = entry->get();
    if (!camera.answered("Get" + std::string(entry->name))) return kExitNoAnswer;
    const std::string text = formatValue(*entry, value);
    if (!asTable) {
      out << entry->name << '=' << text << '\n';
      continue;
    }
    char line[64];
    const char* format = entry->kind == ValueKind::Decibel        ? "%-8s %s dB\n"
                         : entry->kind == ValueKind::ShutterSpeed ? "%-8s 1/%s s\n"
                                                                  : "%-8s %s\n";
    std::snprintf(line, sizeof line, format, std::string(entry->name).c_str(), text.c_str());
    out << line;
  }
  return kExitDone;
}

int showArea(Camera& camera, std::ostream& out) {
  for (int row = 1; row <= kAreaRows; ++row) {
    stopIfAsked();
    const std::int32_t mask = ReadArea(row);
    if (!camera.answered("ReadArea(" + std::to_string(row) + ")")) return kExitNoAnswer;
    out << row << '=' << mask << "\t" << areaCells(mask) << '\n';
  }
  return kExitDone;
}

int dump(const CommandLine& cl, Camera& camera, std::ostream& out) {
  std::vector<const SettingEntry*> entries;
  for (const SettingEntry& entry : allSettings())
    if (existsOnModel(entry, cl.model)) entries.push_back(&entry);
  if (const int status = readSettings(camera, entries, out, true); status != kExitDone)
    return status;
  if (cl.model != 0) return kExitDone;
  out << "area grid (row=mask, leftmost zone first):\n";
  return showArea(camera, out);
}

// The library's exports as the configuration key tables call them: every
// setting's pair and the area rows.
#define OCEL_CTL_LINKED(name) decltype(&::name) name = &::name;
#define OCEL_CTL_LINKED_SETTING(stem, ...) OCEL_CTL_LINKED(Get##stem) OCEL_CTL_LINKED(Set##stem)
struct LinkedExports {
  OCEL400_SETTINGS(OCEL_CTL_LINKED_SETTING)
  OCEL_CTL_LINKED(ReadArea)
  OCEL_CTL_LINKED(SelectArea)
};

using ConfigurationKeys = std::vector<ocel::config::ConfigurationKey<LinkedExports>>;

// Model 0 files hold the classic panel's keys, model 1 files the Settings
// page's, as the settings program writes them.
const ConfigurationKeys& keysForModel(int model) {
  return model == 0 ? ocel::config::classicKeys<LinkedExports>()
                    : ocel::config::settingsPageKeys<LinkedExports>();
}

// Reads every key first, so that a camera that stops answering leaves the
// file as it was; then writes the file once.
int saveToFile(const CommandLine& cl, Camera& camera, std::ostream& out, std::ostream& err) {
  const LinkedExports library;
  std::vector<ocel::config::ProfileEntry> entries;
  for (const auto& key : keysForModel(cl.model)) {
    stopIfAsked();
    const std::int32_t value = key.read(library);
    if (!camera.answered("reading " + std::string(key.key))) return kExitNoAnswer;
    entries.push_back({key.key, std::to_string(value)});
  }
  ocel::config::ProfileFile file(cl.words.front());
  if (const auto written = file.writeKeys(ocel::config::kSection, entries); !written.written) {
    err << "ocel400ctl: cannot write " << file.path() << ": " << written.reason << '\n';
    return kExitFileError;
  }
  out << "saved " << entries.size() << " keys to " << file.path() << '\n';
  return kExitDone;
}

// The text of a file to load: a file that is missing or cannot be read is
// an error here, not an empty file, so a script's typo cannot reset a camera.
std::optional<std::string> fileToLoad(const std::string& path, std::ostream& err) {
  ocel::config::FileText file = ocel::config::readTextFile(path);
  if (file.status == ocel::config::FileText::Status::Read) return std::move(file.text);
  err << "ocel400ctl: cannot read " << path << ": " << file.reason << '\n';
  return std::nullopt;
}

// Sends the file's keys in their send order; keys the file lacks send their
// defaults.
int loadFromFile(const CommandLine& cl, const std::string& text, Camera& camera,
                 std::ostream& out) {
  const LinkedExports library;
  const auto values = ocel::config::valuesToSend(keysForModel(cl.model), text);
  for (const auto& entry : values) {
    stopIfAsked();
    entry.key->send(library, entry.value);
    if (!camera.answered("sending " + std::string(entry.key->key))) return kExitNoAnswer;
  }
  out << "loaded " << values.size() << " keys from " << cl.words.front() << '\n';
  return kExitDone;
}

int execute(const CommandLine& cl, std::ostream& out, std::ostream& err) {
  // Everything the words say is checked before the port is touched.
  std::vector<const SettingEntry*> toRead;
  std::vector<Assignment> toWrite;
  std::vector<AreaAssignment> rows;
  switch (cl.command) {
    case Command::Get:
      if (cl.words.empty()) throw UsageError("get needs at least one NAME");
      for (const std::string& name : cl.words) toRead.push_back(&settingNamed(name, cl.model));
      break;
    case Command::Set:
      toWrite = parseAssignments(cl);
      for (const Assignment& a : toWrite)
        if (const auto note = substitutionNote(*a.entry, a.value))
          err << "ocel400ctl: " << *note << '\n';
      break;
    case Command::Area: rows = parseAreaAssignments(cl); break;
    case Command::Dump:
      if (!cl.words.empty()) throw UsageError("dump takes no arguments");
      break;
    case Command::Save:
    case Command::Load:
      if (cl.words.size() != 1) throw UsageError("save and load take one FILE");
      break;
    case Command::Help: out << kUsage; return kExitDone;
  }
  // A file to load is read whole before the port is touched.
  std::optional<std::string> loadText;
  if (cl.command == Command::Load && !(loadText = fileToLoad(cl.words.front(), err)))
    return kExitFileError;

  stopIfAsked();
  Camera camera(cl, err);
  if (!camera.open()) return kExitPortNotOpened;
  switch (cl.command) {
    case Command::Get: return readSettings(camera, toRead, out, false);
    case Command::Set:
      for (const Assignment& a : toWrite) {
        stopIfAsked();
        a.entry->set(a.value);
        if (!camera.answered("Set" + std::string(a.entry->name))) return kExitNoAnswer;
      }
      return kExitDone;
    case Command::Area:
      if (rows.empty()) return showArea(camera, out);
      for (const AreaAssignment& a : rows) {
        stopIfAsked();
        SelectArea(a.mask, static_cast<std::uint8_t>(a.row));
        if (!camera.answered("SelectArea(" + std::to_string(a.mask) + ", " + std::to_string(a.row) +
                             ")"))
          return kExitNoAnswer;
      }
      return kExitDone;
    case Command::Dump: return dump(cl, camera, out);
    case Command::Save: return saveToFile(cl, camera, out, err);
    case Command::Load: return loadFromFile(cl, *loadText, camera, out);
    case Command::Help: break;
  }
  return kExitDone;
}

}  // namespace

int runCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err) {
  try {
    const int status = execute(commandLine, out, err);
    stopIfAsked();  // a signal during the last exchange still says it came
    return status;
  } catch (const UsageError& e) {
    err << "ocel400ctl: " << e.message << '\n';
    return kExitUsage;
  } catch (const Stopped& stopped) {
    err << "ocel400ctl: stopped by signal " << stopped.signal
        << " after the exchange in progress\n";
    return exitStatusForSignal(stopped.signal);
  }
}

}  // namespace ocelctl

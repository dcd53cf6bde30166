#include "ctl_commands.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <filesystem>
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
  explicit UsageError(std::string message) : message(std::move(message)) {}
  std::string message;
};

std::optional<long long> parseInteger(std::string_view text) {
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> parseDecimal(std::string_view text) {
  const std::string copy(text);
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (copy.empty() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
  return value;
}

const SettingEntry& settingNamed(std::string_view name, int model) {
  const SettingEntry* entry = findSetting(name);
  if (entry == nullptr)
    throw UsageError("unknown setting '" + std::string(name) + "'; model " +
                     std::to_string(model) + " has: " + settingNames(model));
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
  throw UsageError(std::string(entry.name) + " takes " + expected + ", not '" +
                   std::string(text) + "'");
}

std::pair<std::string_view, std::string_view> splitAssignment(std::string_view word) {
  const auto eq = word.find('=');
  if (eq == std::string_view::npos) throw UsageError("expected NAME=VALUE, not '" + std::string(word) + "'");
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
  if (entry.kind == ValueKind::Decibel)
    std::snprintf(text, sizeof text, "%.1f", value);
  else
    std::snprintf(text, sizeof text, "%.0f", value);
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

// The opened camera line, and how its failures are told.
class Camera {
 public:
  Camera(const CommandLine& cl, std::ostream& err)
      : cl_(cl), err_(err), portName_("COM" + std::to_string(cl.port)),
        device_(ocel400::devicePathForPort(portName_)) {}

  bool open() {
    const std::uint16_t result = PortInitEx(cl_.port, cl_.model, cl_.standard, cl_.baud, cl_.parity);
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

int readSettings(Camera& camera, const std::vector<const SettingEntry*>& entries,
                 std::ostream& out, bool asTable) {
  for (const SettingEntry* entry : entries) {
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
  if (const int status = readSettings(camera, entries, out, true); status != kExitDone) return status;
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
// file as it was; then writes the keys in order.
int saveToFile(const CommandLine& cl, Camera& camera, std::ostream& out, std::ostream& err) {
  const LinkedExports library;
  std::vector<std::int32_t> values;
  for (const auto& key : keysForModel(cl.model)) {
    values.push_back(key.read(library));
    if (!camera.answered("reading " + std::string(key.key))) return kExitNoAnswer;
  }
  ocel::config::ProfileFile file(cl.words.front());
  std::size_t index = 0;
  for (const auto& key : keysForModel(cl.model)) {
    if (!file.writeInt(ocel::config::kSection, key.key, values[index++])) {
      err << "ocel400ctl: cannot write " << file.path() << '\n';
      return kExitNoAnswer;
    }
  }
  out << "saved " << values.size() << " keys to " << file.path() << '\n';
  return kExitDone;
}

// Sends the file's keys in their send order; keys the file lacks send their
// defaults. A file that cannot be read is an error here, not an empty file:
// a script's typo must not reset a camera.
int loadFromFile(const CommandLine& cl, Camera& camera, std::ostream& out, std::ostream& err) {
  const ocel::config::ProfileFile file(cl.words.front());
  const std::optional<std::string> text = file.readText();
  if (!text || !std::filesystem::exists(file.path())) {
    err << "ocel400ctl: cannot read " << file.path() << '\n';
    return kExitNoAnswer;
  }
  const LinkedExports library;
  const auto values = ocel::config::valuesToSend(keysForModel(cl.model), *text);
  for (const auto& entry : values) {
    entry.key->send(library, entry.value);
    if (!camera.answered("sending " + std::string(entry.key->key))) return kExitNoAnswer;
  }
  out << "loaded " << values.size() << " keys from " << file.path() << '\n';
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
    case Command::Set: toWrite = parseAssignments(cl); break;
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

  Camera camera(cl, err);
  if (!camera.open()) return kExitPortNotOpened;
  switch (cl.command) {
    case Command::Get: return readSettings(camera, toRead, out, false);
    case Command::Set:
      for (const Assignment& a : toWrite) {
        a.entry->set(a.value);
        if (!camera.answered("Set" + std::string(a.entry->name))) return kExitNoAnswer;
      }
      return kExitDone;
    case Command::Area:
      if (rows.empty()) return showArea(camera, out);
      for (const AreaAssignment& a : rows) {
        SelectArea(a.mask, static_cast<std::uint8_t>(a.row));
        if (!camera.answered("SelectArea(" + std::to_string(a.mask) + ", " + std::to_string(a.row) + ")"))
          return kExitNoAnswer;
      }
      return kExitDone;
    case Command::Dump: return dump(cl, camera, out);
    case Command::Save: return saveToFile(cl, camera, out, err);
    case Command::Load: return loadFromFile(cl, camera, out, err);
    case Command::Help: break;
  }
  return kExitDone;
}

}  // namespace

int runCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err) {
  try {
    return execute(commandLine, out, err);
  } catch (const UsageError& e) {
    err << "ocel400ctl: " << e.message << '\n';
    return kExitUsage;
  }
}

}  // namespace ocelctl

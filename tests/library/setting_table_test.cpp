// Every setting on both models, byte for byte, against the camera's registers
// and range rules written out here, not the library's own tables.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "Ocel400.h"
#include "Ocel400_settings.h"
#include "fake_line.h"
#include "library_state.h"

namespace ocel::testing {
namespace {

constexpr int kNothingSent = -1;

struct Probe {
  double argument;
  int sent;  // the value field, or kNothingSent
};

// low and high sent as given; low - 1 (an unsigned argument's largest value)
// and high + 1 replaced by substitute.
std::vector<Probe> range(int low, int high, int substitute) {
  return {
      {double(low), low}, {double(high), high}, {low - 1.0, substitute}, {high + 1.0, substitute}};
}

// Exactly the values given, each value's successor replaced by substitute.
std::vector<Probe> oneOf(std::set<int> values, int substitute) {
  std::vector<Probe> probes;
  for (int v : values) {
    probes.push_back({double(v), v});
    if (!values.count(v + 1)) probes.push_back({v + 1.0, substitute});
  }
  return probes;
}

constexpr int kAbsent = 255;    // model 0 lacks the setting and addresses 255
constexpr int kUnassigned = 0;  // model 1 assigns AEArea nothing: its entry stays as loaded

struct SettingRow {
  const char* stem;
  int model0, model1;  // the register written and read
  std::vector<Probe> probes;
  std::vector<Probe> model0Probes = {};  // where model 0 sends otherwise
};

// clang-format off
const SettingRow kRows[] = {
    {"Mode",    0,  0,   range(0, 0, 1)},
    {"ModeGC",  1,  1,   oneOf({0, 1, 2, 4}, 2)},
    {"ModeES",  2,  2,   oneOf({0, 1, 2, 4}, 2)},
    {"ModeWB",  3,  3,   range(0, 4, 0)},
    {"ModeZM",  kAbsent, 5, range(0, 0, 1)},
    // Gain and shutter speed: one probe per model and way of converting.
    {"MGC",     7,  7,   {{24.0, 240}}, {{6.0, 85}}},
    {"MES",     8,  8,   {{1000, 119}, {30000, 255}}},  // PAL: from the table, by formula
    {"MWBR",    9,  9,   range(0, 255, 0)},
    {"MWBB",    10, 10,  range(0, 255, 255)},
    {"AEOff",   14, 22,  range(0, 255, 128)},
    {"AEArea",  15, kUnassigned, range(0, 255, 51)},
    {"AgesRes", 16, 28,  range(0, 255, 32)},
    {"AgcRes",  16, 28,  range(1, 10, 1)},
    {"AesRes",  16, 29,  range(1, 10, 1)},
    {"Shape",   17, 14,  range(0, 255, 235)},
    {"YGamma",  18, 15,  range(0, 255, 235)},
    {"CGamma",  19, 16,  range(0, 255, 0)},
    {"NegPos",  20, 20,  range(0, 3, 0)},
    {"Phase",   21, 26,  range(0, 255, 0)},
    {"ATWRes",  23, 30,  range(0, 255, 0)},
    {"AEMode",  24, 21,  range(0, 9, 0)},       // one digit holds no more than 9
    {"Usflg",   31, 127, {{1, 1}, {255, 255}, {0, kNothingSent}, {2, kNothingSent}}},
    {"DZoom",   kAbsent, 17, range(63, 255, 235)},
    {"AELevel", kAbsent, 22, range(0, 999, 255)},  // three digits hold no more than 999
    {"EZPane",  kAbsent, 23, oneOf({0, 128, 255}, 128)},
    {"EZTilt",  kAbsent, 24, oneOf({0, 128, 255}, 128)},
    {"EZDemo",  kAbsent, 25, range(0, 10, 1)},
    {"DigAgc",  kAbsent, 27, range(0, 6, 3)},
    {"EZSWBtn", kAbsent, 33, range(0, 63, 0)},
    {"ESMin",   kAbsent, 35, range(0, 255, 0)},
    {"ESMax",   kAbsent, 36, range(0, 155, 155)},
    {"MaxGain", kAbsent, 37, range(0, 240, 240)},
    {"MinGain", kAbsent, 38, range(0, 240, 0)},
    {"EZMinn",  kAbsent, 43, range(64, 255, 64)},
    {"Rate0",   kAbsent, 55, range(0, 255, 255)},
    {"Rate1",   kAbsent, 56, range(0, 255, 255)},
    {"Rate2",   kAbsent, 57, range(0, 255, 255)},
    {"Rate3",   kAbsent, 58, range(0, 255, 255)},
    {"Rate4",   kAbsent, 59, range(0, 255, 255)},
    {"Rate5",   kAbsent, 60, range(0, 255, 255)},
    {"RateP",   kAbsent, 61, range(0, 255, 64)},
    {"DioSel",  kAbsent, 101, oneOf({10, 32}, 10)},
    {"ReBps",   kAbsent, 125, oneOf({96, 48, 24}, 96)},
    {"RePrt",   kAbsent, 126, oneOf({0, 1, 2}, 0)},
};
// clang-format on

// Whole-number parameters keep the low bits, as a C caller's would.
template <typename Argument>
Argument as(double value) {
  if constexpr (std::is_floating_point_v<Argument>) return value;
  else return static_cast<Argument>(static_cast<long long>(value));
}

struct Exports {
  uint16_t (*set)(double);
  void (*get)();
};

#define OCEL_TEST_EXPORTS(stem, argument, ...) \
  {#stem, {[](double v) { return Set##stem(as<argument>(v)); }, [] { Get##stem(); }}},
const std::map<std::string, Exports> kExports{OCEL400_SETTINGS(OCEL_TEST_EXPORTS)};
#undef OCEL_TEST_EXPORTS

std::string threeDigits(int n) {
  return {char('0' + n / 100), char('0' + n / 10 % 10), char('0' + n % 10)};
}

// A read names the register as '0', then tens and ones from '0' (past '9' from 100 on).
std::string frame(char kind, int reg, int value) {
  const std::string regField =
      kind == 'R' ? std::string{'0', char('0' + reg / 10), char('0' + reg % 10)} : threeDigits(reg);
  return "000000" + std::string(1, kind) + regField + threeDigits(value) + "\r";
}

std::vector<std::string> writes(const FakeLine& line) {
  std::vector<std::string> frames;
  for (const std::string& entry : line.log)
    if (entry.rfind("write:", 0) == 0) frames.push_back(entry.substr(6));
  return frames;
}

// The library as PortInitEx(port, model, PAL, 9600, none) leaves it.
FakeLine& setUpCamera(int model) {
  libraryState() = LibraryState{};
  storeCameraSetup(model, OCEL400_PAL, 9600, 0);
  auto line = std::make_unique<FakeLine>();
  FakeLine& fake = *line;
  libraryState().line = std::move(line);
  return fake;
}

TEST(SettingTable, EverySetterWritesItsRegisterByItsRuleAndEveryGetterReadsIt) {
  // One row per setting: distinct stems, as many as listed; at() throws on others.
  std::set<std::string> stems;
  for (const SettingRow& row : kRows) stems.insert(row.stem);
  ASSERT_EQ(stems.size(), kExports.size());

  for (int model : {0, 1}) {
    FakeLine& line = setUpCamera(model);
    for (const SettingRow& row : kRows) {
      const int reg = model == 0 ? row.model0 : row.model1;
      const Exports& exports = kExports.at(row.stem);
      const auto& probes = model == 0 && !row.model0Probes.empty() ? row.model0Probes : row.probes;
      for (const Probe& probe : probes) {
        SCOPED_TRACE("model " + std::to_string(model) + ": Set" + row.stem + "(" +
                     ::testing::PrintToString(probe.argument) + ")");
        line.log.clear();
        line.replies = {"000000C000000\r"};
        EXPECT_EQ(exports.set(probe.argument), OCEL400_DONE);
        const auto expected = probe.sent == kNothingSent
                                  ? std::vector<std::string>{}
                                  : std::vector<std::string>{frame('W', reg, probe.sent)};
        EXPECT_EQ(writes(line), expected);
      }

      SCOPED_TRACE("model " + std::to_string(model) + ": Get" + row.stem + "()");
      const std::string request = frame('R', reg, 0);
      line.log.clear();
      line.replies = {request.substr(0, 6) + 'C' + request.substr(7)};
      exports.get();
      EXPECT_EQ(writes(line), std::vector<std::string>{request});
      EXPECT_EQ(LastResult(), OCEL400_DONE);
    }
  }
  libraryState() = LibraryState{};
}

}  // namespace
}  // namespace ocel::testing

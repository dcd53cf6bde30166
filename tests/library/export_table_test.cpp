// The shared library exports the 92 camera functions and LastResult, under
// their plain names, and nothing else.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

const std::set<std::string> kExpected{
    "PortInit", "PortInitEx", "LastResult", "SelectArea", "ReadArea",
    "SetMode", "SetModeZM", "SetNegPos", "SetModeWB", "SetModeES", "SetModeGC", "SetAEMode",
    "SetAEOff", "SetAEArea", "SetAgesRes", "SetAgcRes", "SetAesRes", "SetATWRes", "SetShape",
    "SetYGamma", "SetCGamma", "SetPhase", "SetMWBR", "SetMWBB", "SetESMin", "SetESMax",
    "SetMinGain", "SetMaxGain", "SetAELevel", "SetDigAgc", "SetDZoom", "SetEZMinn", "SetEZPane",
    "SetEZTilt", "SetEZSWBtn", "SetEZDemo", "SetRate0", "SetRate1", "SetRate2", "SetRate3",
    "SetRate4", "SetRate5", "SetRateP", "SetDioSel", "SetReBps", "SetRePrt", "SetUsflg",
    "SetMGC", "SetMES",
    "GetMode", "GetModeGC", "GetModeES", "GetModeWB", "GetModeZM", "GetMWBR", "GetMWBB",
    "GetAEOff", "GetAEArea", "GetAgesRes", "GetAgcRes", "GetAesRes", "GetShape", "GetYGamma",
    "GetCGamma", "GetNegPos", "GetPhase", "GetATWRes", "GetAEMode", "GetUsflg", "GetDZoom",
    "GetAELevel", "GetEZPane", "GetEZTilt", "GetEZDemo", "GetDigAgc", "GetEZSWBtn", "GetESMin",
    "GetESMax", "GetMaxGain", "GetMinGain", "GetEZMinn", "GetRate0", "GetRate1", "GetRate2",
    "GetRate3", "GetRate4", "GetRate5", "GetRateP", "GetDioSel", "GetReBps", "GetRePrt",
    "GetMGC", "GetMES",
};

// Defined symbols of the dynamic symbol table, as "TYPE NAME".
std::set<std::string> dynamicSymbols(const std::string& library) {
  const std::string command = "nm -D --defined-only --format=posix '" + library + "'";
  FILE* pipe = popen(command.c_str(), "r");
  std::set<std::string> symbols;
  if (pipe == nullptr) return symbols;
  char line[512];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    char name[256], type[8];
    if (std::sscanf(line, "%255s %7s", name, type) == 2) symbols.insert(std::string(type) + " " + name);
  }
  pclose(pipe);
  return symbols;
}

TEST(ExportTable, ExactlyTheCameraFunctions) {
  ASSERT_EQ(kExpected.size(), 93u);
  std::set<std::string> expected;
  for (const std::string& name : kExpected) expected.insert("T " + name);
  EXPECT_EQ(dynamicSymbols(OCEL400_LIBRARY_PATH), expected);
}

}  // namespace

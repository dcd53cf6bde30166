// The shared library exports the 92 camera functions and LastResult, and nothing else.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "export_names.h"

namespace {

// Defined symbols of the dynamic symbol table, as "TYPE NAME".
std::set<std::string> dynamicSymbols(const std::string& library) {
  const std::string command = "nm -D --defined-only --format=posix '" + library + "'";
  FILE* pipe = popen(command.c_str(), "r");
  std::set<std::string> symbols;
  if (pipe == nullptr) return symbols;
  char line[512];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    char name[256], type[8];
    if (std::sscanf(line, "%255s %7s", name, type) == 2)
      symbols.insert(std::string(type) + " " + name);
  }
  pclose(pipe);
  return symbols;
}

#define OCEL400_EXPORT_NAME(name) "T " #name,
const std::set<std::string> kLibrary{OCEL400_FOR_EACH_EXPORT};
#undef OCEL400_EXPORT_NAME

TEST(ExportTable, ExactlyTheCameraFunctions) {
  ASSERT_EQ(kLibrary.size(), 93u);
  EXPECT_EQ(dynamicSymbols(OCEL400_LIBRARY_PATH), kLibrary);
}

}  // namespace

// Loads Ocel400.dll as a program loads it and binds every lib:: entry point.
#pragma once

#define NOMINMAX 1  // as libstdc++ for Windows defines it
#include <windows.h>

#include <string>

#include "lib_exports.h"

namespace ocel::testing {

// Empty when all are bound, else what is wrong.
inline std::string bindExports() {
  const HMODULE dll = LoadLibraryA("Ocel400.dll");
  if (dll == nullptr) return "cannot load Ocel400.dll: error " + std::to_string(GetLastError());
  std::string missing;
  // Through void (*)(), the one cast that does not warn of mismatched types.
#define OCEL400_EXPORT_NAME(name)                                \
  lib::name = reinterpret_cast<decltype(lib::name)>(             \
      reinterpret_cast<void (*)()>(GetProcAddress(dll, #name))); \
  if (lib::name == nullptr) missing += " " #name;
  OCEL400_FOR_EACH_EXPORT
#undef OCEL400_EXPORT_NAME
  return missing.empty() ? std::string() : "Ocel400.dll does not export" + missing;
}

}  // namespace ocel::testing

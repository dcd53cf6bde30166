#include "bound_exports.h"

#include <windows.h>

namespace ocel::testing {

std::string bindExports() {
  const HMODULE dll = LoadLibraryA("Ocel400.dll");
  if (dll == nullptr) return "cannot load Ocel400.dll: error " + std::to_string(GetLastError());
  std::string missing;
  // Through void (*)(): the one cast that does not warn of a mismatched
  // function type.
#define OCEL400_EXPORT_NAME(name)                                                    \
  lib::name = reinterpret_cast<decltype(lib::name)>(                                 \
      reinterpret_cast<void (*)()>(GetProcAddress(dll, #name)));                     \
  if (lib::name == nullptr) missing += " " #name;
  OCEL400_FOR_EACH_EXPORT
#undef OCEL400_EXPORT_NAME
  return missing.empty() ? std::string() : "Ocel400.dll does not export" + missing;
}

}  // namespace ocel::testing

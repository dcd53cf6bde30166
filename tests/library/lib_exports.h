// The shared case tables call the library as lib::Name: the linked exports in
// the Linux tests; in the Windows driver, entry points it binds from
// Ocel400.dll by plain name (bindExports in driver_main.cpp).
#pragma once

#include "Ocel400.h"
#include "export_names.h"

namespace ocel::testing::lib {
#if defined(_WIN32)
#  define OCEL400_EXPORT_NAME(name) inline decltype(&::name) name = nullptr;
#else
#  define OCEL400_EXPORT_NAME(name) using ::name;
#endif
OCEL400_FOR_EACH_EXPORT
#undef OCEL400_EXPORT_NAME
}  // namespace ocel::testing::lib

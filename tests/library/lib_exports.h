// The shared case tables call the library as lib::Name: the linked exports in
// the Linux tests, the entry points bound from Ocel400.dll in the Windows
// driver.
#pragma once

#if defined(_WIN32)
#include "bound_exports.h"
#else
#include "Ocel400.h"
#include "export_names.h"

namespace ocel::testing::lib {
#define OCEL400_EXPORT_NAME(name) using ::name;
OCEL400_FOR_EACH_EXPORT
#undef OCEL400_EXPORT_NAME
}  // namespace ocel::testing::lib
#endif

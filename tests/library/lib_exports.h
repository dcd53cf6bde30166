// lib::Name: the linked export on Linux, the entry point the Windows driver
// binds by plain name.
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

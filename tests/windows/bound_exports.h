// lib::Name for the Windows driver: the entry points of Ocel400.dll, loaded
// by file name as a program loads it and bound by plain export name.
#pragma once

#include <string>

#include "Ocel400.h"
#include "export_names.h"

namespace ocel::testing {

namespace lib {
#define OCEL400_BOUND_ENTRY(name) inline decltype(&::name) name = nullptr;
OCEL400_EXPORT_NAMES(OCEL400_BOUND_ENTRY)
#undef OCEL400_BOUND_ENTRY
}  // namespace lib

// Loads Ocel400.dll and binds every lib:: entry point. Empty when all are
// bound, else what is wrong.
std::string bindExports();

}  // namespace ocel::testing

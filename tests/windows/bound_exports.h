// lib::Name for the Windows driver: the entry points of Ocel400.dll, loaded
// by file name as a program loads it and bound by plain export name.
#pragma once

#include <string>

#include "Ocel400.h"
#include "export_names.h"

namespace ocel::testing {

namespace lib {
#define OCEL400_EXPORT_NAME(name) inline decltype(&::name) name = nullptr;
OCEL400_FOR_EACH_EXPORT
#undef OCEL400_EXPORT_NAME
}  // namespace lib

// Loads Ocel400.dll and binds every lib:: entry point. Empty when all are
// bound, else what is wrong.
std::string bindExports();

}  // namespace ocel::testing

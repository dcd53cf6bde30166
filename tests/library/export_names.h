// Every export of the library by its plain name: the port, result and area
// functions, then Set<stem> and Get<stem> of each setting that
// Ocel400_settings.h lists. OCEL400_FOR_EACH_EXPORT expands the includer's
// OCEL400_EXPORT_NAME(name) once per export. The export-table tests compare
// the built libraries against it, and the Windows test driver binds its
// entry points by these names.
#pragma once

#include "Ocel400_settings.h"

#define OCEL400_LINE_AND_AREA_EXPORTS(X) \
  X(PortInit) X(PortInitEx) X(LastResult) X(SelectArea) X(ReadArea)

#define OCEL400_SETTING_EXPORT_NAMES_(stem, ...) \
  OCEL400_EXPORT_NAME(Set##stem) OCEL400_EXPORT_NAME(Get##stem)

#define OCEL400_FOR_EACH_EXPORT                      \
  OCEL400_LINE_AND_AREA_EXPORTS(OCEL400_EXPORT_NAME) \
  OCEL400_SETTINGS(OCEL400_SETTING_EXPORT_NAMES_)

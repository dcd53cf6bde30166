// Every export of the library by its plain name: OCEL400_FOR_EACH_EXPORT
// expands the includer's OCEL400_EXPORT_NAME(name) once per export.
#pragma once

#include "Ocel400_settings.h"

#define OCEL400_LINE_AND_AREA_EXPORTS(X) \
  X(PortInit) X(PortInitEx) X(LastResult) X(SelectArea) X(ReadArea)

#define OCEL400_SETTING_EXPORT_NAMES_(stem, ...) \
  OCEL400_EXPORT_NAME(Set##stem) OCEL400_EXPORT_NAME(Get##stem)

#define OCEL400_FOR_EACH_EXPORT                      \
  OCEL400_LINE_AND_AREA_EXPORTS(OCEL400_EXPORT_NAME) \
  OCEL400_SETTINGS(OCEL400_SETTING_EXPORT_NAMES_)

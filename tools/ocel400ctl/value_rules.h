// What the library sends for a value: each setter takes its argument in the
// C type of its export, then sends the value when the setting accepts it and
// a fixed substitute otherwise (the table of Ocel400_values.h). ocel400ctl
// says so when a value will not reach the camera as given.
#pragma once

#include <optional>
#include <string>

#include "settings_catalog.h"

namespace ocelctl {

// The note for a value that the library will change or drop, e.g.
// "Shape=-1: the library sends 235 instead (Shape takes 0...255)";
// none when the value goes out as given.
std::optional<std::string> substitutionNote(const SettingEntry& entry, double value);

}  // namespace ocelctl

// What the library sends for a value: each setter takes its argument in
// the C type of its export, then sends the value when the setting accepts
// it and a fixed substitute otherwise (the rules the public header lists).
// ocel400ctl says so when a value will not reach the camera as given.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ocelctl {

// The note for a value that the library will change or drop, e.g.
// "Shape=-1: the library sends 235 instead (Shape takes 0...255)";
// none when the value goes out as given.
std::optional<std::string> substitutionNote(std::string_view setting, double value);

// What the library sends for the value, as the camera then reports it;
// none for a setting without a rule here or a value that sends nothing.
std::optional<double> valueSent(std::string_view setting, double value);

}  // namespace ocelctl

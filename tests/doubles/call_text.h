// The text of one logged call: "SetShape(131)", "SetMGC(6.5)",
// "SelectArea(15,1)", "GetShape()".
#ifndef OCEL_DOUBLE_CALL_TEXT_H
#define OCEL_DOUBLE_CALL_TEXT_H

#include <concepts>
#include <cstdio>
#include <string>
#include <string_view>

namespace ocel_double {

// Integers in decimal with their sign (uint8_t as a number, not a char).
template <std::integral T>
std::string argumentText(T value) {
  return std::to_string(value);
}

inline std::string argumentText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

template <typename... Args>
std::string callText(std::string_view name, Args... args) {
  std::string text(name);
  text += '(';
  [[maybe_unused]] const char* separator = "";  // unused without arguments
  ((text += separator, text += argumentText(args), separator = ","), ...);
  text += ')';
  return text;
}

}  // namespace ocel_double

#endif  // OCEL_DOUBLE_CALL_TEXT_H

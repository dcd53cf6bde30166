// Private-profile (INI) text: "[section]" lines and "key=value" lines.
// Section and key names match without regard to letter case. Pure text in,
// text out; profile_file.h does the file access.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ocel::config {

// The value of key in section, trimmed; none when the section or key is
// missing.
std::optional<std::string> readProfileString(std::string_view text, std::string_view section,
                                             std::string_view key);

// The text with key set to value: replaced in place when the key exists,
// otherwise appended after the section's last entry; the section is added
// at the end when it is missing. Every other byte stays as it was: each line
// keeps its own ending (mixed CRLF and LF, a bare CR at the end), and a new
// line takes the break of the line before it (CRLF in a new file).
std::string writeProfileString(std::string_view text, std::string_view section,
                               std::string_view key, std::string_view value);

// A plain decimal integer: optional minus sign and digits, nothing else,
// within 32 bits. Anything else is none.
std::optional<std::int32_t> parsePlainDecimal(std::string_view text);

}  // namespace ocel::config

#include "config/profile_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

namespace ocel::config {

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// "[name]" -> name; none for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
  line = trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return trim(line.substr(1, close - 1));
}

// "key=value" -> key; none for comments and lines without '='.
std::optional<std::string_view> keyName(std::string_view line) {
  const std::string_view trimmed = trim(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return trim(trimmed.substr(0, equals));
}

// Where a section's lines are: [first, last) after its header.
struct SectionSpan {
  std::size_t first, last;
};

std::optional<SectionSpan> findSection(const std::vector<std::string_view>& lines,
                                       std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = sectionName(lines[i]);
    if (!name || !sameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !sectionName(lines[end])) ++end;
    return SectionSpan{i + 1, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<std::string_view>& lines,
                                   const SectionSpan& span, std::string_view key) {
  for (std::size_t i = span.first; i < span.last; ++i) {
    const auto name = keyName(lines[i]);
    if (name && sameName(*name, key)) return i;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> readProfileString(std::string_view text, std::string_view section,
                                             std::string_view key) {
  const std::vector<std::string_view> lines = splitLines(text);
  const auto span = findSection(lines, section);
  if (!span) return std::nullopt;
  const auto line = findKey(lines, *span, key);
  if (!line) return std::nullopt;
  const std::string_view entry = lines[*line];
  return std::string(trim(entry.substr(entry.find('=') + 1)));
}

std::string writeProfileString(std::string_view text, std::string_view section,
                               std::string_view key, std::string_view value) {
  const std::string_view eol =
      text.empty() || text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
  std::vector<std::string_view> lines = splitLines(text);
  const std::string entry = std::string(key) + "=" + std::string(value);
  std::string header(1, '[');
  header.append(section).push_back(']');

  if (const auto span = findSection(lines, section)) {
    if (const auto line = findKey(lines, *span, key)) {
      lines[*line] = entry;
    } else {
      // After the section's last entry, before any blank lines that part it
      // from the next section.
      std::size_t at = span->last;
      while (at > span->first && trim(lines[at - 1]).empty()) --at;
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
    }
  } else {
    lines.push_back(header);
    lines.push_back(entry);
  }

  std::string result;
  for (std::string_view line : lines) {
    result.append(line);
    result.append(eol);
  }
  return result;
}

std::optional<std::int32_t> parsePlainDecimal(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const bool negative = text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) {
        return c >= '0' && c <= '9';
      }))
    return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace ocel::config

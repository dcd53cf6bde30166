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
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// One line of the text: what it says and how it ends ("\r\n", "\n", a bare
// "\r" that ends the text, or nothing on a last line without a break).
struct Line {
  std::string_view content;
  std::string_view ending;
};

std::vector<Line> splitLines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    std::size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
    std::size_t contentEnd = newline == std::string_view::npos ? text.size() : newline;
    if (contentEnd > 0 && text[contentEnd - 1] == '\r') --contentEnd;
    lines.push_back({text.substr(0, contentEnd), text.substr(contentEnd, end - contentEnd)});
    text.remove_prefix(end);
  }
  return lines;
}

bool endsWithBreak(const Line& line) { return line.ending.ends_with('\n'); }

// The line break a new line gets: that of the line before it, else the
// text's first, else CRLF (a new file).
std::string_view newLineBreak(const std::vector<Line>& lines, std::size_t before) {
  if (before > 0 && endsWithBreak(lines[before - 1])) return lines[before - 1].ending;
  for (const Line& line : lines)
    if (endsWithBreak(line)) return line.ending;
  return "\r\n";
}

// A line that is followed by a new one needs a break of its own; a bare CR
// at the end of the text keeps its byte and gains the LF.
void giveBreak(std::vector<Line>& lines, std::size_t index, std::string_view lineBreak) {
  Line& line = lines[index];
  if (endsWithBreak(line)) return;
  line.ending = line.ending.empty() ? lineBreak : std::string_view("\r\n");
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

std::optional<SectionSpan> findSection(const std::vector<Line>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = sectionName(lines[i].content);
    if (!name || !sameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !sectionName(lines[end].content)) ++end;
    return SectionSpan{i + 1, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<Line>& lines, const SectionSpan& span,
                                   std::string_view key) {
  for (std::size_t i = span.first; i < span.last; ++i) {
    const auto name = keyName(lines[i].content);
    if (name && sameName(*name, key)) return i;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> readProfileString(std::string_view text, std::string_view section,
                                             std::string_view key) {
  const std::vector<Line> lines = splitLines(text);
  const auto span = findSection(lines, section);
  if (!span) return std::nullopt;
  const auto line = findKey(lines, *span, key);
  if (!line) return std::nullopt;
  const std::string_view entry = lines[*line].content;
  return std::string(trim(entry.substr(entry.find('=') + 1)));
}

std::string writeProfileString(std::string_view text, std::string_view section,
                               std::string_view key, std::string_view value) {
  std::vector<Line> lines = splitLines(text);
  const std::string entry = std::string(key) + "=" + std::string(value);
  std::string header(1, '[');
  header.append(section).push_back(']');

  // Puts a new line before index, after a line that ends in a break.
  auto insert = [&lines](std::size_t index, std::string_view content) {
    const std::string_view lineBreak = newLineBreak(lines, index);
    if (index > 0) giveBreak(lines, index - 1, lineBreak);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), Line{content, lineBreak});
  };

  if (const auto span = findSection(lines, section)) {
    if (const auto line = findKey(lines, *span, key)) {
      lines[*line].content = entry;  // the line keeps its own ending
    } else {
      // After the section's last entry, before any blank lines that part it
      // from the next section.
      std::size_t at = span->last;
      while (at > span->first && trim(lines[at - 1].content).empty()) --at;
      insert(at, entry);
    }
  } else {
    insert(lines.size(), header);
    insert(lines.size(), entry);
  }

  std::string result;
  for (const Line& line : lines) {
    result.append(line.content);
    result.append(line.ending);
  }
  return result;
}

std::optional<std::int32_t> parsePlainDecimal(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const bool negative = text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty() ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace ocel::config

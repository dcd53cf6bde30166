#include "config/profile_file.h"

#include <optional>

#include "config/profile_text.h"

namespace ocel::config {

FileWrite ProfileFile::writeKeys(const std::string& section,
                                 const std::vector<ProfileEntry>& entries) {
  FileText file = read();
  if (file.status == FileText::Status::Refused) return {false, file.reason};
  std::string text = std::move(file.text);
  for (const ProfileEntry& entry : entries)
    text = writeProfileString(text, section, entry.key, entry.value);
  return replaceFileText(path_, text);
}

std::int32_t readProfileInt(const std::string& text, const std::string& section,
                            const std::string& key, std::int32_t defaultValue) {
  const std::optional<std::string> value = readProfileString(text, section, key);
  if (!value) return defaultValue;
  return parsePlainDecimal(*value).value_or(defaultValue);
}

}  // namespace ocel::config

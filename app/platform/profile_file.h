// A private-profile file on disk. Every write reads the file, changes the
// one key and replaces the file atomically (temporary file, then rename), so
// a crash or a full disk never leaves a half-written file behind.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

namespace ocel::platform {

class ProfileFile {
 public:
  explicit ProfileFile(QString path) : path_(std::move(path)) {}

  const QString& path() const { return path_; }

  // Sets key in section, creating the file and the section when they are
  // missing. False when the file could not be read or written.
  bool writeString(const std::string& section, const std::string& key, const std::string& value);
  bool writeInt(const std::string& section, const std::string& key, std::int64_t value) {
    return writeString(section, key, std::to_string(value));
  }

  // The key's value; none when the file, section or key is missing.
  std::optional<std::string> readString(const std::string& section, const std::string& key) const;
  // The key's value as a plain decimal number; the default when the file,
  // section or key is missing or the value is anything else.
  std::int32_t readInt(const std::string& section, const std::string& key,
                       std::int32_t defaultValue) const;

 private:
  QString path_;
};

}  // namespace ocel::platform

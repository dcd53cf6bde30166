// A private-profile file on disk. Every write reads the file, changes the
// one key and replaces the file atomically (temporary file, flushed, then
// renamed over it), so a crash or a full disk never leaves a half-written
// file behind.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ocel::config {

class ProfileFile {
 public:
  explicit ProfileFile(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }

  // Sets key in section, creating the file and the section when they are
  // missing. False when the file could not be read or written.
  bool writeString(const std::string& section, const std::string& key, const std::string& value);
  bool writeInt(const std::string& section, const std::string& key, std::int64_t value) {
    return writeString(section, key, std::to_string(value));
  }

  // The file's whole text: empty for a missing file, none when it exists
  // but cannot be read.
  std::optional<std::string> readText() const;

 private:
  std::string path_;
};

// The key's value as a plain decimal number; the default when the section
// or key is missing or the value is anything else.
std::int32_t readProfileInt(const std::string& text, const std::string& section,
                            const std::string& key, std::int32_t defaultValue);

}  // namespace ocel::config

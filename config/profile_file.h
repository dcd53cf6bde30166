// A private-profile file on disk: read whole, and written whole. A write
// sets all its keys in the file's text and replaces the file once, so a
// crash, a kill or a full disk leaves the old file or the new one, never a
// mixture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/file_reading.h"
#include "config/file_replacing.h"

namespace ocel::config {

struct ProfileEntry {
  std::string key;
  std::string value;
};

class ProfileFile {
 public:
  explicit ProfileFile(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }

  // The file's whole text, or why there is none (see readTextFile).
  FileText read() const { return readTextFile(path_); }

  // Sets every entry's key in section, in order, creating the file and the
  // section when they are missing, and writes the file once. Fails without
  // a change when the file exists but cannot be read.
  FileWrite writeKeys(const std::string& section, const std::vector<ProfileEntry>& entries);

 private:
  std::string path_;
};

// The key's value as a plain decimal number; the default when the section
// or key is missing or the value is anything else.
std::int32_t readProfileInt(const std::string& text, const std::string& section,
                            const std::string& key, std::int32_t defaultValue);

}  // namespace ocel::config

// Reading a configuration file whole, refusing anything that is not a
// plain file of sensible size: a directory, a FIFO or a device must never
// read as an empty file (which loads every default) nor block or grow
// without end.
#pragma once

#include <cstddef>
#include <string>

namespace ocel::config {

// A real configuration file is a few hundred bytes.
inline constexpr std::size_t kMaxFileBytes = 1 << 20;

struct FileText {
  enum class Status {
    Read,     // text holds the file
    Missing,  // nothing at the path
    Refused,  // it exists but cannot be read as a configuration file
  };
  Status status = Status::Read;
  std::string text;
  std::string reason;  // why it is missing or refused, for a message
};

// Only a regular file of at most kMaxFileBytes is read; anything else is
// refused before a byte of it is read.
FileText readTextFile(const std::string& path);

}  // namespace ocel::config

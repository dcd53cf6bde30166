// Replacing a file's text as one step: a save that is killed, or meets a
// full disk, leaves the old text whole. The file keeps what it is beyond
// its text: a symbolic link is written through to its target, owner and
// mode stay, and a file with other hard links stays one file.
#pragma once

#include <string>

namespace ocel::config {

struct FileWrite {
  bool written = false;
  std::string reason;  // why not, for a message
};

// The new text goes to an unnamed file beside the target, is flushed to the
// disk and then renamed over the target. A new file's mode follows the
// umask. A file with other hard links, or whose owner a new file could not
// be given, or in a folder that takes no new files, is overwritten in place
// instead (one write and a truncation, then flushed).
FileWrite replaceFileText(const std::string& path, const std::string& text);

}  // namespace ocel::config

#include "config/profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <vector>

#include "config/profile_text.h"

namespace ocel::config {

namespace {

// The mode a new file gets from the process's umask, or the one the file
// being replaced had.
mode_t modeFor(const std::string& path) {
  struct stat existing {};
  if (stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes text to a temporary file beside path, flushes it to the disk and
// renames it over path: readers see the old file or the new one, whole.
bool replaceFile(const std::string& path, const std::string& text) {
  std::vector<char> temporary(path.begin(), path.end());
  for (char c : std::string(".XXXXXX")) temporary.push_back(c);
  temporary.push_back('\0');
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  const bool written = fchmod(fd, modeFor(path)) == 0 && writeAll(fd, text) && fsync(fd) == 0;
  const bool closed = close(fd) == 0;
  if (written && closed && rename(temporary.data(), path.c_str()) == 0) return true;
  unlink(temporary.data());
  return false;
}

}  // namespace

std::optional<std::string> ProfileFile::readText() const {
  struct stat status {};
  if (stat(path_.c_str(), &status) != 0) {
    if (errno == ENOENT) return std::string();
    return std::nullopt;
  }
  std::ifstream file(path_, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return text.str();
}

bool ProfileFile::writeString(const std::string& section, const std::string& key,
                              const std::string& value) {
  const std::optional<std::string> text = readText();
  if (!text) return false;
  return replaceFile(path_, writeProfileString(*text, section, key, value));
}

std::int32_t readProfileInt(const std::string& text, const std::string& section,
                            const std::string& key, std::int32_t defaultValue) {
  const std::optional<std::string> value = readProfileString(text, section, key);
  if (!value) return defaultValue;
  return parsePlainDecimal(*value).value_or(defaultValue);
}

}  // namespace ocel::config

#include "config/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ocel::config {

namespace {

FileText refused(std::string reason) { return {FileText::Status::Refused, {}, std::move(reason)}; }

// Why st is not a file to read, or empty when it is one.
std::string refusalFor(const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return "is a directory";
  if (!S_ISREG(st.st_mode)) return "is not a regular file";
  if (static_cast<std::size_t>(st.st_size) > kMaxFileBytes) return "is larger than 1 MiB";
  return {};
}

}  // namespace

FileText readTextFile(const std::string& path) {
  // Looked at before opening: opening a FIFO or a device can block or act.
  struct stat before {};
  if (stat(path.c_str(), &before) != 0) {
    const bool missing = errno == ENOENT || errno == ENOTDIR;
    return {
        missing ? FileText::Status::Missing : FileText::Status::Refused, {}, std::strerror(errno)};
  }
  if (std::string why = refusalFor(before); !why.empty()) return refused(why);

  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return refused(std::strerror(errno));
  struct stat opened {};
  std::string why = fstat(fd, &opened) != 0 ? std::strerror(errno) : refusalFor(opened);
  std::string text;
  char buffer[8192];
  while (why.empty()) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      why = std::strerror(errno);
    } else if (text.size() + static_cast<std::size_t>(n) > kMaxFileBytes) {
      why = "is larger than 1 MiB";  // it grew while being read
    } else {
      text.append(buffer, static_cast<std::size_t>(n));
    }
  }
  close(fd);
  if (!why.empty()) return refused(why);
  return {FileText::Status::Read, std::move(text), {}};
}

}  // namespace ocel::config

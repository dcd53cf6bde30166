#include "ocel400sim/port_recovery.h"

#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace ocelsim {

namespace {

// /proc/locks names a file by its device (hex major:minor) and inode.
std::string lockIdOf(int fd) {
  struct stat st {};
  if (fstat(fd, &st) != 0) return {};
  char id[64];
  std::snprintf(id, sizeof id, "%02x:%02x:%lu", major(st.st_dev), minor(st.st_dev),
                static_cast<unsigned long>(st.st_ino));
  return id;
}

bool someoneHoldsFlock(const std::string& lockId) {
  std::ifstream locks("/proc/locks");
  const std::string field = " " + lockId + " ";
  for (std::string line; std::getline(locks, line);)
    if (line.find("FLOCK") != std::string::npos && line.find(field) != std::string::npos)
      return true;
  return false;
}

}  // namespace

PortRecovery::PortRecovery(const std::string& slavePath, int slaveFd)
    : slaveFd_(slaveFd), lockId_(lockIdOf(slaveFd)) {
  watchFd_ = lockId_.empty() ? -1 : inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (watchFd_ >= 0 &&
      inotify_add_watch(watchFd_, slavePath.c_str(), IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) < 0) {
    close(watchFd_);
    watchFd_ = -1;
  }
}

PortRecovery::~PortRecovery() {
  if (watchFd_ >= 0) close(watchFd_);
}

bool PortRecovery::clientClosed() {
  alignas(inotify_event) char buffer[4096];
  bool closed = false;
  for (ssize_t n; (n = read(watchFd_, buffer, sizeof buffer)) > 0;) {
    for (char* at = buffer; at < buffer + n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(at);
      closed = closed || (event->mask & (IN_CLOSE_WRITE | IN_CLOSE_NOWRITE)) != 0;
      at += sizeof(inotify_event) + event->len;
    }
  }
  return closed;
}

bool PortRecovery::releaseIfAbandoned() const {
  int exclusive = 0;
  if (ioctl(slaveFd_, TIOCGEXCL, &exclusive) != 0 || exclusive == 0) return false;
  if (someoneHoldsFlock(lockId_)) return false;
  return ioctl(slaveFd_, TIOCNXCL) == 0;
}

}  // namespace ocelsim

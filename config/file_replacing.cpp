#include "config/file_replacing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

namespace ocel::config {

namespace {

namespace fs = std::filesystem;

FileWrite failed(int error) { return {false, std::strerror(error)}; }

// Follows symbolic links to the file they name, which need not exist yet.
std::string linkTarget(fs::path path) {
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) break;
    const fs::path next = fs::read_symlink(path, error);
    if (error) break;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path.string();  // after a loop, opening it fails and says so
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

FileWrite writeInPlace(const std::string& path, const std::string& text) {
  const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return failed(errno);
  // Room for the new text first, so a full disk stops the save before a
  // byte of the old text is overwritten.
  const off_t size = static_cast<off_t>(text.size());
  if (size > 0 && fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP) {
    const int error = errno;
    close(fd);
    return failed(error);
  }
  const bool written = writeAll(fd, text) && ftruncate(fd, size) == 0 && fsync(fd) == 0;
  const int error = errno;
  close(fd);
  return written ? FileWrite{true, {}} : failed(error);
}

std::string unusedNameBeside(const std::string& target) {
  static thread_local std::mt19937 random{std::random_device{}()};
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string name = target + ".";
  for (int i = 0; i < 6; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
  return name;
}

// The new text's file: unnamed while it is written (O_TMPFILE), so a killed
// save leaves nothing behind; a named one where the file system has none.
class Temporary {
 public:
  explicit Temporary(const std::string& target) : target_(target) {
    const std::string folder = fs::path(target).parent_path().string();
    fd_ = open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    for (int attempt = 0; fd_ < 0 && attempt < 100; ++attempt) {
      name_ = unusedNameBeside(target);
      fd_ = open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) name_.clear();
  }
  ~Temporary() {
    if (fd_ >= 0) close(fd_);
    if (!name_.empty()) unlink(name_.c_str());
  }
  Temporary(const Temporary&) = delete;
  Temporary& operator=(const Temporary&) = delete;

  int fd() const { return fd_; }

  // Renames the finished file over the target; false with errno set.
  bool replaceTarget() {
    if (name_.empty() && !linkUnnamed()) return false;
    if (close(std::exchange(fd_, -1)) != 0) return false;
    if (rename(name_.c_str(), target_.c_str()) != 0) return false;
    name_.clear();
    return true;
  }

 private:
  // Gives the unnamed file a name beside the target, to rename it over.
  bool linkUnnamed() {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
      name_ = unusedNameBeside(target_);
      if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name_.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return true;
      if (errno != EEXIST) break;
    }
    const int error = errno;
    name_.clear();
    errno = error;
    return false;
  }

  std::string target_;
  std::string name_;  // empty while unnamed
  int fd_ = -1;
};

}  // namespace

FileWrite replaceFileText(const std::string& path, const std::string& text) {
  const std::string target = linkTarget(path);
  struct stat existing {};
  const bool exists = stat(target.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return failed(errno);
  if (exists && !S_ISREG(existing.st_mode)) return {false, "is not a regular file"};
  // Replacing the file would leave its other names with the old text.
  if (exists && existing.st_nlink > 1) return writeInPlace(target, text);

  Temporary temporary(target);
  if (temporary.fd() < 0)  // a folder that takes no new files
    return exists && errno == EACCES ? writeInPlace(target, text) : failed(errno);
  if (exists) {
    struct stat made {};
    const bool sameOwner = fstat(temporary.fd(), &made) == 0 && made.st_uid == existing.st_uid &&
                           made.st_gid == existing.st_gid;
    if (!sameOwner && fchown(temporary.fd(), existing.st_uid, existing.st_gid) != 0)
      return writeInPlace(target, text);
    if (fchmod(temporary.fd(), existing.st_mode & 07777) != 0) return failed(errno);
  }
  if (!writeAll(temporary.fd(), text) || fsync(temporary.fd()) != 0 || !temporary.replaceTarget())
    return failed(errno);
  return {true, {}};
}

}  // namespace ocel::config

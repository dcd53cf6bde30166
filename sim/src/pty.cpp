#include "ocel400sim/pty.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace ocelsim {
namespace {

[[noreturn]] void fail(const std::string& what) {
  throw std::runtime_error(what + ": " + std::strerror(errno));
}

struct SpeedBaud {
  speed_t speed;
  int baud;
};
constexpr SpeedBaud kSpeeds[] = {{B1200, 1200},   {B2400, 2400},    {B4800, 4800},
                                 {B9600, 9600},   {B19200, 19200},  {B38400, 38400},
                                 {B57600, 57600}, {B115200, 115200}};

}  // namespace

int baudFromSpeed(speed_t speed) {
  for (const SpeedBaud& entry : kSpeeds)
    if (entry.speed == speed) return entry.baud;
  return 0;
}

Pty::Pty() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0) fail("posix_openpt");
  try {
    if (grantpt(master_) != 0) fail("grantpt");
    if (unlockpt(master_) != 0) fail("unlockpt");
    char name[PATH_MAX];
    if (int error = ptsname_r(master_, name, sizeof name); error != 0) {
      errno = error;
      fail("ptsname_r");
    }
    slavePath_ = name;
    const int flags = fcntl(master_, F_GETFL);
    if (flags < 0 || fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) fail("fcntl O_NONBLOCK");
    slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) fail("open " + slavePath_);
    // Raw from the start: a client must never meet a cooked, echoing line.
    termios settings{};
    if (tcgetattr(slave_, &settings) != 0) fail("tcgetattr");
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    if (tcsetattr(slave_, TCSANOW, &settings) != 0) fail("tcsetattr");
  } catch (...) {
    if (slave_ >= 0) close(slave_);
    close(master_);
    throw;
  }
}

Pty::~Pty() {
  close(slave_);
  close(master_);
}

int Pty::pcBaud() const {
  termios settings{};
  if (tcgetattr(master_, &settings) != 0) return 0;
  return baudFromSpeed(cfgetospeed(&settings));
}

SlaveLink::SlaveLink(std::string path, const std::string& target)
    : path_(std::move(path)), target_(target) {
  if (path_.empty()) return;
  struct stat existing {};
  if (lstat(path_.c_str(), &existing) == 0) {
    if (!S_ISLNK(existing.st_mode))
      throw std::runtime_error(path_ + " exists and is not a symlink; not replacing it");
    if (unlink(path_.c_str()) != 0) fail("unlink " + path_);
  }
  if (symlink(target_.c_str(), path_.c_str()) != 0) fail("symlink " + path_);
}

SlaveLink::~SlaveLink() {
  if (path_.empty()) return;
  char pointsTo[PATH_MAX];
  const ssize_t length = readlink(path_.c_str(), pointsTo, sizeof pointsTo);
  // Another camera may have taken the path over since; leave its link alone.
  if (length >= 0 && std::string(pointsTo, static_cast<std::size_t>(length)) == target_)
    unlink(path_.c_str());
}

}  // namespace ocelsim

// The serial line on Linux and other POSIX systems, through termios.
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "Ocel400_ports.h"
#include "serial_line.h"

namespace ocel::serial {

namespace {

using Clock = std::chrono::steady_clock;

// How long a write may wait for room in the output buffer before the port
// counts as refusing it.
constexpr std::chrono::milliseconds kWriteRoomTimeout{1000};

timespec toTimespec(Clock::duration d) {
  const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
  return {static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
}

// Waits until fd is ready for events or the deadline passes; true when ready.
bool waitFor(int fd, short events, Clock::time_point deadline) {
  for (;;) {
    const auto remaining = deadline - Clock::now();
    if (remaining <= Clock::duration::zero()) return false;
    pollfd pfd{fd, events, 0};
    const timespec timeout = toTimespec(remaining);
    const int ready = ppoll(&pfd, 1, &timeout, nullptr);
    if (ready > 0) return true;  // also on POLLHUP/POLLERR: the read or write tells
    if (ready == 0) return false;
    if (errno != EINTR) return false;
  }
}

// Pseudo-terminals and some adapters have no modem lines (ENOTTY, EINVAL):
// the frames still pass, so the failure is ignored. False when the line has
// no modem control at all.
bool changeModemLine(int fd, int line, bool raised) {
  if (ioctl(fd, raised ? TIOCMBIS : TIOCMBIC, &line) == 0) return true;
  return errno != ENOTTY && errno != EINVAL;
}

speed_t speedConstant(std::int32_t baud) {
  switch (baud) {
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    default: return 0;
  }
}

void applyLineSettings(termios& t, const LineSettings& settings) {
  const tcflag_t portParity = t.c_cflag & (PARENB | PARODD);
  cfmakeraw(&t);  // a new pty slave starts cooked and echoing
  t.c_cflag &= ~(CSIZE | CSTOPB | CRTSCTS | PARENB | PARODD);
  t.c_cflag |= CS8 | CLOCAL | CREAD;
  t.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;

  switch (settings.parity) {
    case 0: break;
    case 1: t.c_cflag |= PARENB | PARODD; break;
    case 2: t.c_cflag |= PARENB; break;
    default: t.c_cflag |= portParity; break;  // not a parity code: keep the port's
  }
  if (t.c_cflag & PARENB) t.c_iflag |= INPCK;

  if (const speed_t speed = speedConstant(settings.baud); speed != 0) {
    cfsetispeed(&t, speed);
    cfsetospeed(&t, speed);
  }
}

// A pty drops PARENB and forces CS8, and glibc then reports EINVAL although
// the kernel applied everything else. Compare what the port now holds.
bool settingsTookEffect(int fd, const termios& wanted) {
  termios now{};
  if (tcgetattr(fd, &now) != 0) return false;
  const tcflag_t ignored = PARENB | PARODD | CSIZE;
  return (now.c_cflag & ~ignored) == (wanted.c_cflag & ~ignored) && now.c_iflag == wanted.c_iflag &&
         now.c_oflag == wanted.c_oflag && now.c_lflag == wanted.c_lflag &&
         cfgetospeed(&now) == cfgetospeed(&wanted);
}

class PosixSerialLine final : public SerialLine {
 public:
  PosixSerialLine(int fd, bool hasModemLines) : fd_(fd), hasModemLines_(hasModemLines) {}

  ~PosixSerialLine() override {
    // TIOCEXCL outlives our close while a pty master stays open: clear it,
    // or the next program run by an ordinary user gets EBUSY.
    ioctl(fd_, TIOCNXCL);
    flock(fd_, LOCK_UN);
    close(fd_);
  }

  PosixSerialLine(const PosixSerialLine&) = delete;
  PosixSerialLine& operator=(const PosixSerialLine&) = delete;

  void discardInput() override { tcflush(fd_, TCIFLUSH); }

  void setRts(bool raised) override {
    if (hasModemLines_) hasModemLines_ = changeModemLine(fd_, TIOCM_RTS, raised);
  }

  bool writeAll(const std::uint8_t* data, std::size_t size) override {
    std::size_t done = 0;
    while (done < size) {
      const ssize_t n = ::write(fd_, data + done, size - done);
      if (n > 0) {
        done += static_cast<std::size_t>(n);
      } else if (n < 0 && errno == EINTR) {
        continue;
      } else if (n < 0 && errno == EAGAIN) {
        if (!waitFor(fd_, POLLOUT, Clock::now() + kWriteRoomTimeout)) return false;
      } else {
        return false;
      }
    }
    while (tcdrain(fd_) != 0) {
      if (errno != EINTR) return false;
    }
    return true;
  }

  std::size_t read(std::uint8_t* buffer, std::size_t size) override {
    const auto deadline = Clock::now() + kReadTimeoutPerByte * static_cast<int>(size);
    std::size_t got = 0;
    while (got < size && waitFor(fd_, POLLIN, deadline)) {
      const ssize_t n = ::read(fd_, buffer + got, size - got);
      if (n > 0) {
        got += static_cast<std::size_t>(n);
      } else if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
        continue;
      } else {
        break;  // end of file or a dead line (EIO): nothing more will come
      }
    }
    return got;
  }

  void pause(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }

 private:
  int fd_;
  bool hasModemLines_;  // a pty has none: spare the two calls per command
};

// Closes fd on every early return of the open sequence, keeping errno: it
// tells the caller why the port could not be opened.
struct FdGuard {
  int fd;
  ~FdGuard() {
    if (fd < 0) return;
    const int cause = errno;
    close(fd);
    errno = cause;
  }
  int release() { return std::exchange(fd, -1); }
};

std::unique_ptr<SerialLine> failedBecause(int cause) {
  errno = cause;
  return nullptr;
}

}  // namespace

std::unique_ptr<SerialLine> openSerialLine(const std::string& portName,
                                           const LineSettings& settings) {
  const std::string path = ocel400::devicePathForPort(portName);
  if (path.empty()) return failedBecause(ENODEV);

  // Another program's TIOCEXCL refuses the open with EBUSY.
  FdGuard guard{open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)};
  const int fd = guard.fd;
  if (fd < 0) return nullptr;

  // flock keeps out our own processes (TIOCEXCL does not stop root); its
  // EWOULDBLOCK means the same as TIOCEXCL's EBUSY.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) return failedBecause(errno == EWOULDBLOCK ? EBUSY : errno);

  termios t{};
  if (tcgetattr(fd, &t) != 0) return nullptr;  // not a terminal device: ENOTTY
  applyLineSettings(t, settings);
  if (tcsetattr(fd, TCSANOW, &t) != 0) {
    const int cause = errno;
    if (!settingsTookEffect(fd, t)) return failedBecause(cause);
  }

  // TIOCEXCL keeps out every other program of an ordinary user. Taken last,
  // so no failure above leaves it behind.
  if (ioctl(fd, TIOCEXCL) != 0 && errno != ENOTTY && errno != EINVAL) return nullptr;

  const bool hasModemLines = changeModemLine(fd, TIOCM_DTR, true);
  if (hasModemLines) changeModemLine(fd, TIOCM_RTS, false);
  tcflush(fd, TCIFLUSH);  // bytes that came while the port was closed are stale
  return std::make_unique<PosixSerialLine>(guard.release(), hasModemLines);
}

}  // namespace ocel::serial

#include "ocel400sim/camera_server.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "ocel400sim/reply_shaping.h"

namespace ocelsim {
namespace {

// Without a PC side the master reports EIO; look again after this long.
constexpr Nanoseconds kMasterRest = std::chrono::milliseconds(50);
// The kernel tells of a close before it drops the closer's flock: look at
// the port's lock a moment later.
constexpr Nanoseconds kLockCheckDelay = std::chrono::milliseconds(20);

timespec timeoutUntil(TimePoint deadline) {
  const long long ns = std::max(Nanoseconds::zero(), deadline - Clock::now()).count();
  return timespec{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

std::string describe(const StreamEvent& input) {
  const std::string bytes = escapeBytes(input.bytes);
  if (input.kind == StreamEvent::Kind::Fragment) return "malformed fragment dropped: " + bytes;
  return "stray bytes dropped ahead of a frame, the first: " + bytes;
}

}  // namespace

CameraServer::CameraServer(const Options& options)
    : start_(Clock::now()),
      options_(options),
      camera_(options, start_),
      recovery_(pty_.slavePath(), pty_.slave()),
      link_(options.linkPath, pty_.slavePath()),
      trace_(options.trace, start_) {
  wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wakeFd_ < 0) throw std::runtime_error(std::string("eventfd: ") + std::strerror(errno));
}

CameraServer::~CameraServer() { close(wakeFd_); }

void CameraServer::requestStop() {
  const std::uint64_t one = 1;
  // Only fails when the counter is full, and then a stop is pending anyway.
  [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
}

void CameraServer::run(int stopFd) {
  // The line pacing needs wake-ups on time, not up to 50 us late.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  for (;;) {
    const TimePoint now = Clock::now();
    deliverArrivals(now);
    sendDueOutput(now);
    if (masterRestingUntil_ && *masterRestingUntil_ <= now) masterRestingUntil_.reset();
    if (lockCheckAt_ && *lockCheckAt_ <= now) {
      lockCheckAt_.reset();
      if (recovery_.releaseIfAbandoned())
        trace_.event(now, "a client died holding the port: its exclusive flag cleared");
    }

    pollfd fds[4] = {{wakeFd_, POLLIN, 0},
                     {masterRestingUntil_ ? -1 : pty_.master(), POLLIN, 0},
                     {stopFd, POLLIN, 0},
                     {recovery_.fd(), POLLIN, 0}};
    const std::optional<TimePoint> deadline = nextDeadline();
    timespec timeout{};
    if (deadline) timeout = timeoutUntil(*deadline);
    if (ppoll(fds, 4, deadline ? &timeout : nullptr, nullptr) < 0) {
      if (errno == EINTR) continue;
      throw std::runtime_error(std::string("ppoll: ") + std::strerror(errno));
    }
    if (fds[0].revents != 0) {
      std::uint64_t count;
      [[maybe_unused]] const ssize_t drained = read(wakeFd_, &count, sizeof count);
      return;
    }
    if (fds[2].revents != 0) return;
    if (fds[3].revents != 0 && recovery_.clientClosed())
      lockCheckAt_ = Clock::now() + kLockCheckDelay;
    if (fds[1].revents & POLLIN) {
      takeInput(Clock::now());
    } else if (fds[1].revents != 0) {
      masterRestingUntil_ = Clock::now() + kMasterRest;
    }
  }
}

void CameraServer::takeInput(TimePoint readAt) {
  char buffer[512];
  for (;;) {
    const ssize_t count = read(pty_.master(), buffer, sizeof buffer);
    if (count > 0) {
      queueBytes(readAt, buffer, static_cast<std::size_t>(count));
      continue;
    }
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
    masterRestingUntil_ = readAt + kMasterRest;  // EIO: nobody on the PC side
    return;
  }
}

void CameraServer::queueBytes(TimePoint readAt, const char* bytes, std::size_t count) {
  Nanoseconds characterTime{0};
  if (options_.paced) {
    std::lock_guard lock(mutex_);
    characterTime = camera_.line().transmitTime(1);
  }
  for (std::size_t i = 0; i < count; ++i) {
    const TimePoint arrived = options_.paced ? inputLine_.arrive(readAt, characterTime) : readAt;
    if (std::optional<StreamEvent> input = assembler_.push(bytes[i]))
      arrivals_.push_back({std::move(*input), arrived});
  }
}

void CameraServer::deliverArrivals(TimePoint now) {
  while (!arrivals_.empty() && arrivals_.front().at <= now) {
    const Arrival arrival = std::move(arrivals_.front());
    arrivals_.pop_front();
    if (arrival.input.kind == StreamEvent::Kind::Frame) {
      deliverFrame(arrival);
      continue;
    }
    {
      std::lock_guard lock(mutex_);
      camera_.countMalformedFragment();
    }
    trace_.event(arrival.at, describe(arrival.input));
  }
}

void CameraServer::deliverFrame(const Arrival& arrival) {
  trace_.frameIn(arrival.at, arrival.input.bytes);
  const int pcBaud = pty_.pcBaud();
  Exchange exchange;
  {
    std::lock_guard lock(mutex_);
    exchange = camera_.receive(arrival.input.bytes, pcBaud, arrival.at);
  }
  for (const std::string& event : exchange.events) trace_.event(arrival.at, event);
  for (TimedOutput& output :
       scheduleReply(arrival.at, exchange.reply, exchange.replyLine, options_.paced))
    outputs_.emplace(output.due, std::move(output.bytes));
}

void CameraServer::sendDueOutput(TimePoint now) {
  while (!outputs_.empty() && outputs_.begin()->first <= now) {
    writeToPc(outputs_.begin()->second);
    outputs_.erase(outputs_.begin());
  }
}

void CameraServer::writeToPc(const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t count = write(pty_.master(), bytes.data() + sent, bytes.size() - sent);
    if (count > 0) {
      sent += static_cast<std::size_t>(count);
    } else if (count < 0 && errno == EINTR) {
      continue;
    } else {
      // The pty buffer is full because nobody reads: a real line drops it too.
      trace_.event(Clock::now(),
                   "reply dropped, the PC side does not read: " + escapeBytes(bytes.substr(sent)));
      break;
    }
  }
  trace_.frameOut(Clock::now(), bytes.substr(0, sent));
}

std::optional<TimePoint> CameraServer::nextDeadline() const {
  std::optional<TimePoint> deadline = masterRestingUntil_;
  auto consider = [&deadline](TimePoint due) {
    if (!deadline || due < *deadline) deadline = due;
  };
  if (lockCheckAt_) consider(*lockCheckAt_);
  if (!arrivals_.empty()) consider(arrivals_.front().at);
  if (!outputs_.empty()) consider(outputs_.begin()->first);
  return deadline;
}

int CameraServer::reg(int reg) const {
  std::lock_guard lock(mutex_);
  return camera_.reg(reg, Clock::now());
}

void CameraServer::setReg(int reg, int value) {
  std::lock_guard lock(mutex_);
  camera_.setReg(reg, value, Clock::now());
}

Registers CameraServer::userSet() const {
  std::lock_guard lock(mutex_);
  return camera_.userSet();
}

std::vector<std::string> CameraServer::receivedFrames() const {
  std::lock_guard lock(mutex_);
  return camera_.receivedFrames();
}

void CameraServer::clearLog() {
  std::lock_guard lock(mutex_);
  camera_.clearLog();
}

void CameraServer::setFault(Fault fault, int percent) {
  std::lock_guard lock(mutex_);
  camera_.setFault(fault, percent);
}

int CameraServer::lastPcBaud() const {
  std::lock_guard lock(mutex_);
  return camera_.lastPcBaud();
}

int CameraServer::cameraBaud() const { return cameraLine().baud; }

LineSettings CameraServer::cameraLine() const {
  std::lock_guard lock(mutex_);
  return camera_.line();
}

int CameraServer::malformedFrames() const {
  std::lock_guard lock(mutex_);
  return camera_.malformedFrames();
}

int CameraServer::mismatchedFrames() const {
  std::lock_guard lock(mutex_);
  return camera_.mismatchedFrames();
}

}  // namespace ocelsim

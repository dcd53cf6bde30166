// ocel400-camera-host: runs a program beside a simulated camera and lets the
// program steer that camera through its stdout and stdin. The Windows test
// driver runs under Wine, where the simulator's in-process controls are out
// of reach; this is how it sets faults and sees the frames the camera got.
//
//   ocel400-camera-host --link PATH PROGRAM [ARGS...]
//
// Each camera the program starts sits behind the symlink PATH and answers at
// once (no line pacing). The program writes one request per line and reads
// one reply line (replies that list frames continue with one line each):
//   start MODEL BAUD     a new camera of MODEL at BAUD   -> ok
//   stop                 the camera goes away            -> ok
//   fault NAME PERCENT   as the simulator's --fault      -> ok
//   clear                forget the frames received      -> ok
//   frames               the frames received, escaped    -> N, then N lines
//   reg R / setreg R V   a camera register               -> value / ok
//   malformed / pcbaud   counters of the camera          -> number
// A request the host cannot serve gets "error: ..." and the program fails.
// The host's exit status is the program's.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "ocel400sim/pty_camera.h"
#include "ocel400sim/trace.h"

extern char** environ;

namespace {

class Host {
 public:
  explicit Host(std::string link) : link_(std::move(link)) {}

  std::string serve(const std::string& request) {
    std::istringstream in(request);
    std::string verb;
    in >> verb;
    if (verb == "start") {
      ocelsim::Options options;
      in >> options.model >> options.cameraBaud;
      options.paced = false;
      options.linkPath = link_;
      camera_.reset();  // the old camera takes its link with it
      camera_ = std::make_unique<ocelsim::PtyCamera>(options);
      return "ok";
    }
    if (verb == "stop") {
      camera_.reset();
      return "ok";
    }
    if (!camera_) return "error: no camera started";
    if (verb == "fault") {
      std::string name;
      int percent = 100;
      in >> name >> percent;
      const std::optional<ocelsim::Fault> fault = ocelsim::parseFault(name);
      if (!fault) return "error: unknown fault " + name;
      camera_->setFault(*fault, percent);
      return "ok";
    }
    if (verb == "clear") {
      camera_->clearLog();
      return "ok";
    }
    if (verb == "frames") {
      const std::vector<std::string> frames = camera_->receivedFrames();
      std::string reply = std::to_string(frames.size());
      for (const std::string& frame : frames)
        reply.append("\n").append(ocelsim::escapeBytes(frame));
      return reply;
    }
    int reg = -1, value = -1;
    in >> reg >> value;
    if (verb == "reg") return std::to_string(camera_->reg(reg));
    if (verb == "setreg") {
      camera_->setReg(reg, value);
      return "ok";
    }
    if (verb == "malformed") return std::to_string(camera_->malformedFrames());
    if (verb == "pcbaud") return std::to_string(camera_->lastPcBaud());
    return "error: unknown request " + request;
  }

 private:
  std::string link_;
  std::unique_ptr<ocelsim::PtyCamera> camera_;
};

// The program with pipes on its stdin and stdout; stderr stays ours.
struct Child {
  pid_t pid = -1;
  int toChild = -1;
  int fromChild = -1;
};

Child spawn(char** argv) {
  int in[2], out[2];
  if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) {
    std::perror("pipe2");
    std::exit(1);
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  Child child;
  const int error = posix_spawnp(&child.pid, argv[0], &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    std::fprintf(stderr, "ocel400-camera-host: cannot start %s: %s\n", argv[0],
                 std::strerror(error));
    std::exit(1);
  }
  close(in[0]);
  close(out[1]);
  child.toChild = in[1];
  child.fromChild = out[0];
  return child;
}

bool writeLine(int fd, const std::string& line) {
  const std::string text = line + "\n";
  std::size_t sent = 0;
  while (sent < text.size()) {
    const ssize_t n = write(fd, text.data() + sent, text.size() - sent);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

// Serves requests until the program ends. Its end is watched on a pidfd, not
// by the end of its stdout: a wineserver it starts inherits that pipe and
// keeps it open.
int serveUntilExit(Host& host, const Child& child) {
  const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, child.pid, 0));
  if (pidfd < 0) {
    std::perror("pidfd_open");
    return 1;
  }
  std::string pending;
  bool childExited = false;
  while (!childExited) {
    pollfd fds[2] = {{child.fromChild, POLLIN, 0}, {pidfd, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      std::perror("poll");
      return 1;
    }
    childExited = fds[1].revents != 0;
    if (fds[0].revents == 0) continue;
    char buffer[512];
    const ssize_t n = read(child.fromChild, buffer, sizeof buffer);
    if (n <= 0) {
      if (n < 0 && errno == EINTR) continue;
      break;  // stdout closed: the program is ending
    }
    pending.append(buffer, static_cast<std::size_t>(n));
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
      std::string request = pending.substr(0, end);
      pending.erase(0, end + 1);
      if (!request.empty() && request.back() == '\r') request.pop_back();  // Windows line end
      std::string reply;
      try {
        reply = host.serve(request);
      } catch (const std::exception& error) {  // e.g. no pty to be had
        reply = std::string("error: ") + error.what();
      }
      writeLine(child.toChild, reply);
    }
  }
  close(child.toChild);
  int status = 0;
  if (waitpid(child.pid, &status, 0) < 0) return 1;
  close(pidfd);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || std::strcmp(argv[1], "--link") != 0) {
    std::fprintf(stderr, "usage: %s --link PATH PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  std::signal(SIGPIPE, SIG_IGN);  // a program that died early fails by its status
  Host host(argv[2]);
  const Child child = spawn(argv + 3);
  return serveUntilExit(host, child);
}

#include "run_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

extern char** environ;

namespace ocel::testing {

StartedProcess startProcess(const std::vector<std::string>& argv) {
  // [0] is the child's end, [1] ours, for stdin, stdout and stderr alike.
  int pipes[3][2];
  for (auto& p : pipes)
    if (pipe2(p, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  for (int fd : {1, 2}) std::swap(pipes[fd][0], pipes[fd][1]);  // the child writes, we read

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int fd = 0; fd < 3; ++fd) posix_spawn_file_actions_adddup2(&actions, pipes[fd][0], fd);

  std::vector<char*> argp;
  for (const std::string& arg : argv) argp.push_back(const_cast<char*>(arg.c_str()));
  argp.push_back(nullptr);
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, argp[0], &actions, nullptr, argp.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  for (auto& p : pipes) close(p[0]);
  if (spawned != 0) {
    for (auto& p : pipes) close(p[1]);
    throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(spawned));
  }
  return {pid, pipes[0][1], pipes[1][1], pipes[2][1]};
}

std::string readLine(int fd) {
  std::string text;
  pollfd readable{fd, POLLIN, 0};
  char c;
  while (poll(&readable, 1, 5000) == 1 && read(fd, &c, 1) == 1 && c != '\n') text += c;
  return text;
}

ProcessResult finishProcess(const StartedProcess& process) {
  close(process.stdinFd);
  ProcessResult result;
  pollfd fds[2] = {{process.stdoutFd, POLLIN, 0}, {process.stderrFd, POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  for (int open = 2; open > 0;) {
    if (poll(fds, 2, -1) < 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  int status = 0;
  while (waitpid(process.pid, &status, 0) < 0)
    if (errno != EINTR) return result;
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace ocel::testing

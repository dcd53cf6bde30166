#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace ocel::testing {

struct StartedProcess {
  pid_t pid = -1;
  int stdinFd = -1;
  int stdoutFd = -1;
  int stderrFd = -1;
};

// argv[0] is the program's path; the child gets this process's environment.
// Throws std::runtime_error when it cannot start.
StartedProcess startProcess(const std::vector<std::string>& argv);

// One line the program writes to fd, without its newline; what came before
// five silent seconds passed or the pipe closed.
std::string readLine(int fd);

struct ProcessResult {
  int exitStatus = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Closes the program's stdin, collects the rest of its output and waits for its end.
ProcessResult finishProcess(const StartedProcess& process);

inline ProcessResult runProcess(const std::vector<std::string>& argv) {
  return finishProcess(startProcess(argv));
}

}  // namespace ocel::testing

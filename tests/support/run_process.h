// Starts programs for the tests and collects what they say.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace ocel::testing {

// A started program with pipes to its stdin, stdout and stderr.
struct StartedProcess {
  pid_t pid = -1;
  int stdinFd = -1;
  int stdoutFd = -1;
  int stderrFd = -1;
};

// argv[0] is the program's path; the child gets this process's environment.
// Throws std::runtime_error when it cannot start.
StartedProcess startProcess(const std::vector<std::string>& argv);

// Waits for the program's end: its exit status, -1 when it did not exit normally.
int waitForExit(pid_t pid);

struct ProcessResult {
  int exitStatus = -1;
  std::string out;
  std::string err;
};

// Runs a program to its end with an empty stdin and collects its output.
ProcessResult runProcess(const std::vector<std::string>& argv);

}  // namespace ocel::testing

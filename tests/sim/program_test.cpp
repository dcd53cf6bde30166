// The ocel400-camsim program: start-up line, serving, clean end on SIGTERM.
#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>
#include <csignal>
#include <filesystem>

#include "Ocel400.h"
#include "run_process.h"

namespace ocelsim {
namespace {

using ocel::testing::StartedProcess;
using ocel::testing::startProcess;
using ocel::testing::waitForExit;

StartedProcess start(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), OCEL400_CAMSIM_PATH);
  StartedProcess program = startProcess(arguments);
  close(program.stdinFd);
  return program;
}

// Its exit status; the program's complaints stay in the pipe until then.
int finish(const StartedProcess& program) {
  const int status = waitForExit(program.pid);
  close(program.stdoutFd);
  close(program.stderrFd);
  return status;
}

// The first line on the program's stdout, giving up after five silent seconds.
std::string firstLine(int fd) {
  std::string text;
  pollfd readable{fd, POLLIN, 0};
  char c;
  while (poll(&readable, 1, 5000) == 1 && read(fd, &c, 1) == 1 && c != '\n') text += c;
  return text;
}

TEST(Program, ServesUntilTerminatedAndRemovesItsLink) {
  namespace fs = std::filesystem;
  const fs::path link = fs::temp_directory_path() / ("ocelsim-prog-" + std::to_string(getpid()));
  const StartedProcess program = start({"--model", "0", "--link", link.string(), "--instant"});
  const std::string line = firstLine(program.stdoutFd);
  EXPECT_TRUE(
      line.starts_with("ocel400-camsim: model 0 camera (PAL, 9600 baud, instant) on /dev/pts/"))
      << line;
  EXPECT_TRUE(line.ends_with(", link " + link.string())) << line;
  setenv("OCEL400_COM1", link.c_str(), 1);
  EXPECT_EQ(PortInitEx(1, 0, 0, 9600, 0), OCEL400_DONE);
  EXPECT_EQ(ReadArea(3), 4);  // the factory grid: the centre zone only
  EXPECT_EQ(LastResult(), OCEL400_DONE);
  kill(program.pid, SIGTERM);
  EXPECT_EQ(finish(program), 0);
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST(Program, BadUsageExitsWithTwo) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"--model", "7"}, {"--fault", "sometimes"}, {"--baud"}}) {
    const StartedProcess program = start(arguments);
    EXPECT_EQ(finish(program), 2) << testing::PrintToString(arguments);
  }
}

}  // namespace
}  // namespace ocelsim

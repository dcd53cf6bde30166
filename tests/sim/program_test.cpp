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

// The first line on the program's stdout, giving up after five silent seconds.
std::string firstLine(int fd) {
  std::string text;
  pollfd readable{fd, POLLIN, 0};
  char c;
  while (poll(&readable, 1, 5000) == 1 && read(fd, &c, 1) == 1 && c != '\n') text += c;
  return text;
}

TEST(Program, ReplacesAStaleLinkServesUntilTerminatedAndRemovesItsLink) {
  namespace fs = std::filesystem;
  const fs::path link = fs::temp_directory_path() / ("ocelsim-prog-" + std::to_string(getpid()));
  fs::create_symlink("/dev/pts/ocelsim-gone", link);  // left behind by a killed camera
  const StartedProcess program =
      startProcess({OCEL400_CAMSIM_PATH, "--model", "0", "--link", link.string(), "--instant"});
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
  EXPECT_EQ(waitForExit(program.pid), 0);
  for (int fd : {program.stdinFd, program.stdoutFd, program.stderrFd}) close(fd);
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST(Program, BadUsageIsNamedAndExitsWithTwo) {
  const std::pair<const char*, const char*> cases[] = {{"--model=7", "--model takes 0 or 1"},
                                                       {"--fault=sometimes", "unknown fault"},
                                                       {"--baud", "--baud needs a value"}};
  for (const auto& [option, message] : cases) {
    const auto result = ocel::testing::runProcess({OCEL400_CAMSIM_PATH, option});
    EXPECT_EQ(result.exitStatus, 2) << option;
    EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
  }
}

}  // namespace
}  // namespace ocelsim

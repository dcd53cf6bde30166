// The ocel400-camsim program: start-up line, serving, clean end on SIGTERM.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "Ocel400.h"
#include "run_process.h"
#include "temp_folder.h"

namespace ocelsim {
namespace {

using namespace ocel::testing;

TEST(Program, ReplacesAStaleLinkServesUntilTerminatedAndRemovesItsLink) {
  namespace fs = std::filesystem;
  const TempFolder folder;
  const fs::path link = folder.path("com1");
  fs::create_symlink("/dev/pts/ocelsim-gone", link);  // left behind by a killed camera
  const StartedProcess program =
      startProcess({OCEL400_CAMSIM_PATH, "--model", "0", "--link", link.string(), "--instant"});
  const std::string line = readLine(program.stdoutFd);
  EXPECT_TRUE(
      line.starts_with("ocel400-camsim: model 0 camera (PAL, 9600 baud, instant) on /dev/pts/"))
      << line;
  EXPECT_TRUE(line.ends_with(", link " + link.string())) << line;
  setenv("OCEL400_COM1", link.c_str(), 1);
  EXPECT_EQ(PortInitEx(1, 0, 0, 9600, 0), OCEL400_DONE);
  EXPECT_EQ(ReadArea(3), 4);  // the factory grid: the centre zone only
  EXPECT_EQ(LastResult(), OCEL400_DONE);
  kill(program.pid, SIGTERM);
  EXPECT_EQ(finishProcess(program).exitStatus, 0);
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

}  // namespace
}  // namespace ocelsim

// The port is one program's alone, and free again once closed or its holder
// killed, also for "nobody", whom TIOCEXCL left on a pty would lock out.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>

#include "ocel400sim/pty_camera.h"
#include "run_process.h"
#include "temp_folder.h"
#include "timing.h"

namespace ocel::testing {
namespace {

namespace fs = std::filesystem;

// A copy "nobody" may run: the build tree may sit under a private home.
struct HolderCopy : TempFolder {
  HolderCopy() {
    fs::copy_file(PORT_HOLDER_PATH, program);
    fs::permissions(dir(), fs::perms(0755));
    fs::permissions(program, fs::perms(0755));
  }
  const std::string program = path("port_holder");
};

// What the holder printed first: "<result code> <errno>".
std::string said(const ProcessResult& run) { return run.out.substr(0, run.out.find('\n')); }

const std::string kInUse = "4 " + std::to_string(EBUSY);

class ExclusivePort : public ::testing::Test {
 protected:
  void SetUp() override {
    if (geteuid() == 0 && !fs::exists("/usr/bin/setpriv")) GTEST_SKIP() << "setpriv missing";
    fs::permissions(camera_.slavePath(), fs::perms(0666));
    setenv("OCEL400_COM1", camera_.slavePath().c_str(), 1);
  }

  std::vector<std::string> asNobody(const char* mode) const {
    std::vector<std::string> argv{copy_.program, mode};
    const char* setpriv[] = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
                             "--"};
    if (geteuid() == 0) argv.insert(argv.begin(), std::begin(setpriv), std::end(setpriv));
    return argv;
  }

  ocelsim::PtyCamera camera_{[] {
    ocelsim::Options options;
    options.paced = false;
    return options;
  }()};
  const HolderCopy copy_;
};

TEST_F(ExclusivePort, SecondProgramIsRefusedAsInUseUntilTheFirstHasClosed) {
  const StartedProcess holder = startProcess(asNobody("hold"));
  EXPECT_EQ(readLine(holder.stdoutFd), "0 0");
  EXPECT_EQ(said(runProcess(asNobody("probe"))), kInUse) << "port taken twice";
  // Root, too, whom only the lock keeps out.
  EXPECT_EQ(said(runProcess({copy_.program, "probe"})), kInUse) << "port taken twice";
  EXPECT_EQ(finishProcess(holder).exitStatus, 0);

  for (int probe = 0; probe < 2; ++probe)
    EXPECT_EQ(runProcess(asNobody("probe")).exitStatus, 0) << "port not free again";

  // A holder killed outright cannot clear the flag; the camera does.
  const StartedProcess killed = startProcess(asNobody("hold"));
  EXPECT_EQ(readLine(killed.stdoutFd), "0 0");
  kill(killed.pid, SIGKILL);
  finishProcess(killed);
  EXPECT_TRUE(waitUntil([&] { return runProcess(asNobody("probe")).exitStatus == 0; },
                        std::chrono::seconds(2)))
      << "port still locked after its holder was killed";
}

}  // namespace
}  // namespace ocel::testing

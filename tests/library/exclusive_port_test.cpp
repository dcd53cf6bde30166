// The port is the program's alone while it holds it, and free again once it
// is closed, also for an ordinary user, whom TIOCEXCL left on a pty would
// lock out. Runs the two programs as "nobody" when the test runs as root.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "ocel400sim/pty_camera.h"
#include "run_process.h"

namespace ocel::testing {
namespace {

namespace fs = std::filesystem;

// The helper as a program "nobody" may run: a copy in a world-readable
// folder, since the build tree may sit under a private home.
class UnprivilegedRunner {
 public:
  UnprivilegedRunner() {
    char pattern[] = "/tmp/ocel400-exclusive-XXXXXX";
    dir_ = mkdtemp(pattern);
    chmod(dir_.c_str(), 0755);
    program_ = dir_ / "port_holder";
    fs::copy_file(PORT_HOLDER_PATH, program_);
    chmod(program_.c_str(), 0755);
  }
  ~UnprivilegedRunner() { fs::remove_all(dir_); }

  // As ourselves, perhaps root, whom only the lock keeps out.
  std::vector<std::string> ownCommand(const std::string& mode) const {
    return {program_.string(), mode};
  }

  std::vector<std::string> command(const std::string& mode) const {
    if (geteuid() != 0) return {program_.string(), mode};
    return {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
            "--", program_.string(), mode};
  }

 private:
  fs::path dir_;
  fs::path program_;
};

// A holder running in the background with its stdin as our pipe.
class Holder {
 public:
  Holder(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env)
      : process_(startProcess(argv, env)) {}

  // The result code the holder printed once its PortInitEx returned.
  int openResult() {
    char buffer[16] = {};
    const ssize_t n = read(process_.stdoutFd, buffer, sizeof buffer - 1);
    return n > 0 ? std::atoi(buffer) : -1;
  }

  int release() {
    close(process_.stdinFd);
    const int status = waitForExit(process_.pid);
    close(process_.stdoutFd);
    close(process_.stderrFd);
    return status;
  }

 private:
  StartedProcess process_;
};

TEST(ExclusivePort, SecondProgramWaitsUntilTheFirstHasClosed) {
  if (geteuid() == 0 && !fs::exists("/usr/bin/setpriv")) GTEST_SKIP() << "setpriv missing";
  ocelsim::Options options;
  options.paced = false;
  ocelsim::PtyCamera camera(options);
  chmod(camera.slavePath().c_str(), 0666);
  const UnprivilegedRunner runner;
  const std::map<std::string, std::string> env{{"OCEL400_COM1", camera.slavePath()}};

  Holder first(runner.command("hold"), env);
  ASSERT_EQ(first.openResult(), 0);
  EXPECT_EQ(runProcess(runner.command("probe"), env).exitStatus, 4) << "port taken twice";
  EXPECT_EQ(runProcess(runner.ownCommand("probe"), env).exitStatus, 4) << "port taken twice";
  EXPECT_EQ(first.release(), 0);

  EXPECT_EQ(runProcess(runner.command("probe"), env).exitStatus, 0) << "port not free again";
  EXPECT_EQ(runProcess(runner.command("probe"), env).exitStatus, 0) << "port not free again";
}

}  // namespace
}  // namespace ocel::testing

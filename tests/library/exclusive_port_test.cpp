// The port is the program's alone while it holds it, and free again once it
// is closed, also for an ordinary user, whom TIOCEXCL left on a pty would
// lock out. Runs the two programs as "nobody" when the test runs as root.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "ocel400sim/pty_camera.h"
#include "run_process.h"

extern char** environ;

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
  Holder(const std::vector<std::string>& argv, const std::string& device) {
    int in[2], out[2];
    EXPECT_EQ(pipe(in), 0);
    EXPECT_EQ(pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, in[1]);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    setenv("OCEL400_COM1", device.c_str(), 1);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    EXPECT_EQ(posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    stdin_ = in[1];
    stdout_ = out[0];
  }

  // The result code the holder printed once its PortInitEx returned.
  int openResult() {
    char buffer[16] = {};
    const ssize_t n = read(stdout_, buffer, sizeof buffer - 1);
    return n > 0 ? std::atoi(buffer) : -1;
  }

  int release() {
    close(stdin_);
    int status = 0;
    waitpid(pid_, &status, 0);
    close(stdout_);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = 0;
  int stdin_ = -1, stdout_ = -1;
};

TEST(ExclusivePort, SecondProgramWaitsUntilTheFirstHasClosed) {
  if (geteuid() == 0 && !fs::exists("/usr/bin/setpriv")) GTEST_SKIP() << "setpriv missing";
  ocelsim::Options options;
  options.paced = false;
  ocelsim::PtyCamera camera(options);
  chmod(camera.slavePath().c_str(), 0666);
  const UnprivilegedRunner runner;
  const std::map<std::string, std::string> env{{"OCEL400_COM1", camera.slavePath()}};

  Holder first(runner.command("hold"), camera.slavePath());
  ASSERT_EQ(first.openResult(), 0);
  EXPECT_EQ(runProcess(runner.command("probe"), env).exitStatus, 4) << "port taken twice";
  EXPECT_EQ(runProcess(runner.ownCommand("probe"), env).exitStatus, 4) << "port taken twice";
  EXPECT_EQ(first.release(), 0);

  EXPECT_EQ(runProcess(runner.command("probe"), env).exitStatus, 0) << "port not free again";
  EXPECT_EQ(runProcess(runner.command("probe"), env).exitStatus, 0) << "port not free again";
}

}  // namespace
}  // namespace ocel::testing

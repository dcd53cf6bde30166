// ocel400ctl end to end against the simulated camera.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>

#include "ocel400sim/pty_camera.h"
#include "run_process.h"
#include "temp_folder.h"
#include "timing.h"

namespace ocel::testing {
namespace {

class Ctl : public ::testing::Test {
 protected:
  ocelsim::PtyCamera& startCamera(int model) {
    ocelsim::Options options;
    options.model = model;
    options.paced = false;
    camera_ = std::make_unique<ocelsim::PtyCamera>(options);
    return *camera_;
  }

  // Runs ocel400ctl with args, or a shell command line given as its own argv.
  ProcessResult ctl(std::vector<std::string> args) {
    if (args.empty() || args.front() != "/bin/sh") args.insert(args.begin(), OCEL400CTL_PATH);
    setenv("OCEL400_COM1", camera_ ? camera_->slavePath().c_str() : "/nonexistent", 1);
    return runProcess(args);
  }

  std::unique_ptr<ocelsim::PtyCamera> camera_;
  const TempFolder files_;
};

// Names in any case, substitutions named on stderr; a file saved from one model
// 0 camera provisions another, area grid and all.
TEST_F(Ctl, SetSaveOnOneCameraLoadOnAnother) {
  const std::string path = files_.path("ctl.cfg");
  auto& first = startCamera(0);
  ProcessResult r = ctl({"--model", "0", "set", "shape=65543", "ModeES=3", "Usflg=5", "MGC=49",
                         "mgc=6.5", "MES=1000"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.err,
            "ocel400ctl: Shape=65543: the library sends 7 instead (Shape takes 0...255)\n"
            "ocel400ctl: ModeES=3: the library sends 2 instead (ModeES takes 0, 1, 2 or 4)\n"
            "ocel400ctl: Usflg=5: the library sends nothing (Usflg takes 1 or 255)\n"
            "ocel400ctl: MGC=49: the library sends 0.0 dB instead (MGC takes 0...48 dB)\n");
  EXPECT_EQ(first.receivedFrames().size(), 5u) << "nothing sent for Usflg=5";
  EXPECT_EQ(ctl({"--model", "0", "get", "SHAPE", "mes"}).out, "Shape=7\nMES=989\n");
  ASSERT_EQ(ctl({"--model=0", "area", "1=16", "3=31"}).exitStatus, 0);
  r = ctl({"--model", "0", "save", path});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out, "saved 23 keys to " + path + "\n");

  const int shutterCode = first.reg(8);  // before the second camera replaces the first
  auto& second = startCamera(0);
  ASSERT_EQ(ctl({"--model", "0", "load", path}).exitStatus, 0);
  EXPECT_EQ(second.receivedFrames().size(), 23u);
  EXPECT_EQ(second.reg(8), shutterCode) << "the shutter's code, saved as the speed read back";
  r = ctl({"--model", "0", "dump"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  for (const char* line :
       {"Shape    7\n", "MGC      6.5 dB\n", "1=16\t# . . . .\n", "3=31\t# # # # #\n"})
    EXPECT_NE(r.out.find(line), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("DZoom"), std::string::npos) << "a model 1 setting";
}

// Each cause in words; as root, setpriv drops ocel400ctl's capabilities so permissions bite.
TEST_F(Ctl, PortThatCannotBeOpenedIsExit3WithItsCause) {
  const bool root = geteuid() == 0;
  if (root && access("/usr/bin/setpriv", X_OK) != 0) GTEST_SKIP() << "setpriv missing";
  const std::string file = files_.path("not-a-port");
  writeFile(file, "a file, but no serial port");
  auto& held = startCamera(1);
  const int holder = open(held.slavePath().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0) << "another program's hold";
  ocelsim::PtyCamera forbidden{ocelsim::Options{}};
  ASSERT_EQ(chmod(forbidden.slavePath().c_str(), 0), 0);
  std::vector<std::string> asUser{OCEL400CTL_PATH};
  if (root) asUser.insert(asUser.begin(), {"/usr/bin/setpriv", "--bounding-set=-all", "--"});

  const struct {
    std::string device;
    std::string cause;
  } cases[] = {
      {"/nonexistent/ttyUSB0", "no such device; set OCEL400_COM1 to"},
      {file, "not a serial port"},
      {held.slavePath(), "in use by another program"},
      {forbidden.slavePath(), "permission denied: add the user to the dialout group"},
      {"", "no such device"},  // set but empty: an error, not /dev/ttyS0
  };
  for (const auto& c : cases) {
    setenv("OCEL400_COM1", c.device.c_str(), 1);
    std::vector<std::string> argv = asUser;
    argv.push_back("dump");
    const ProcessResult r = runProcess(argv);
    EXPECT_EQ(r.exitStatus, 3) << c.device << ": " << r.err;
    const std::string port = c.device.empty() ? "$OCEL400_COM1 is empty" : c.device;
    const std::string said = "ocel400ctl: COM1 (" + port + "): cannot open the port: ";
    EXPECT_EQ(r.err.rfind(said + c.cause, 0), 0u) << r.err;
  }
  close(holder);
  EXPECT_TRUE(held.receivedFrames().empty());
}

// Ctrl-C, kill and a closed terminal end it after the exchange in progress
// with 128 + the signal: every finished reading is printed, and the port freed.
TEST_F(Ctl, StopSignalEndsAfterTheExchangeInProgress) {
  auto& camera = startCamera(1);
  setenv("OCEL400_COM1", camera.slavePath().c_str(), 1);
  for (const auto& [signal, status] : {std::pair{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}}) {
    camera.clearLog();
    const StartedProcess run = startProcess({OCEL400CTL_PATH, "dump"});
    waitUntil([&] { return camera.receivedFrames().size() >= 2; }, std::chrono::seconds(2));
    kill(run.pid, signal);
    const ProcessResult r = finishProcess(run);
    EXPECT_EQ(r.exitStatus, status) << signal;
    const auto lines = static_cast<std::size_t>(std::count(r.out.begin(), r.out.end(), '\n'));
    EXPECT_EQ(lines, camera.receivedFrames().size()) << signal << ":\n" << r.out;
    EXPECT_LT(lines, 44u) << "stopped early";
  }
}

// Usage (2) and unreadable files (4) refused before a frame goes out, unwritable
// ones (4) after; a silent camera (1) stops it at the first unanswered exchange.
TEST_F(Ctl, RefusalsSayWhyWithTheirExitStatus) {
  auto& camera = startCamera(1);
  const std::string toFullDisk = std::string("exec ") + OCEL400CTL_PATH + " get Shape >/dev/full";
  const std::string silent =
      "COM1 (" + camera.slavePath() + "): the camera did not answer GetShape\n";
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string message;
    std::size_t frames = 0;  // sent before the refusal
    ocelsim::Fault fault = ocelsim::Fault::None;
  } cases[] = {
      {{"get", "Sharpness"}, 2, "unknown setting 'Sharpness'; model 1 has: Mode, ModeGC"},
      {{"--model", "0", "get", "DZoom"}, 2, "DZoom is not a setting of model 0"},
      {{"set", "Shape"}, 2, "expected NAME=VALUE"},
      {{"set", "MES=70000"}, 2, "MES takes x of 1/x s"},
      {{"set", "MGC=0x10"}, 2, "MGC takes a gain in dB, not '0x10'"},
      {{"set", "Shape=+5"}, 2, "Shape takes a whole number"},
      {{"area"}, 2, "the area grid is a setting of model 0"},
      {{"--model", "0", "area", "6=1"}, 2, "ROW=MASK with ROW 1...5"},
      {{"--port", "9", "dump"}, 2, "--port takes one of 1, 2"},
      {{"frobnicate"}, 2, "unknown command 'frobnicate'"},
      {{}, 2, "no command given"},
      {{"load", "/nonexistent/a.cfg"}, 4, "cannot read /nonexistent/a.cfg: No such file"},
      {{"load", "/tmp"}, 4, "cannot read /tmp: is a directory"},
      {{"save", "/nonexistent/a.cfg"}, 4, "cannot write /nonexistent/a.cfg: No such file", 36},
      {{"/bin/sh", "-c", toFullDisk}, 4, "cannot write the output: No space left", 1},
      {{"get", "Shape", "YGamma"}, 1, silent, 20, ocelsim::Fault::Silence},
  };
  for (const Case& c : cases) {
    camera.clearLog();
    camera.setFault(c.fault);
    const ProcessResult r = ctl(c.args);
    EXPECT_EQ(r.exitStatus, c.status) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << c.message;
    EXPECT_EQ(camera.receivedFrames().size(), c.frames) << c.message;
  }
}

}  // namespace
}  // namespace ocel::testing

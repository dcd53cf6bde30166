// The library's exports against the simulated camera over a pty: the checks
// the Windows driver shares (line_scenarios.h), then Linux's own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "Ocel400.h"
#include "library_state.h"
#include "ocel400sim/pty_camera.h"

// The shared checks of line_scenarios.h report as gtest expectations.
#define OCEL400_CHECK_EQ(actual, expected, what) EXPECT_EQ(actual, expected) << (what)

#include "line_scenarios.h"

namespace ocel::testing {
namespace {

class CameraTest : public ::testing::Test {
 protected:
  // Every test starts from the library's state after load.
  void SetUp() override { libraryState() = LibraryState{}; }
  void TearDown() override { libraryState() = LibraryState{}; }

  // Starts a camera answering at once and maps COMn to it, without opening.
  ocelsim::PtyCamera& startCamera(int model, int baud = 9600, int port = 1) {
    ocelsim::Options options;
    options.model = model;
    options.cameraBaud = baud;
    options.paced = false;  // the tests count frames, not milliseconds
    camera_ = std::make_unique<ocelsim::PtyCamera>(options);
    const std::string variable = "OCEL400_COM" + std::to_string(port);
    setenv(variable.c_str(), camera_->slavePath().c_str(), 1);
    return *camera_;
  }

  ocelsim::PtyCamera& openCamera(int model, int standard = OCEL400_PAL) {
    startCamera(model);
    EXPECT_EQ(PortInitEx(1, model, standard, 9600, 0), OCEL400_DONE);
    return *camera_;
  }

  auto opener() {
    return [this](int model) -> ocelsim::PtyCamera& { return openCamera(model); };
  }

  std::unique_ptr<ocelsim::PtyCamera> camera_;
};

using Line = CameraTest;
using Port = CameraTest;

TEST_F(Line, AreaFramesByteForByte) { checkFrames(opener()); }

TEST_F(Line, LateReplyDiscardedByTheNextRead) { checkRecovery(opener()); }

// Nothing goes out, and the open port and its register map stay.
TEST_F(Line, ArgumentsOutOfRangeSendAndChangeNothing) {
  startCamera(0, 9600, 8);
  EXPECT_EQ(PortInitEx(8, 0, 0, 9600, 0), OCEL400_DONE);
  EXPECT_EQ(PortInit(0), OCEL400_BAD_PORT_NUMBER);
  EXPECT_EQ(PortInitEx(9, 1, 1, 4800, 1), OCEL400_BAD_PORT_NUMBER);
  EXPECT_EQ(SelectArea(4, 6), OCEL400_BAD_ARGUMENT);
  EXPECT_EQ(LastResult(), OCEL400_BAD_ARGUMENT);
  EXPECT_EQ(ReadArea(-1), 0);
  EXPECT_EQ(LastResult(), OCEL400_BAD_ARGUMENT);
  EXPECT_EQ(SetShape(1), OCEL400_DONE);
  EXPECT_EQ(camera_->receivedFrames(), onlyFrame("000000W017001"));
}

class FaultInjection : public CameraTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultInjection, BoundedTruthfulAndRecoverable) { checkFault(opener(), GetParam()); }

INSTANTIATE_TEST_SUITE_P(EveryFault, FaultInjection, ::testing::ValuesIn(kFaultCases),
                         [](const ::testing::TestParamInfo<FaultCase>& param) {
                           return std::string(ocelsim::faultName(param.param.fault)) + "_" +
                                  std::to_string(param.param.percent);
                         });

TEST_F(Port, SettingsReachThePortReopenAndAVanishedCamera) {
  checkPort([this](int model, int baud) -> ocelsim::PtyCamera& { return startCamera(model, baud); },
            [this] {
              const int fd = open(camera_->slavePath().c_str(), O_RDWR | O_NOCTTY);
              termios t{};
              const bool set = fd >= 0 && tcgetattr(fd, &t) == 0 && cfsetspeed(&t, B4800) == 0 &&
                               tcsetattr(fd, TCSANOW, &t) == 0;
              if (fd >= 0) close(fd);
              return set;
            },
            [this] { camera_.reset(); });
}

// Without an open port every exchange fails at once: getters answer 0.
TEST_F(Port, PortThatCannotBeOpenedFailsEveryExchange) {
  setenv("OCEL400_COM2", "/nonexistent/ocel400-port", 1);
  EXPECT_EQ(PortInitEx(2, 1, 0, 9600, 0), OCEL400_PORT_NOT_OPENED);
  EXPECT_EQ(SetShape(5), OCEL400_WRITE_FAILED);
  EXPECT_EQ(GetShape(), 0);
  EXPECT_EQ(LastResult(), OCEL400_WRITE_FAILED);
}

// The shutter converted by the standard PortInitEx chose; plain getters give the low byte.
TEST_F(Line, ShutterInTheStandardAndPlainValuesAsTheLowByte) {
  openCamera(1, OCEL400_NTSC);
  SetMES(30000);  // 248 by the NTSC table (PAL: 255), read back by the NTSC formula
  EXPECT_EQ(GetMES(), 30129);
  camera_->setReg(14, 300);
  EXPECT_EQ(GetShape(), 44);
  EXPECT_EQ(LastResult(), OCEL400_DONE);
}

}  // namespace
}  // namespace ocel::testing

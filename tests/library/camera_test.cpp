// The library's exports against the simulated camera over a pty: the checks
// of line_scenarios.h, which the Windows driver shares (every frame byte for
// byte, every fault, recovery, the port's settings), then what the Linux
// tests add: arguments that cannot be sent, port numbers, the register map
// across models, readings, and why a port could not be opened.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "camera_fixture.h"
#include "line_scenarios.h"
#include "temp_folder.h"

namespace ocel::testing {
namespace {

using Line = CameraTest;
using Port = CameraTest;
using Reading = CameraTest;

TEST_F(Line, EverySetterAndReadRequestFrameByteForByte) { checkFrames(opener()); }

TEST_F(Line, TwentyAttemptsAgainstSilenceAndStaleRepliesDiscarded) { checkRecovery(opener()); }

TEST_F(Line, UnsendableArgumentsSendNothing) {
  openCamera(0);
  camera().clearLog();
  EXPECT_EQ(SetUsflg(2), OCEL400_DONE);
  EXPECT_EQ(SelectArea(4, 6), OCEL400_BAD_ARGUMENT);
  EXPECT_EQ(LastResult(), OCEL400_BAD_ARGUMENT);
  EXPECT_EQ(ReadArea(-1), 0);
  EXPECT_EQ(LastResult(), OCEL400_BAD_ARGUMENT);
  EXPECT_TRUE(camera().receivedFrames().empty());
}

class FaultInjection : public CameraTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultInjection, BoundedTruthfulAndRecoverable) { checkFault(opener(), GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    EveryFault, FaultInjection, ::testing::ValuesIn(kFaultCases),
    [](const ::testing::TestParamInfo<FaultCase>& param) {
      return std::string(ocelsim::faultName(param.param.fault)) + "_" +
             std::to_string(param.param.percent);
    });

TEST_F(Port, SettingsReachThePortReopenAndAVanishedCamera) {
  checkPort(
      [this](int model, int baud) -> ocelsim::PtyCamera& {
        ocelsim::Options options = instantCamera(model);
        options.cameraBaud = baud;
        return startCamera(options);
      },
      [this] {
        const int fd = open(camera().slavePath().c_str(), O_RDWR | O_NOCTTY);
        termios t{};
        const bool set = fd >= 0 && tcgetattr(fd, &t) == 0 && cfsetspeed(&t, B4800) == 0 &&
                         tcsetattr(fd, TCSANOW, &t) == 0;
        if (fd >= 0) close(fd);
        return set;
      },
      [this] { stopCamera(); });
}

TEST_F(Port, NumberOutsideOneToEightChangesNothing) {
  startCamera(instantCamera(0), 8);
  EXPECT_EQ(PortInitEx(8, 0, 0, 9600, 0), OCEL400_DONE);
  EXPECT_EQ(PortInit(0), OCEL400_BAD_PORT_NUMBER);
  EXPECT_EQ(PortInitEx(9, 1, 1, 4800, 1), OCEL400_BAD_PORT_NUMBER);
  EXPECT_EQ(PortInitEx(-1, 1, 1, 4800, 1), OCEL400_BAD_PORT_NUMBER);
  // Still model 0's map on the same open port, COM8.
  EXPECT_EQ(SetShape(1), OCEL400_DONE);
  EXPECT_EQ(lastFrame(), "000000W017001\r");
}

TEST_F(Port, SwitchingModelsKeepsModel0sAreaRegister) {
  openCamera(0);
  EXPECT_EQ(PortInitEx(1, 1, 0, 9600, 0), OCEL400_DONE);
  SetAEArea(10);
  EXPECT_EQ(lastFrame(), "000000W015010\r");
  EXPECT_EQ(PortInitEx(1, 2, 0, 9600, 0), OCEL400_DONE);  // unknown model: map kept
  SetShape(3);
  EXPECT_EQ(lastFrame(), "000000W014003\r");
}

TEST_F(Port, PortInitBeforePortInitExAddressesRegisterZero) {
  startCamera(instantCamera(1));
  EXPECT_EQ(PortInit(1), OCEL400_DONE);
  EXPECT_EQ(SetShape(9), OCEL400_DONE);
  EXPECT_EQ(lastFrame(), "000000W000009\r");  // no register map yet
}

// The cause stays in errno; ports taken or forbidden are the exclusive-port
// tests' (they need a second program).
TEST_F(Port, PortThatCannotBeOpenedLeavesItsCauseAndEveryExchangeFailsAtOnce) {
  const TempFolder folder;
  writeFile(folder.path("not-a-port"), "a file, but no serial port");
  const struct {
    std::string device;
    int cause;
  } cases[] = {{"/nonexistent/ocel400-port", ENOENT}, {folder.path("not-a-port"), ENOTTY}};
  for (const auto& c : cases) {
    setenv("OCEL400_COM2", c.device.c_str(), 1);
    errno = 0;
    const std::uint16_t result = PortInitEx(2, 1, 0, 9600, 0);
    const int cause = errno;
    EXPECT_EQ(result, OCEL400_PORT_NOT_OPENED) << c.device;
    EXPECT_EQ(cause, c.cause) << c.device << ": " << std::strerror(cause);
  }
  EXPECT_EQ(SetShape(5), OCEL400_WRITE_FAILED);
  EXPECT_EQ(GetShape(), 0);
  EXPECT_EQ(LastResult(), OCEL400_WRITE_FAILED);
}

// The shutter converted back by the standard PortInitEx chose; plain
// getters give the low byte. Area rows read back mirrored are ocel400ctl's
// area tests'.
TEST_F(Reading, ShutterInTheStandardAndPlainValuesAsTheLowByte) {
  const struct {
    int standard, sent, readBack;
  } cases[] = {{OCEL400_PAL, 1000, 989}, {OCEL400_NTSC, 30000, 30129},  // by the table
               {OCEL400_NTSC, 180, 176}};                                  // by formula
  for (const auto& c : cases) {
    openCamera(1, c.standard);
    SetMES(static_cast<uint16_t>(c.sent));
    EXPECT_EQ(GetMES(), c.readBack) << "1/" << c.sent << " standard " << c.standard;
  }
  camera().setReg(14, 300);
  EXPECT_EQ(GetShape(), 44);
  EXPECT_EQ(LastResult(), OCEL400_DONE);
}

}  // namespace
}  // namespace ocel::testing

// Opening, reopening and failing to open the port; checkPort is shared
// with the Windows driver.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "camera_fixture.h"
#include "line_scenarios.h"

namespace ocel::testing {
namespace {

class Port : public CameraTest {};

TEST_F(Port, NumberOutsideOneToEightChangesNothing) {
  openCamera(0);
  EXPECT_EQ(PortInit(0), OCEL400_BAD_PORT_NUMBER);
  EXPECT_EQ(PortInitEx(9, 1, 1, 4800, 1), OCEL400_BAD_PORT_NUMBER);
  EXPECT_EQ(PortInitEx(-1, 1, 1, 4800, 1), OCEL400_BAD_PORT_NUMBER);
  // Still model 0's map on the same open port.
  EXPECT_EQ(SetShape(1), OCEL400_DONE);
  EXPECT_EQ(lastFrame(), "000000W017001\r");
}

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

TEST_F(Port, EighthPortOpensCom8) {
  startCamera(instantCamera(1), 8);
  EXPECT_EQ(PortInitEx(8, 1, 0, 9600, 0), OCEL400_DONE);
  EXPECT_EQ(GetShape(), 128);
}

// The cause stays in errno; ports taken or forbidden are the exclusive-port
// tests' (they need a second program).
TEST_F(Port, PortThatCannotBeOpenedLeavesItsCauseAndEveryExchangeFailsAtOnce) {
  const std::string file = ::testing::TempDir() + "/ocel400-not-a-port";
  std::ofstream(file) << "a file, but no serial port";
  const struct {
    std::string device;
    int cause;
  } cases[] = {{"/nonexistent/ocel400-port", ENOENT}, {file, ENOTTY}};
  for (const auto& c : cases) {
    setenv("OCEL400_COM2", c.device.c_str(), 1);
    errno = 0;
    const std::uint16_t result = PortInitEx(2, 1, 0, 9600, 0);
    const int cause = errno;
    EXPECT_EQ(result, OCEL400_PORT_NOT_OPENED) << c.device;
    EXPECT_EQ(cause, c.cause) << c.device << ": " << std::strerror(cause);
  }
  std::remove(file.c_str());
  EXPECT_EQ(SetShape(5), OCEL400_WRITE_FAILED);
  EXPECT_EQ(GetShape(), 0);
  EXPECT_EQ(LastResult(), OCEL400_WRITE_FAILED);
}

}  // namespace
}  // namespace ocel::testing

// Opening, reopening and failing to open the port.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include "camera_fixture.h"

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

TEST_F(Port, Model1KeepsTheChosenSpeedModel0AlwaysRunsAt9600) {
  struct Case {
    int model, baud, parity, cameraBaud;
    const char* frame;
  } cases[] = {{1, 4800, 1, 4800, "000000W014005\r"}, {0, 2400, 2, 9600, "000000W017005\r"}};
  for (const Case& c : cases) {
    ocelsim::Options options = instantCamera(c.model);
    options.cameraBaud = c.cameraBaud;
    startCamera(options);
    EXPECT_EQ(PortInitEx(1, c.model, 0, c.baud, c.parity), OCEL400_DONE);
    EXPECT_EQ(SetShape(5), OCEL400_DONE) << "model " << c.model;
    EXPECT_EQ(camera().lastPcBaud(), c.cameraBaud);
    EXPECT_EQ(lastFrame(), c.frame);
  }
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

TEST_F(Port, PortInitBeforePortInitExKeepsThePortsSpeedAndAddressesRegisterZero) {
  startCamera(instantCamera(1));
  {  // leave the port at 4800 baud, as another program might
    const int fd = open(camera().slavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    termios t{};
    tcgetattr(fd, &t);
    cfsetispeed(&t, B4800);
    cfsetospeed(&t, B4800);
    tcsetattr(fd, TCSANOW, &t);
    close(fd);
  }
  EXPECT_EQ(PortInit(1), OCEL400_DONE);
  SetShape(9);  // the camera listens at 9600 and hears garbage
  EXPECT_EQ(camera().lastPcBaud(), 4800);
  EXPECT_EQ(camera().mismatchedFrames(), 20);

  startCamera(instantCamera(1));  // a new pty, at 9600 baud like the camera
  EXPECT_EQ(PortInit(1), OCEL400_DONE);
  EXPECT_EQ(SetShape(9), OCEL400_DONE);
  EXPECT_EQ(lastFrame(), "000000W000009\r");  // the map is still all zero
}

TEST_F(Port, ReopeningTheSamePortKeepsItUsable) {
  openCamera(1);
  EXPECT_EQ(PortInit(1), OCEL400_DONE);
  EXPECT_EQ(PortInitEx(1, 1, 0, 9600, 0), OCEL400_DONE);
  EXPECT_EQ(GetShape(), 128);
  EXPECT_EQ(LastResult(), OCEL400_DONE);
}

TEST_F(Port, EighthPortOpensCom8) {
  startCamera(instantCamera(1), 8);
  EXPECT_EQ(PortInitEx(8, 1, 0, 9600, 0), OCEL400_DONE);
  EXPECT_EQ(GetShape(), 128);
}

TEST_F(Port, MissingPortIsReportedAndEveryExchangeFailsAtOnce) {
  setenv("OCEL400_COM2", "/nonexistent/ocel400-port", 1);
  EXPECT_EQ(PortInitEx(2, 1, 0, 9600, 0), OCEL400_PORT_NOT_OPENED);
  EXPECT_EQ(SetShape(5), OCEL400_WRITE_FAILED);
  EXPECT_EQ(GetShape(), 0);
  EXPECT_EQ(LastResult(), OCEL400_WRITE_FAILED);
  setenv("OCEL400_COM2", "/dev/null", 1);  // a file, but no serial port
  EXPECT_EQ(PortInitEx(2, 1, 0, 9600, 0), OCEL400_PORT_NOT_OPENED);
}

TEST_F(Port, VanishedCameraFailsTheWriteWithoutRetrying) {
  openCamera(1);
  stopCamera();  // the pty's other end is gone, as with an unplugged adapter
  std::uint16_t result = 0;
  const auto elapsed = timed([&] { result = SetShape(5); });
  EXPECT_EQ(result, OCEL400_WRITE_FAILED);
  EXPECT_LT(elapsed.count(), 1000);  // no 20 attempts of 140 ms
}

}  // namespace
}  // namespace ocel::testing

// Reading settings back from the camera: the shutter converted by the
// standard PortInitEx chose, area rows, the low byte. GetMGC of both
// models is read back by the ocel400ctl tests.
#include "camera_fixture.h"

namespace ocel::testing {
namespace {

class Reading : public CameraTest {};

TEST_F(Reading, ShutterReadsBackNearTheSpeedSentInTheStandard) {
  struct Case {
    int standard, sent, readBack;
  } cases[] = {{OCEL400_PAL, 1000, 989}, {OCEL400_NTSC, 30000, 30129}};
  for (const Case& c : cases) {
    openCamera(1, c.standard);
    SetMES(static_cast<uint16_t>(c.sent));
    EXPECT_EQ(GetMES(), c.readBack) << "1/" << c.sent << " standard " << c.standard;
    stopCamera();
  }
}

TEST_F(Reading, AreaRowsRoundTripThroughTheMirroredRegister) {
  openCamera(0);
  for (int mask : {0, 1, 6, 16, 21, 31}) {
    SelectArea(mask, 1);
    EXPECT_EQ(ReadArea(1), mask);
  }
  SelectArea(0b00111, 4);  // the register holds the row mirrored
  EXPECT_EQ(camera().reg(28), 0b11100);
}

TEST_F(Reading, PlainGettersReturnTheLowByte) {
  openCamera(1);
  camera().setReg(14, 300);
  EXPECT_EQ(GetShape(), 44);
  EXPECT_EQ(LastResult(), OCEL400_DONE);
}

}  // namespace
}  // namespace ocel::testing

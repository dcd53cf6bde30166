// Reading settings back from the camera: the shutter converted by the
// standard PortInitEx chose, area rows, shared registers. GetMGC of both
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

TEST_F(Reading, SharedRegistersReadAlike) {
  openCamera(0);
  SetAgesRes(77);
  EXPECT_EQ(GetAgcRes(), 77);
  EXPECT_EQ(GetAesRes(), 77);  // one register on model 0
  stopCamera();

  openCamera(1);
  SetAgesRes(7);
  SetAesRes(3);
  EXPECT_EQ(GetAgcRes(), 7);
  EXPECT_EQ(GetAesRes(), 3);
  SetAELevel(90);
  EXPECT_EQ(GetAEOff(), 90);  // AEOff and AELevel share register 22
}

TEST_F(Reading, PlainGettersReturnTheLowByte) {
  openCamera(1);
  camera().setReg(14, 300);
  EXPECT_EQ(GetShape(), 44);
  EXPECT_EQ(LastResult(), OCEL400_DONE);
}

}  // namespace
}  // namespace ocel::testing

// Reading settings back from the camera, with the gain and shutter
// back-conversions and the area rows.
#include "camera_fixture.h"

namespace ocel::testing {
namespace {

class Reading : public CameraTest {};

TEST_F(Reading, GainCodesReadBackInDecibels) {
  struct Case {
    int model, code;
    double decibel;
  } cases[] = {{1, 123, 12.3}, {1, 240, 24.0}, {1, 241, 25.6}, {1, 255, 48.0},
               {0, 3, 0.0},    {0, 4, 0.0},    {0, 110, 7.5},  {0, 85, 6.0}};
  for (int model : {0, 1}) {
    openCamera(model);
    for (const Case& c : cases) {
      if (c.model != model) continue;
      camera().setReg(7, c.code);
      EXPECT_NEAR(GetMGC(), c.decibel, 1e-9) << "model " << model << " code " << c.code;
    }
    stopCamera();
  }
}

TEST_F(Reading, ShutterReadsBackNearTheSpeedSent) {
  struct Case {
    int standard, sent, readBack;
  } cases[] = {{OCEL400_PAL, 1000, 989}, {OCEL400_PAL, 30000, 29986}, {OCEL400_NTSC, 30000, 30129},
               {OCEL400_NTSC, 1000, 994}};
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
  SelectArea(1, 4);
  EXPECT_EQ(camera().reg(28), 16);
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

TEST_F(Reading, LastResultTellsWhetherAGetterWasAnswered) {
  openCamera(1);
  EXPECT_EQ(GetShape(), 128);
  EXPECT_EQ(LastResult(), OCEL400_DONE);
  camera().setFault(ocelsim::Fault::Silence);
  EXPECT_EQ(GetShape(), 0);  // nothing came: the buffer's zeros
  EXPECT_EQ(LastResult(), OCEL400_NOT_ACKNOWLEDGED);
  camera().setFault(ocelsim::Fault::NoAck);
  GetShape();  // decoded from the refused reply, but flagged
  EXPECT_EQ(LastResult(), OCEL400_NOT_ACKNOWLEDGED);
  camera().setFault(ocelsim::Fault::None);
  EXPECT_EQ(GetShape(), 128);
  EXPECT_EQ(LastResult(), OCEL400_DONE);
}

}  // namespace
}  // namespace ocel::testing

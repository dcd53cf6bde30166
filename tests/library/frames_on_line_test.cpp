// What the exports put on the line, byte for byte, as the camera receives it.
#include "camera_fixture.h"
#include "frame_cases.h"

namespace ocel::testing {
namespace {

class SetterFrames : public CameraTest {};

TEST_F(SetterFrames, EachSetterSendsItsRegisterAndRangedValue) {
  for (int model : {0, 1}) {
    openCamera(model);
    for (const FrameCase& c : kSetterFrameCases) {
      if (c.model != model) continue;
      camera().clearLog();
      EXPECT_EQ(c.send(), OCEL400_DONE) << c.call;
      EXPECT_EQ(camera().receivedFrames(), std::vector<std::string>{std::string(c.frame) + "\r"})
          << c.call;
    }
    EXPECT_EQ(camera().malformedFrames(), 0);
    stopCamera();
  }
}

TEST_F(SetterFrames, ShutterCodesFollowTheStandard) {
  openCamera(1, OCEL400_NTSC);
  SetMES(1000);
  EXPECT_EQ(lastFrame(), "000000W008112\r");
  SetMES(3000);
  EXPECT_EQ(lastFrame(), "000000W008156\r");
}

TEST_F(SetterFrames, UnsendableArgumentsSendNothing) {
  openCamera(0);
  camera().clearLog();
  EXPECT_EQ(SetUsflg(2), OCEL400_DONE);
  EXPECT_EQ(SelectArea(4, 6), OCEL400_BAD_ARGUMENT);
  EXPECT_EQ(LastResult(), OCEL400_BAD_ARGUMENT);
  EXPECT_EQ(ReadArea(-1), 0);
  EXPECT_EQ(LastResult(), OCEL400_BAD_ARGUMENT);
  EXPECT_TRUE(camera().receivedFrames().empty());
}

TEST_F(SetterFrames, ReadRequestsUseTheReadRegisterField) {
  openCamera(1);
  for (const ReadRequestCase& c : kReadRequestCases) {
    camera().clearLog();
    EXPECT_EQ(c.read(), c.value) << c.call;
    EXPECT_EQ(lastFrame(), std::string(c.frame) + "\r") << c.call;
  }
  EXPECT_EQ(camera().malformedFrames(), 0);
}

}  // namespace
}  // namespace ocel::testing

// What the exports put on the line, byte for byte, as the camera receives it.
#include "camera_fixture.h"
#include "line_scenarios.h"

namespace ocel::testing {
namespace {

class SetterFrames : public CameraTest {};

TEST_F(SetterFrames, EachSetterAndReadRequestByteForByte) { checkFrames(opener()); }

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

}  // namespace
}  // namespace ocel::testing

// What the exports put on the line, byte for byte, as the camera receives it.
#include <functional>

#include "camera_fixture.h"

namespace ocel::testing {
namespace {

struct FrameCase {
  const char* call;
  int model;
  std::function<std::uint16_t()> send;
  const char* frame;  // without the closing CR
};

class SetterFrames : public CameraTest {};

TEST_F(SetterFrames, EachSetterSendsItsRegisterAndRangedValue) {
  const FrameCase cases[] = {
      {"SetShape(128) model 0", 0, [] { return SetShape(128); }, "000000W017128"},
      {"SetShape(128) model 1", 1, [] { return SetShape(128); }, "000000W014128"},
      {"SetAEOff(300)", 0, [] { return SetAEOff(300); }, "000000W014128"},
      {"SetAEOff(65536 + 7)", 0, [] { return SetAEOff(static_cast<uint16_t>(65536 + 7)); },
       "000000W014007"},
      {"SetNegPos(-1)", 0, [] { return SetNegPos(-1); }, "000000W020000"},
      {"SetNegPos(3)", 0, [] { return SetNegPos(3); }, "000000W020003"},
      {"SetMode(-5)", 0, [] { return SetMode(-5); }, "000000W000001"},
      {"SetModeES(3)", 0, [] { return SetModeES(3); }, "000000W002002"},
      {"SetModeES(4)", 0, [] { return SetModeES(4); }, "000000W002004"},
      {"SetModeWB(5)", 0, [] { return SetModeWB(5); }, "000000W003000"},
      {"SetAEMode(9)", 0, [] { return SetAEMode(9); }, "000000W024009"},
      {"SetAEMode(10)", 0, [] { return SetAEMode(10); }, "000000W024000"},
      {"SetDZoom(10)", 1, [] { return SetDZoom(10); }, "000000W017235"},
      {"SetEZMinn(10)", 1, [] { return SetEZMinn(10); }, "000000W043064"},
      {"SetAgcRes(0)", 1, [] { return SetAgcRes(0); }, "000000W028001"},
      {"SetAgcRes(0) model 0", 0, [] { return SetAgcRes(0); }, "000000W016001"},
      {"SetAesRes(11)", 1, [] { return SetAesRes(11); }, "000000W029001"},
      {"SetEZPane(127)", 1, [] { return SetEZPane(127); }, "000000W023128"},
      {"SetEZTilt(255)", 1, [] { return SetEZTilt(255); }, "000000W024255"},
      {"SetReBps(192)", 1, [] { return SetReBps(192); }, "000000W125096"},
      {"SetRePrt(2)", 1, [] { return SetRePrt(2); }, "000000W126002"},
      {"SetDioSel(11)", 1, [] { return SetDioSel(11); }, "000000W101010"},
      {"SetESMax(156)", 1, [] { return SetESMax(156); }, "000000W036155"},
      {"SetAELevel(999)", 1, [] { return SetAELevel(999); }, "000000W022999"},
      {"SetAELevel(1000)", 1, [] { return SetAELevel(1000); }, "000000W022255"},
      {"SetUsflg(255)", 1, [] { return SetUsflg(255); }, "000000W127255"},
      {"SetUsflg(1) model 0", 0, [] { return SetUsflg(1); }, "000000W031001"},
      {"SetMGC(-3.0)", 1, [] { return SetMGC(-3.0); }, "000000W007000"},
      {"SetMGC(60.0) model 0", 0, [] { return SetMGC(60.0); }, "000000W007000"},
      {"SetMGC(24.0)", 1, [] { return SetMGC(24.0); }, "000000W007240"},
      {"SetMGC(30.0)", 1, [] { return SetMGC(30.0); }, "000000W007243"},
      {"SetMGC(6.0) model 0", 0, [] { return SetMGC(6.0); }, "000000W007085"},
      {"SetMES(1000) PAL", 0, [] { return SetMES(1000); }, "000000W008119"},
      {"SetMES(175)", 0, [] { return SetMES(175); }, "000000W008051"},
      {"SetMES(3000)", 0, [] { return SetMES(3000); }, "000000W008163"},
      {"SetMES(10)", 0, [] { return SetMES(10); }, "000000W008000"},
      {"SelectArea(1, 2)", 0, [] { return SelectArea(1, 2); }, "000000W026016"},
      {"SelectArea(31, 1)", 0, [] { return SelectArea(31, 1); }, "000000W025031"},
      {"SelectArea(0, 5)", 0, [] { return SelectArea(0, 5); }, "000000W029000"},
      {"SelectArea(16, 3)", 0, [] { return SelectArea(16, 3); }, "000000W027001"},
      {"SelectArea(33, 0)", 0, [] { return SelectArea(33, 0); }, "000000W024016"},
  };
  for (int model : {0, 1}) {
    openCamera(model);
    for (const FrameCase& c : cases) {
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
  camera().clearLog();
  GetMES();
  EXPECT_EQ(lastFrame(), "000000R008000\r");
  EXPECT_EQ(GetReBps(), 96);
  EXPECT_EQ(lastFrame(), "000000R0<5000\r");
  EXPECT_EQ(GetDioSel(), 10);
  EXPECT_EQ(lastFrame(), "000000R0:1000\r");
  EXPECT_EQ(camera().malformedFrames(), 0);
}

}  // namespace
}  // namespace ocel::testing

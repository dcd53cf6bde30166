// Every fault the simulator can commit: no call blocks longer than 20
// unanswered attempts allow, the result codes tell the truth, and the next
// exchange with a healthy camera succeeds.
#include "camera_fixture.h"
#include "fault_cases.h"

namespace ocel::testing {
namespace {

class FaultInjection : public CameraTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultInjection, BoundedTruthfulAndRecoverable) {
  const FaultCase& c = GetParam();
  openCamera(1);
  camera().setFault(c.fault, c.percent);

  std::uint16_t written = 0;
  auto elapsed = timed([&] { written = SetShape(77); });
  EXPECT_LT(elapsed, kAllowed);
  EXPECT_EQ(written, c.writeResult);
  if (written == OCEL400_DONE) {
    EXPECT_EQ(camera().reg(kShapeRegister), 77);
  }

  std::uint8_t read = 0;
  elapsed = timed([&] { read = GetShape(); });
  EXPECT_LT(elapsed, kAllowed);
  EXPECT_EQ(LastResult(), c.readResult);
  if (LastResult() == OCEL400_DONE) {
    EXPECT_EQ(read, camera().reg(kShapeRegister));
  }

  camera().setFault(Fault::None);
  EXPECT_EQ(SetYGamma(33), OCEL400_DONE);
  EXPECT_EQ(GetCGamma(), camera().reg(16));
  EXPECT_EQ(LastResult(), OCEL400_DONE);
  EXPECT_EQ(GetYGamma(), 33);
  EXPECT_EQ(camera().malformedFrames(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFault, FaultInjection,
    ::testing::ValuesIn(kFaultCases),
    [](const ::testing::TestParamInfo<FaultCase>& info) {
      return std::string(ocelsim::faultName(info.param.fault)) + "_" +
             std::to_string(info.param.percent);
    });

class Recovery : public CameraTest {};

TEST_F(Recovery, SilentCameraCostsTwentyAttemptsAndReadsZero) {
  openCamera(1);
  camera().setFault(Fault::Silence);
  camera().clearLog();
  EXPECT_EQ(GetShape(), 0);
  EXPECT_EQ(camera().receivedFrames().size(), 20u);
  camera().clearLog();
  EXPECT_EQ(SetShape(1), OCEL400_NOT_ACKNOWLEDGED);
  EXPECT_EQ(camera().receivedFrames().size(), 20u);
}

TEST_F(Recovery, LateReplyForAnotherRegisterIsRefusedAndDiscarded) {
  openCamera(1);
  camera().setFault(Fault::Late);
  camera().clearLog();
  // The first reply to GetShape comes late; the read still succeeds, and the
  // late reply to its second attempt is left on the line.
  GetShape();
  camera().setFault(Fault::None);
  // Straight after, a read of another register must not take that stale
  // Shape reply for its own.
  camera().setReg(15, 201);
  EXPECT_EQ(GetYGamma(), 201);
  EXPECT_EQ(LastResult(), OCEL400_DONE);
  EXPECT_EQ(GetYGamma(), 201);
  EXPECT_EQ(LastResult(), OCEL400_DONE);
}

}  // namespace
}  // namespace ocel::testing

// The shared checks of line_scenarios.h against the linked library: every
// frame byte for byte, every fault, recovery; and arguments that cannot be
// sent.
#include "camera_fixture.h"
#include "line_scenarios.h"

namespace ocel::testing {
namespace {

class Line : public CameraTest {};

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
    [](const ::testing::TestParamInfo<FaultCase>& info) {
      return std::string(ocelsim::faultName(info.param.fault)) + "_" +
             std::to_string(info.param.percent);
    });

}  // namespace
}  // namespace ocel::testing

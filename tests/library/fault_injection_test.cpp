// Every fault the simulator can commit (checkFault), and recovery from a
// silent camera and from a late reply (checkRecovery).
#include "camera_fixture.h"
#include "line_scenarios.h"

namespace ocel::testing {
namespace {

class FaultInjection : public CameraTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultInjection, BoundedTruthfulAndRecoverable) { checkFault(opener(), GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    EveryFault, FaultInjection, ::testing::ValuesIn(kFaultCases),
    [](const ::testing::TestParamInfo<FaultCase>& info) {
      return std::string(ocelsim::faultName(info.param.fault)) + "_" +
             std::to_string(info.param.percent);
    });

class Recovery : public CameraTest {};

TEST_F(Recovery, TwentyAttemptsAgainstSilenceAndStaleRepliesDiscarded) { checkRecovery(opener()); }

}  // namespace
}  // namespace ocel::testing

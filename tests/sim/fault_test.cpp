// Which frames the fault percentage picks. What each fault does on the line
// is exercised by the library's fault-injection tests.
#include <gtest/gtest.h>

#include "ocel400sim/camera.h"
#include "ocel400sim/frame_codec.h"

namespace ocelsim {
namespace {

const TimePoint kStart{};

Camera faultyCamera(Fault fault, int percent = 100) {
  Options options;
  options.fault = fault;
  options.faultPercent = percent;
  options.lateMs = 200;
  return Camera(options, kStart);
}

TEST(FaultPattern, HitsExactlyPercentOfEveryHundredFrames) {
  for (int percent = 0; percent <= 100; ++percent) {
    int hits = 0;
    for (long n = 1; n <= 100; ++n) hits += frameHit(n, percent) ? 1 : 0;
    EXPECT_EQ(hits, percent);
  }
}

TEST(FaultPattern, SettingAFaultRestartsTheCountAndMalformedFramesDoNotCount) {
  Camera camera = faultyCamera(Fault::None);
  camera.setFault(Fault::Silence, 50);
  EXPECT_FALSE(camera.receive("000000R014000\r", 9600, kStart).reply.empty());  // frame 1
  EXPECT_FALSE(camera.receive("000000R01X000\r", 9600, kStart).reply.empty());  // malformed: 'E'
  EXPECT_TRUE(camera.receive("000000R014000\r", 9600, kStart).reply.empty());   // frame 2
  camera.setFault(Fault::Silence, 50);
  EXPECT_FALSE(camera.receive("000000R014000\r", 9600, kStart).reply.empty());  // frame 1 again
  camera.setFault(Fault::None, 100);
  EXPECT_FALSE(camera.receive("000000R014000\r", 9600, kStart).reply.empty());
}

}  // namespace
}  // namespace ocelsim

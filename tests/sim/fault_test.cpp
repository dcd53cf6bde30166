// What each fault does to the reply and to the register, and which frames
// the percentage pattern picks.
#include <gtest/gtest.h>

#include "ocel400sim/camera.h"
#include "ocel400sim/frame_codec.h"

namespace ocelsim {
namespace {

using std::chrono::milliseconds;

const TimePoint kStart{};

Camera faultyCamera(Fault fault, int percent = 100) {
  Options options;
  options.fault = fault;
  options.faultPercent = percent;
  options.lateMs = 200;
  return Camera(options, kStart);
}

struct ShapeCase {
  const char* name;
  Fault fault;
  std::string frame;
  std::vector<ReplyChunk> reply;
  int reg14After;  // factory value 128; the write frames store 200
  // Names the case in test listings instead of dumping its bytes.
  friend void PrintTo(const ShapeCase& c, std::ostream* out) { *out << c.name; }
};

class FaultShape : public testing::TestWithParam<ShapeCase> {};

TEST_P(FaultShape, BendsReplyAndDecidesApplication) {
  const ShapeCase& c = GetParam();
  Camera camera = faultyCamera(c.fault);
  const Exchange exchange = camera.receive(c.frame, 9600, kStart);
  EXPECT_EQ(exchange.reply, c.reply);
  EXPECT_EQ(camera.reg(14, kStart), c.reg14After);
  EXPECT_EQ(exchange.events.size(), c.fault == Fault::None ? 0u : 1u);
}

const milliseconds kNow{0};
const milliseconds kLate{200};

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultShape,
    testing::Values(
        ShapeCase{"None", Fault::None, "000000W014200\r", {{kNow, "000000C014200\r"}}, 200},
        ShapeCase{"Silence", Fault::Silence, "000000W014200\r", {}, 128},
        ShapeCase{"NoAck", Fault::NoAck, "000000W014200\r", {{kNow, "000000N014200\r"}}, 128},
        ShapeCase{"NoAckRead", Fault::NoAck, "000000R014000\r", {{kNow, "000000N014128\r"}}, 128},
        ShapeCase{"NoCr", Fault::NoCr, "000000W014200\r", {{kNow, "000000C014200"}}, 200},
        ShapeCase{"Late", Fault::Late, "000000W014200\r", {{kLate, "000000C014200\r"}}, 200},
        ShapeCase{"Fragment",
                  Fault::Fragment,
                  "000000W014200\r",
                  {{kNow, "000000C"}, {kLate, "014200\r"}},
                  200},
        ShapeCase{"WrongRegWrite",
                  Fault::WrongRegister,
                  "000000W014200\r",
                  {{kNow, "000000C015200\r"}},
                  200},
        ShapeCase{"WrongRegWrite99",
                  Fault::WrongRegister,
                  "000000W099200\r",
                  {{kNow, "000000C000200\r"}},
                  128},
        ShapeCase{"WrongRegRead125",
                  Fault::WrongRegister,
                  "000000R0<5000\r",
                  {{kNow, "000000C0<6096\r"}},
                  128}),
    [](const testing::TestParamInfo<ShapeCase>& info) { return info.param.name; });

TEST(FaultGarbage, NeverLooksLikeAReplyAndIsNotApplied) {
  Camera camera = faultyCamera(Fault::Garbage);
  std::vector<std::string> seen;
  for (int i = 0; i < 50; ++i) {
    const Exchange exchange = camera.receive("000000W014200\r", 9600, kStart);
    ASSERT_EQ(exchange.reply.size(), 1u);
    const std::string& noise = exchange.reply[0].bytes;
    ASSERT_EQ(noise.size(), kFrameLength);
    EXPECT_NE(noise[6], kAccepted);
    EXPECT_EQ(noise.find('\r'), std::string::npos);
    EXPECT_NE(noise.substr(0, 6), "000000");
    seen.push_back(noise);
  }
  EXPECT_NE(seen.front(), seen.back()) << "noise should vary from frame to frame";
  EXPECT_EQ(camera.reg(14, kStart), 128);
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

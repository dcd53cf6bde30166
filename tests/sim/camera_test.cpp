// The simulated camera without a pty, in what the library's tests over a pty
// never send or see: malformed frames, Usflg, line codes, keypad zoom.
#include "ocel400sim/camera.h"

#include <gtest/gtest.h>

#include "ocel400sim/frame_codec.h"
#include "ocel400sim/register_file.h"

namespace ocelsim {
namespace {

const TimePoint kStart{};

std::string sent(const Exchange& exchange) {
  std::string bytes;
  for (const ReplyChunk& chunk : exchange.reply) bytes += chunk.bytes;
  return bytes;
}

TEST(CameraFrame, AnswersWellFormedFramesAndRefusesTheRestWithE) {
  const struct {
    const char* name;
    std::string frame;
    std::string reply;
  } cases[] = {
      {"write of register 255, value 999", "000000W255999\r", "000000C255999\r"},
      {"read of register 255 echoes byte 7", "000000R?I5000\r", "000000C?I5000\r"},
      {"write register not digits", "000000W0<5001\r", "000000E0<5001\r"},
      {"read register past 255", "000000R0I6000\r", "000000E0I6000\r"},
      {"read units past 9", "000000R00:000\r", "000000E00:000\r"},
      {"value not digits", "000000W0142 0\r", "000000E0142 0\r"},
      {"unknown letter", "000000X014200\r", "000000E014200\r"},
      {"prefix not zeros", "000001W014200\r", "000000E014200\r"},
  };
  const Registers factory = factoryRegisters(1);
  for (const auto& c : cases) {
    Camera camera(Options{}, kStart);
    EXPECT_EQ(sent(camera.receive(c.frame, 9600, kStart)), c.reply) << c.name;
    EXPECT_EQ(camera.receivedFrames(), std::vector<std::string>{c.frame}) << c.name;
    const bool refused = c.reply[6] == kRejected;
    EXPECT_EQ(camera.malformedFrames(), refused ? 1 : 0) << c.name;
    for (int reg = 0; reg < kRegisterCount && refused; ++reg)
      EXPECT_EQ(camera.reg(reg, kStart), factory[reg]) << c.name << ": register " << reg;
  }
}

// On model 1 (Usflg 127), started at 2400 baud, which sets ReBps.
TEST(UserSettingsFlag, OneKeepsTheSettingsOtherValuesAreStored255RestoresTheFactory) {
  const int usflg = 127, reg = 9;
  Options options;
  options.cameraBaud = 2400;
  Camera camera(options, kStart);
  EXPECT_EQ(camera.reg(125, kStart), 24);
  camera.receive(encodeWrite(reg, 77), 2400, kStart);
  const std::string keep = encodeWrite(usflg, 1);
  EXPECT_EQ(sent(camera.receive(keep, 2400, kStart)), echoReply(keep, kAccepted));
  EXPECT_EQ(camera.reg(usflg, kStart), 1);
  EXPECT_EQ(camera.userSet()[reg], 77);

  camera.receive(encodeWrite(reg, 78), 2400, kStart);
  EXPECT_EQ(camera.userSet()[reg], 77) << "the user set changes only on Usflg 1";

  camera.receive(encodeWrite(usflg, 5), 2400, kStart);
  EXPECT_EQ(camera.reg(usflg, kStart), 5) << "other values are just stored";
  EXPECT_EQ(camera.reg(reg, kStart), 78);

  EXPECT_EQ(sent(camera.receive(encodeWrite(usflg, 255), 2400, kStart)), "000000C127255\r");
  const Registers factoryValues = factoryRegisters(1);
  for (int r = 0; r < kRegisterCount; ++r)
    EXPECT_EQ(camera.reg(r, kStart), factoryValues[r]) << "register " << r;
  EXPECT_EQ(camera.line().baud, 9600);
}

TEST(CameraLine, ReBpsAndRePrtApplyFromTheNextFrame) {
  const struct {
    int reg, value;
    LineSettings after;
  } cases[] = {{125, 48, {4800, Parity::None}}, {125, 24, {2400, Parity::None}},
               {125, 50, {9600, Parity::None}},  // unknown code: speed kept
               {126, 1, {9600, Parity::Odd}},   {126, 2, {9600, Parity::Even}},
               {126, 3, {9600, Parity::None}}};  // unknown code: parity kept
  for (const auto& c : cases) {
    Camera camera(Options{}, kStart);
    const Exchange exchange = camera.receive(encodeWrite(c.reg, c.value), 9600, kStart);
    EXPECT_EQ(exchange.replyLine, (LineSettings{9600, Parity::None}))
        << "the acknowledgement still goes out at the old settings";
    EXPECT_EQ(camera.line(), c.after) << c.reg << "=" << c.value;
    const Exchange next = camera.receive(encodeRead(c.reg), c.after.baud, kStart);
    EXPECT_EQ(next.replyLine, c.after);
    EXPECT_EQ(sent(next), readReply(encodeRead(c.reg), c.value, kAccepted));
  }
}

// Keypad zoom motion, driven by made-up time.
using std::chrono::milliseconds;

constexpr int kEzSwBtn = 33;
constexpr int kDZoom = 17;
constexpr int kTele = 1;
constexpr int kWide = 2;

TEST(ZoomMotion, MovesAtTheRateAndStopsAtTheEnd) {
  const struct {
    const char* name;
    int model, start, buttons;
    milliseconds held;
    int expected;
  } cases[] = {
      {"tele one second", 1, 255, kTele, milliseconds(1000), 191},
      {"tele clamps at 63", 1, 255, kTele, milliseconds(10000), 63},
      {"wide clamps at 255", 1, 200, kWide, milliseconds(10000), 255},
      {"both buttons stand still", 1, 150, kTele | kWide, milliseconds(1000), 150},
      {"only the low bits count", 1, 150, 4 | kWide, milliseconds(500), 182},
      {"model 0 has no keypad zoom", 0, 235, kTele, milliseconds(1000), 235},
  };
  for (const auto& c : cases) {
    RegisterFile registers(c.model, 64, kStart);
    registers.store(kDZoom, c.start, kStart);
    registers.write(kEzSwBtn, c.buttons, kStart);
    EXPECT_EQ(registers.read(kDZoom, kStart + c.held), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace ocelsim

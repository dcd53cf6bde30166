// The panels' arithmetic and rules, without a window.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "classic/slider_rules.h"
#include "panel_support/round_decimal.h"
#include "panel_support/slider_arithmetic.h"
#include "platform/scroll_codes.h"
#include "sheet/keypad.h"
#include "sheet/manual_gain.h"
#include "sheet/zoom_conversions.h"
#include "shell/connection_test.h"

namespace ocel {
namespace {

using namespace panel_support;
using namespace platform;  // the scroll codes
using namespace sheet;

TEST(RoundDecimal, RoundsOnTheTruncatedFirstDecimal) {
  const struct {
    double value;
    bool halfSteps;
    double rounded;
    const char* text;
    // clang-format off
  } cases[] = {
      {6.4, true, 6.5, "6.5"},   {6.2, true, 6.0, "6.0"},   {6.9, true, 7.0, "7.0"},
      {5.3, true, 5.0, "5.0"},  // 0.3 * 10 is 2.99...: a first decimal of 2
      {0.0, true, 0.0, "0.0"},   {2.55, false, 3.0, "3.0"}, {127.49999999999999, false, 127, "127.0"},
      {25.0, false, 25.0, "25.0"}, {99.96, false, 100.0, "100.0"},
  };
  // clang-format on
  for (const auto& c : cases) {
    const RoundedDecimal r = RoundDecimal(c.value, c.halfSteps);
    EXPECT_DOUBLE_EQ(r.value, c.rounded) << c.value;
    EXPECT_EQ(r.text, c.text) << c.value;
  }
}

// The arrows step along the ladder of standard speeds; a drag snaps to a step.
TEST(ShutterSlider, LadderStepsAndDragSnaps) {
  const struct {
    int code, current, dragged, next;
    // clang-format off
  } cases[] = {{kLineLeft, 60, 0, 50},         {kLineLeft, 50, 0, 50},
               {kLineRight, 30000, 0, 30000},  {kLineRight, 1230, 0, 1230},  // off the ladder
               {kThumbTrack, 0, 3399, 2800},   {kThumbTrack, 0, 3400, 4000},
               {kThumbTrack, 0, 54, 50},       {kThumbTrack, 0, 0, 50}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(classic::shutterSliderPosition(c.code, c.current, c.dragged), c.next)
        << c.code << " from " << c.current << " dragged " << c.dragged;
}

TEST(ManualGain, DigitalStepsReadAsTheirTableAndReportedGainsAsRead) {
  const char* digital[] = {"25.6", "27.2", "28.8", "30.4", "32.0", "33.6", "35.2", "36.8",
                           "38.4", "40.0", "41.6", "43.2", "44.8", "46.4", "48.0"};
  for (int p = 49; p <= kManualGainTop; ++p)
    EXPECT_EQ(manualGainMoveText(manualGainDecibels(p)), digital[p - 49]) << p;
  const std::tuple<double, const char*, int> reportedOrNot[] = {
      {0.3, "0.3", 0}, {6.7, "6.7", 13}, {0.999, "0.9", 1}, {-1, "0.0", 0}, {NAN, "0.0", 0}};
  for (const auto& [reported, text, position] : reportedOrNot) {
    EXPECT_EQ(manualGainReadText(reported), text) << reported;
    EXPECT_EQ(manualGainPosition(reported), position) << reported;
  }
}

TEST(ZoomPageConversions, WeightsZoomAndPercentages) {
  const struct {
    const char* what;
    int (*convert)(int);
    std::vector<std::pair<int, int>> inOut;
    // clang-format off
  } cases[] = {
      {"percent to weight", byteOfPercent, {{1, 3}, {10, 26}, {50, 127}, {90, 229}, {100, 255}}},
      {"weight to percent", percentOfByte, {{255, 100}, {128, 50}, {0, 0}}},
      {"PercentToZoom", PercentToZoom, {{100, 255}, {400, 63}, {101, 254}}},
      {"zoom shown on activation", truncatedZoomPercent, {{64, 398}, {65, 396}}},
      {"zoom read back", roundedZoomPercent, {{65, 397}, {255, 100}, {63, 400}}}};
  // clang-format on
  for (const auto& c : cases)
    for (const auto& [in, out] : c.inOut) EXPECT_EQ(c.convert(in), out) << c.what << " of " << in;
  EXPECT_EQ(ZoomToPercent(64), 398.4375);
}

// Presses count strictly inside a button; a held button is left only beyond its border.
TEST(Keypad, PressesAndLeavingsByPixel) {
  const struct {
    int x, y;
    int pressed;  // bits a press here sets
    int held;     // a button held while the pointer moves here ...
    bool left;    // ... is left
    // clang-format off
  } cases[] = {
      {310, 100, kTeleBit, kTeleBit, false},
      {290, 100, 0, kTeleBit, false},  // Tele's left border
      {331, 100, 0, kTeleBit, true},   // one beyond its right border
      {332, 100, 0, kWideBit, true},   // between Tele and Wide
      {330, 45, kTopBit, kTopBit, false},
      {265, 45, kLeftBit | kTopBit, kLeftBit | kTopBit, false},           // T/L
      {400, 45, kRightBit | kTopBit, kLeftBit | kTopBit, true},           // T/R
      {265, 160, kLeftBit | kBottomBit, kRightBit | kBottomBit, true},    // B/L
      {245, 62, 0, kLeftBit | kTopBit, false},  // T/L's corner pixel
      {310, 100, kTeleBit, kTeleBit | kWideBit, false},  // not one button's bits
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(keypadBitsPressedAt(kKeypadHitRects, c.x, c.y), c.pressed) << c.x << "," << c.y;
    EXPECT_EQ(pointerLeftHeldButton(kKeypadHitRects, c.held, c.x, c.y), c.left)
        << c.held << " at " << c.x << "," << c.y;
  }
}

// The sharpness found moves 4 away (up in the lower half); it passes read back 4 away either way.
TEST(ConnectionTest, WritesFourAwayAndPassesOnFourAwayEitherWay) {
  const struct {
    int found, written, readBack;
    bool passes;
    // clang-format off
  } cases[] = {{127, 131, 131, true}, {128, 124, 124, true}, {0, 4, 4, true},
               {255, 251, 251, true}, {10, 14, 6, true},     {200, 196, 204, true},
               {10, 14, 10, false},   {10, 14, 18, false},
               {255, 251, 3, false}};  // 255 + 4 is no byte's 3
  // clang-format on
  for (const auto& c : cases) {
    const auto found = static_cast<std::uint8_t>(c.found);
    EXPECT_EQ(shell::connectionTestValue(found), c.written) << c.found;
    EXPECT_EQ(shell::connectionTestPassed(found, static_cast<std::uint8_t>(c.readBack)), c.passes)
        << c.found << " read back as " << c.readBack;
  }
}

}  // namespace
}  // namespace ocel

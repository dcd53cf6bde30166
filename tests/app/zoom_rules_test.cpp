// The zoom page's arithmetic and the keypad's hit rules, without a window.
#include <gtest/gtest.h>

#include "panel_support/slider_arithmetic.h"
#include "sheet/keypad.h"
#include "sheet/zoom_conversions.h"

namespace ocel::sheet {
namespace {

TEST(ZoomPageConversions, WeightsZoomAndPercentages) {
  using panel_support::byteOfPercent;
  using panel_support::percentOfByte;
  const struct {
    const char* what;
    int (*convert)(int);
    int in, out;
  } cases[] = {
      {"percent to weight", byteOfPercent, 1, 3},
      {"percent to weight", byteOfPercent, 10, 26},
      {"percent to weight", byteOfPercent, 50, 127},
      {"percent to weight", byteOfPercent, 90, 229},
      {"percent to weight", byteOfPercent, 100, 255},
      {"weight to percent", percentOfByte, 255, 100},
      {"weight to percent", percentOfByte, 128, 50},
      {"weight to percent", percentOfByte, 0, 0},
      {"PercentToZoom", PercentToZoom, 100, 255},
      {"PercentToZoom", PercentToZoom, 400, 63},
      {"PercentToZoom", PercentToZoom, 101, 254},
      {"zoom shown on activation", truncatedZoomPercent, 64, 398},
      {"zoom shown on activation", truncatedZoomPercent, 65, 396},
      {"zoom read back", roundedZoomPercent, 65, 397},
      {"zoom read back", roundedZoomPercent, 255, 100},
      {"zoom read back", roundedZoomPercent, 63, 400},
  };
  for (const auto& c : cases) EXPECT_EQ(c.convert(c.in), c.out) << c.what << " of " << c.in;
  EXPECT_EQ(ZoomToPercent(64), 398.4375);
}

// Presses count strictly inside a button; a held button is left only
// beyond its border.
TEST(Keypad, PressesAndLeavingsByPixel) {
  const struct {
    int x, y;
    int pressed;  // bits a press here sets
    int held;     // a button held while the pointer moves here ...
    bool left;    // ... is left
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
  for (const auto& c : cases) {
    EXPECT_EQ(keypadBitsPressedAt(kKeypadHitRects, c.x, c.y), c.pressed) << c.x << "," << c.y;
    EXPECT_EQ(pointerLeftHeldButton(kKeypadHitRects, c.held, c.x, c.y), c.left)
        << c.held << " at " << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace ocel::sheet

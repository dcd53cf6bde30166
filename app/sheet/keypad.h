// The remote keypad's geometry and bits. Its buttons are pictures; the page
// decides by fixed hit rectangles in its client pixels which one the
// pointer means. A button's bits are those of the camera's switch-button
// register (SetEZSWBtn): the camera zooms or pans while they are set.
#pragma once

#include <array>

namespace ocel::sheet {

enum KeypadBit : int {
  kTeleBit = 1,
  kWideBit = 2,
  kLeftBit = 4,
  kRightBit = 8,
  kTopBit = 16,
  kBottomBit = 32,
};
// Bits 6 and 7 of the register are not the keypad's: a release keeps them.
inline constexpr int kNonKeypadBits = 64 | 128;

struct HitRect {
  int left, top, right, bottom;
};
// Indexed by bit number: Tele, Wide, Left, Right, Top, Bottom. A corner
// button's area spans Left's or Right's columns and Top's or Bottom's rows.
using HitRects = std::array<HitRect, 6>;

// Where the ten pictures lie at the dialog layer's fixed base units.
inline constexpr HitRects kKeypadHitRects{{
    {290, 68, 330, 136},   // Tele
    {334, 68, 374, 136},   // Wide
    {245, 68, 285, 136},   // Left
    {378, 68, 418, 136},   // Right
    {290, 29, 374, 62},    // Top
    {290, 141, 374, 174},  // Bottom
}};

// A button of the keypad: the bits it sets and the area it answers in.
struct KeypadButton {
  int bits;
  HitRect area;
};
// The ten buttons: the six of the hit rectangles, by bit number, then the
// corners T/L 20, B/L 36, T/R 24 and B/R 40, each spanning Left's or Right's
// columns and Top's or Bottom's rows.
std::array<KeypadButton, 10> keypadButtons(const HitRects& rects);

// The bits of the button a press at (x, y) lies strictly inside (a border
// pixel belongs to none); 0 outside every button. Corner buttons give two
// bits: T/L 20, T/R 24, B/L 36, B/R 40.
int keypadBitsPressedAt(const HitRects& rects, int x, int y);

// True when held is one button's bits and (x, y) lies outside that
// button's area, its border counting as inside: the pointer has left it.
bool pointerLeftHeldButton(const HitRects& rects, int held, int x, int y);

}  // namespace ocel::sheet

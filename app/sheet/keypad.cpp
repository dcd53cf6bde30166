#include "sheet/keypad.h"

namespace ocel::sheet {

namespace {

constexpr int kColumns[] = {2, 3};  // Left, Right
constexpr int kRows[] = {4, 5};     // Top, Bottom

constexpr int bit(int index) { return 1 << index; }

bool strictlyInside(const HitRect& r, int x, int y) {
  return r.left < x && x < r.right && r.top < y && y < r.bottom;
}
bool inside(const HitRect& r, int x, int y) {
  return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

}  // namespace

std::array<KeypadButton, 10> keypadButtons(const HitRects& rects) {
  std::array<KeypadButton, 10> buttons{};
  for (int i = 0; i < 6; ++i) buttons[i] = {bit(i), rects[i]};
  int next = 6;
  for (int column : kColumns)
    for (int row : kRows)
      buttons[next++] = {
          bit(column) | bit(row),
          {rects[column].left, rects[row].top, rects[column].right, rects[row].bottom}};
  return buttons;
}

int keypadBitsPressedAt(const HitRects& rects, int x, int y) {
  for (const KeypadButton& button : keypadButtons(rects))
    if (strictlyInside(button.area, x, y)) return button.bits;
  return 0;
}

bool pointerLeftHeldButton(const HitRects& rects, int held, int x, int y) {
  for (const KeypadButton& button : keypadButtons(rects))
    if (held == button.bits) return !inside(button.area, x, y);
  return false;
}

}  // namespace ocel::sheet

#include "sheet/keypad.h"

namespace ocel::sheet {

namespace {

constexpr int kColumns[] = {2, 3};  // Left, Right
constexpr int kRows[] = {4, 5};     // Top, Bottom

constexpr int bit(int index) { return 1 << index; }

bool strictlyBetween(int low, int value, int high) { return low < value && value < high; }
bool between(int low, int value, int high) { return low <= value && value <= high; }

}  // namespace

int keypadBitsPressedAt(const HitRects& rects, int x, int y) {
  for (int i = 0; i < 6; ++i)
    if (strictlyBetween(rects[i].left, x, rects[i].right) &&
        strictlyBetween(rects[i].top, y, rects[i].bottom))
      return bit(i);
  for (int column : kColumns)
    for (int row : kRows)
      if (strictlyBetween(rects[column].left, x, rects[column].right) &&
          strictlyBetween(rects[row].top, y, rects[row].bottom))
        return bit(column) | bit(row);
  return 0;
}

bool pointerLeftHeldButton(const HitRects& rects, int held, int x, int y) {
  for (int i = 0; i < 6; ++i)
    if (held == bit(i))
      return !(between(rects[i].left, x, rects[i].right) &&
               between(rects[i].top, y, rects[i].bottom));
  for (int column : kColumns)
    for (int row : kRows)
      if (held == (bit(column) | bit(row)))
        return !(between(rects[column].left, x, rects[column].right) &&
                 between(rects[row].top, y, rects[row].bottom));
  return false;
}

}  // namespace ocel::sheet

#include "platform/text_fitting.h"

#include <QFontMetrics>
#include <algorithm>

namespace ocel::platform {

namespace {

// The ways a text is narrowed, mildest first: pixels smaller, and percent
// of letter spacing tighter. A pixel less reads better than letters that
// run into each other.
struct Narrowing {
  int smaller;
  int tighter;
};
constexpr Narrowing kNarrowings[] = {{0, 5},  {1, 0}, {1, 5}, {0, 10},
                                     {1, 10}, {2, 0}, {2, 5}, {2, 10}};

// Another control is on a text's line when it spans the text's middle: a
// frame whose edge merely grazes the text's rectangle from below is not.
bool sameLine(const QRect& text, const QRect& other) {
  const int middle = text.center().y();
  return other.top() <= middle && middle <= other.bottom();
}

}  // namespace

int roomOnLine(const QRect& text, const std::vector<QRect>& others) {
  int right = text.left() + text.width();
  for (const QRect& other : others)
    if (other.left() > text.left() && other.left() < right + kTextGap && sameLine(text, other))
      right = std::min(right, other.left() - kTextGap);
  return right - text.left();
}

QFont fittedFont(const QFont& base, const QString& text, int room) {
  if (QFontMetrics(base).horizontalAdvance(text) <= room) return base;
  const bool percent =
      base.letterSpacingType() == QFont::PercentageSpacing && base.letterSpacing() > 0;
  const qreal spacing = percent ? base.letterSpacing() : 100;
  QFont font = base;
  for (const Narrowing& narrowing : kNarrowings) {
    font = base;
    if (base.pixelSize() > 0) font.setPixelSize(base.pixelSize() - narrowing.smaller);
    font.setLetterSpacing(QFont::PercentageSpacing, spacing - narrowing.tighter);
    if (QFontMetrics(font).horizontalAdvance(text) <= room) return font;
  }
  return font;  // the narrowest
}

}  // namespace ocel::platform

// Static texts kept clear of what follows them. The dialogs were laid out
// for a narrower font than the machine may have; a text that would touch
// its neighbour or be cut off is set tighter, and only then smaller.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

namespace ocel::platform {

// Pixels a static text keeps free before the next control on its line.
inline constexpr int kTextGap = 3;

// The width a static text may fill: up to its own right edge, or up to the
// nearest other control that starts inside its rectangle on its line, less
// the gap.
int roomOnLine(const QRect& text, const std::vector<QRect>& others);

// The font text is drawn in to fit room: base itself when it fits, else
// base set tighter, then a pixel smaller, as far as needed.
QFont fittedFont(const QFont& base, const QString& text, int room);

}  // namespace ocel::platform

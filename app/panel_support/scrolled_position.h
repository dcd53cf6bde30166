// Where a scroll notification puts a slider; the same rule on every panel.
#pragma once

namespace ocel::panel_support {

// The arrows step by one within the range, a drag takes the dragged
// position, every other code (trough, thumb released, ends, end of scroll)
// keeps the position.
int scrolledPosition(int code, int current, int dragged, int minimum, int maximum);

}  // namespace ocel::panel_support

// The connection test: proves a camera answers by moving its sharpness by 4
// and reading it back, then puts the sharpness back.
#pragma once

#include <cstdint>

#include "panel_support/entry_points.h"

namespace ocel::shell {

#define OCEL_STARTUP_EXPORTS(X) X(SetShape) X(GetShape)
OCEL_DEFINE_ENTRY_POINTS(StartupEntryPoints, OCEL_STARTUP_EXPORTS);

// The value written for the sharpness found: 4 up in the lower half, 4 down
// in the upper half, so it never leaves 0...255.
int connectionTestValue(std::uint8_t found);
// The camera answered when it reads back 4 away from what was found, in
// either direction.
bool connectionTestPassed(std::uint8_t found, std::uint8_t readBack);

// Runs the test through the given entry points: read, write, read back, and
// on success restore the value found. True when the camera answered.
bool runConnectionTest(const StartupEntryPoints& entries);

}  // namespace ocel::shell

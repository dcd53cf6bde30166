// The digital zoom register and the percentage its slider shows. The
// register runs from 255 (100 %, no zoom) down to 63 (400 %), 1.5625 % a
// step.
#pragma once

namespace ocel::sheet {

// 400 - (z - 63) * 1.5625, exact in double precision.
double ZoomToPercent(double zoomCode);
// RoundDecimal(255 - (p - 100) * 0.64): 100 -> 255, 400 -> 63, 101 -> 254.
int PercentToZoom(int percent);

// The percentage shown when the page becomes active: cut to an integer
// (64 -> 398). After a keypad button is let go, the read-back is rounded
// instead (64 -> 398, 65 -> 397).
int truncatedZoomPercent(int zoomCode);
int roundedZoomPercent(int zoomCode);

}  // namespace ocel::sheet

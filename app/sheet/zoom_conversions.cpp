#include "sheet/zoom_conversions.h"

#include "panel_support/round_decimal.h"

namespace ocel::sheet {

namespace {

int roundedWhole(double value) {
  return static_cast<int>(panel_support::RoundDecimal(value, false).value);
}

}  // namespace

double ZoomToPercent(double zoomCode) { return 400 - (zoomCode - 63) * 1.5625; }

int PercentToZoom(int percent) { return roundedWhole(255 - (percent - 100) * 0.64); }

int truncatedZoomPercent(int zoomCode) { return static_cast<int>(ZoomToPercent(zoomCode)); }

int roundedZoomPercent(int zoomCode) { return roundedWhole(ZoomToPercent(zoomCode)); }

}  // namespace ocel::sheet

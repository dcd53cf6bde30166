#include "sheet/zoom_conversions.h"

#include "panel_support/round_decimal.h"

namespace ocel::sheet {

double ZoomToPercent(double zoomCode) { return 400 - (zoomCode - 63) * 1.5625; }

int PercentToZoom(int percent) { return panel_support::RoundWhole(255 - (percent - 100) * 0.64); }

int truncatedZoomPercent(int zoomCode) { return static_cast<int>(ZoomToPercent(zoomCode)); }

int roundedZoomPercent(int zoomCode) { return panel_support::RoundWhole(ZoomToPercent(zoomCode)); }

}  // namespace ocel::sheet

// Control ids of template 145, the "Zoom and Comm Settings" page of the
// sheet for model 1.
#pragma once

#include "res/control_ids.h"

namespace ocel::res::zoom_page {

// Laid out by hand: the ids in groups, as the template lists them.
// clang-format off
#define OCEL_ZOOM_PAGE_IDS(X)                                                                   \
  /* BLC: the one automatic pair of option buttons, weights and AE level. */                    \
  X(kBlcOff, 1177) X(kBlcOn, 1178)                                                              \
  X(kArea1Slider, 1023) X(kArea2Slider, 1024) X(kArea3Slider, 1031) X(kArea4Slider, 1032)       \
  X(kArea5Slider, 1033) X(kArea6Slider, 1034) X(kPeakSlider, 1035) X(kLevelSlider, 1038)       \
  X(kArea1Label, 1181) X(kArea2Label, 1182) X(kArea3Label, 1183) X(kArea4Label, 1184)           \
  X(kArea5Label, 1185) X(kArea6Label, 1186) X(kPeakLabel, 1187) X(kLevelLabel, 1188)            \
  /* Digital zoom, pan and tilt. */                                                             \
  X(kZoomLabel, 1209) X(kZoomSlider, 1212)                                                      \
  X(kPanLeft, 1211) X(kPanCenter, 1213) X(kPanRight, 1214)                                      \
  X(kTiltTop, 1215) X(kTiltCenter, 1216) X(kTiltBottom, 1217)                                   \
  /* The camera's own line: parity and baud rate. */                                            \
  X(kParityNone, 1018) X(kParityOdd, 1025) X(kParityEven, 1041)                                 \
  X(kBaud9600, 1044) X(kBaud4800, 1058) X(kBaud2400, 1059)                                      \
  /* The remote keypad's ten pictures. */                                                       \
  X(kKeyTopLeft, 1228) X(kKeyTop, 1222) X(kKeyTopRight, 1229)                                   \
  X(kKeyLeft, 1224) X(kKeyTele, 1219) X(kKeyWide, 1220) X(kKeyRight, 1225)                      \
  X(kKeyBottomLeft, 1230) X(kKeyBottom, 1223) X(kKeyBottomRight, 1231)
OCEL_DEFINE_CONTROL_IDS(OCEL_ZOOM_PAGE_IDS)
// clang-format on

}  // namespace ocel::res::zoom_page

// Control ids of template 133, the port and camera selection dialog.
#pragma once

#include "res/control_ids.h"

namespace ocel::res::port_dialog {

// Laid out by hand: the ids in groups, as the template lists them.
// clang-format off
#define OCEL_PORT_DIALOG_IDS(X)                                     \
  X(kModel0, 1170) /* "Ocel  xxx" */                                \
  X(kModel1, 1171) /* "Ocel  xxx -1" */                             \
  X(kPal, 1172) X(kNtsc, 1173)                                      \
  X(kCom1, 1079) X(kCom2, 1080) X(kCom3, 1081) X(kCom4, 1082)       \
  X(kBaudRate, 1176) X(kParity, 1177)                               \
  X(kPortLabel, 1078)
OCEL_DEFINE_CONTROL_IDS(OCEL_PORT_DIALOG_IDS)
// clang-format on

}  // namespace ocel::res::port_dialog

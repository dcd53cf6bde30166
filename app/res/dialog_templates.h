// The program's dialog templates, one data table each.
#pragma once

#include "platform/dialog_template.h"

namespace ocel::res {

// 133: the port and camera selection dialog.
const platform::DialogTemplate& portDialogTemplate();
// 156: the wait window shown while the program connects and reads the camera.
const platform::DialogTemplate& waitWindowTemplate();

// Control ids of template 133.
namespace port_dialog {
inline constexpr int kModel0 = 1170;      // "Ocel  xxx"
inline constexpr int kModel1 = 1171;      // "Ocel  xxx -1"
inline constexpr int kPal = 1172;
inline constexpr int kNtsc = 1173;
inline constexpr int kCom1 = 1079;        // COM1 ... COM4 are 1079 ... 1082
inline constexpr int kCom4 = 1082;
inline constexpr int kBaudRate = 1176;
inline constexpr int kParity = 1177;
inline constexpr int kPortLabel = 1078;
}  // namespace port_dialog

}  // namespace ocel::res

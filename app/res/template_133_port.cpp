// Template 133, the port and camera selection dialog.
#include "res/dialog_templates.h"

namespace ocel::res {

using platform::ControlKind;
using platform::kDefaultButton;
using platform::kNoId;
using platform::kSortedList;

const platform::DialogTemplate& portDialogTemplate() {
  static const platform::DialogTemplate dialog{
      133, "Ocel - Serie  /   V 2.3", 182, 165,
      {
          {kNoId, ControlKind::GroupFrame, "", 7, 8, 162, 20},
          {kNoId, ControlKind::GroupFrame, "", 7, 29, 162, 20},
          {kNoId, ControlKind::GroupFrame, "", 7, 65, 50, 52},
          {1170, ControlKind::OptionButton, "Ocel  xxx", 14, 14, 66, 13},
          {1171, ControlKind::OptionButton, "Ocel  xxx -1", 100, 14, 66, 13},
          {1172, ControlKind::OptionButton, "PAL", 14, 35, 66, 13},
          {1173, ControlKind::OptionButton, "NTSC", 100, 35, 66, 13},
          {kNoId, ControlKind::Label, "Wählen Sie einen Anschluß aus:", 12, 56, 104, 8},
          {1079, ControlKind::OptionButton, "COM1", 14, 73, 38, 11},
          {1080, ControlKind::OptionButton, "COM2", 14, 84, 38, 11},
          {1081, ControlKind::OptionButton, "COM3", 14, 94, 38, 11},
          {1082, ControlKind::OptionButton, "COM4", 14, 105, 38, 11},
          {kNoId, ControlKind::Label, "Baud Rate:", 102, 69, 39, 9},
          {1176, ControlKind::DropDownCombo, "", 102, 80, 43, 45, kSortedList},
          {kNoId, ControlKind::Label, "Parity:", 102, 99, 39, 9},
          {1177, ControlKind::DropDownCombo, "", 102, 109, 43, 45, kSortedList},
          {kNoId, ControlKind::Label, "Ausgewählt:", 12, 119, 40, 8},
          {1078, ControlKind::Label, "", 54, 119, 27, 8},
          {1, ControlKind::PushButton, "OK", 12, 143, 38, 14, kDefaultButton},
          {2, ControlKind::PushButton, "Abbrechen", 60, 143, 42, 14},
      }};
  return dialog;
}

}  // namespace ocel::res

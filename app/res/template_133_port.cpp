// Template 133, the port and camera selection dialog.
#include "res/dialog_templates.h"
#include "res/port_dialog_ids.h"

namespace ocel::res {

using platform::ControlKind;
using platform::kDefaultButton;
using platform::kNoId;
using platform::kSortedList;
namespace ids = port_dialog;

const platform::DialogTemplate& portDialogTemplate() {
  static const platform::DialogTemplate dialog{
      133,
      "Ocel - Serie  /   V 2.3",
      182,
      165,
      {
          {kNoId, ControlKind::GroupFrame, "", 7, 8, 162, 20},
          {kNoId, ControlKind::GroupFrame, "", 7, 29, 162, 20},
          {kNoId, ControlKind::GroupFrame, "", 7, 65, 50, 52},
          {ids::kModel0, ControlKind::OptionButton, "Ocel  xxx", 14, 14, 66, 13},
          {ids::kModel1, ControlKind::OptionButton, "Ocel  xxx -1", 100, 14, 66, 13},
          {ids::kPal, ControlKind::OptionButton, "PAL", 14, 35, 66, 13},
          {ids::kNtsc, ControlKind::OptionButton, "NTSC", 100, 35, 66, 13},
          {kNoId, ControlKind::Label, "Wählen Sie einen Anschluß aus:", 12, 56, 104, 8},
          {ids::kCom1, ControlKind::OptionButton, "COM1", 14, 73, 38, 11},
          {ids::kCom2, ControlKind::OptionButton, "COM2", 14, 84, 38, 11},
          {ids::kCom3, ControlKind::OptionButton, "COM3", 14, 94, 38, 11},
          {ids::kCom4, ControlKind::OptionButton, "COM4", 14, 105, 38, 11},
          {kNoId, ControlKind::Label, "Baud Rate:", 102, 69, 39, 9},
          {ids::kBaudRate, ControlKind::DropDownCombo, "", 102, 80, 43, 45, kSortedList},
          {kNoId, ControlKind::Label, "Parity:", 102, 99, 39, 9},
          {ids::kParity, ControlKind::DropDownCombo, "", 102, 109, 43, 45, kSortedList},
          {kNoId, ControlKind::Label, "Ausgewählt:", 12, 119, 40, 8},
          {ids::kPortLabel, ControlKind::Label, "", 54, 119, 27, 8},
          {platform::kIdOk, ControlKind::PushButton, "OK", 12, 143, 38, 14, kDefaultButton},
          {platform::kIdCancel, ControlKind::PushButton, "Abbrechen", 60, 143, 42, 14},
      }};
  return dialog;
}

}  // namespace ocel::res

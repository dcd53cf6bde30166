// The program's dialog templates, one data table each.
#pragma once

#include "platform/dialog_template.h"

namespace ocel::res {

// 133: the port and camera selection dialog.
const platform::DialogTemplate& portDialogTemplate();
// 156: the wait window shown while the program connects and reads the camera.
const platform::DialogTemplate& waitWindowTemplate();
// 130: the classic camera panel for model 0.
const platform::DialogTemplate& classicPanelTemplate();
// 142: the "Settings" page of the sheet for model 1.
const platform::DialogTemplate& settingsPageTemplate();
// 145: the "Zoom and Comm Settings" page of the sheet for model 1.
const platform::DialogTemplate& zoomPageTemplate();

}  // namespace ocel::res

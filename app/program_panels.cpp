#include "program_panels.h"

#include "classic/camera_panel.h"
#include "panel_support/wait_window.h"
#include "platform/property_sheet.h"
#include "res/strings.h"
#include "sheet/settings_page.h"
#include "sheet/zoom_comm_page.h"

namespace ocel {

void ProgramPanels::runClassicPanel(const shell::Handover& handover) {
  classic::CameraPanel_1 panel(handover.library, handover.waitWindow);
  panel.DoModal();
}

// The Settings page is the first tab and reads the camera when the sheet
// starts, the wait window still up; the zoom page waits for its tab. The
// sheet is made first, so the pages it holds are destroyed before it.
void ProgramPanels::runSettingsSheet(const shell::Handover& handover) {
  platform::PropertySheet sheet(QString::fromUtf8(res::kSheetCaption));
  sheet::ZoomComm_1 zoomPage(handover.library);
  sheet::EingabeBool_1 settingsPage(handover.library, handover.videoStandard, zoomPage,
                                    handover.waitWindow);
  sheet.AddPage(&settingsPage);
  sheet.AddPage(&zoomPage);
  sheet.DoModal();
}

}  // namespace ocel

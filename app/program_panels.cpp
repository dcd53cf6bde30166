#include "program_panels.h"

#include "classic/camera_panel.h"
#include "platform/user_prompts.h"
#include "res/strings.h"
#include "panel_support/wait_window.h"

namespace ocel {

void ProgramPanels::runClassicPanel(const shell::Handover& handover) {
  classic::CameraPanel_1 panel(handover.library, handover.waitWindow);
  panel.DoModal();
}

// Until the two-page sheet is part of the program, the hand-over says which
// panel the camera would get and ends the run.
void ProgramPanels::runSettingsSheet(const shell::Handover& handover) {
  handover.waitWindow.hide();
  platform::userPrompts().showMessage(
      nullptr,
      QString::fromUtf8(res::kPanelNotAvailable).arg(QStringLiteral("Ocel  xxx -1")),
      QString::fromUtf8(res::kProgramTitle));
}

}  // namespace ocel

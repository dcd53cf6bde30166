// The program's own panels behind the start-up sequence's hand-over.
#pragma once

#include "shell/panel_launcher.h"

namespace ocel {

class ProgramPanels : public shell::PanelLauncher {
 public:
  void runClassicPanel(const shell::Handover& handover) override;
  void runSettingsSheet(const shell::Handover& handover) override;
};

}  // namespace ocel

#include "shell/panel_launcher.h"

#include "platform/user_prompts.h"
#include "res/strings.h"
#include "shell/wait_window.h"

namespace ocel::shell {

namespace {

// Until the camera panels are part of the program, the hand-over says which
// panel the camera would get and ends the run.
class PanelsNotYetBuilt : public PanelLauncher {
 public:
  void runClassicPanel(const Handover& handover) override { announce(handover, "Ocel  xxx"); }
  void runSettingsSheet(const Handover& handover) override { announce(handover, "Ocel  xxx -1"); }

 private:
  static void announce(const Handover& handover, const char* model) {
    handover.waitWindow.hide();
    platform::userPrompts().showMessage(
        nullptr,
        QString::fromUtf8(res::kPanelNotAvailable).arg(QString::fromUtf8(model)),
        QString::fromUtf8(res::kProgramTitle));
  }
};

}  // namespace

std::unique_ptr<PanelLauncher> makeProgramPanels() { return std::make_unique<PanelsNotYetBuilt>(); }

}  // namespace ocel::shell

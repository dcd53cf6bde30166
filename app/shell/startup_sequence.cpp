#include "shell/startup_sequence.h"

#include <memory>
#include <string>

#include "Ocel400_ports.h"
#include "panel_support/camera_link_watch.h"
#include "panel_support/program_status.h"
#include "panel_support/wait_window.h"
#include "platform/loaded_library.h"
#include "platform/user_prompts.h"
#include "res/strings.h"
#include "shell/connection_test.h"
#include "shell/open_failure_text.h"
#include "shell/panel_launcher.h"
#include "shell/port_dialog.h"

namespace ocel::shell {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;

void tell(QWidget* owner, const char* text, const char* caption) {
  platform::userPrompts().showMessage(owner, QString::fromUtf8(text), QString::fromUtf8(caption));
}

}  // namespace

int runStartupSequence(const StartupOptions& options) {
  panel_support::resetProgramStatus();
  tell(nullptr, res::kLoadingLibrary, res::kProgramTitle);

  std::string reason;
  std::unique_ptr<platform::LoadedLibrary> library =
      platform::LoadedLibrary::load(options.libraryName, reason);
  if (!library) {
    platform::userPrompts().showMessage(
        nullptr,
        QString::fromUtf8(res::kLibraryNotLoaded)
            .arg(QString::fromStdString(options.libraryName), QString::fromStdString(reason)),
        QString::fromUtf8(res::kErrorCaption));
    return kExitFailed;
  }
  tell(nullptr, res::kLibraryLoaded, res::kProgramTitle);

  StartupEntryPoints entries;
  if (!entries.bind(*library, nullptr)) return kExitFailed;

  PortDialog portDialog(*library);
  portDialog.DoModal();
  if (panel_support::programFailed()) return kExitFailed;
  // Cancelled: the library stays loaded until the process ends.
  if (portDialog.cancelled) return kExitDone;

  auto waitWindow = std::make_unique<panel_support::WaitWindow>();
  waitWindow->showCentred();
  const int model = portDialog.model;

  if (!runConnectionTest(entries)) {
    // A port that could not be opened is named, with the cause, below the text.
    std::string text = res::kNoConnection;
    if (portDialog.openError != 0) {
      const std::string device =
          ocel400::devicePathForPort("COM" + std::to_string(portDialog.port));
      text += "\r\n" + openFailureLine(portDialog.openError, portDialog.port, device);
    }
    tell(waitWindow.get(), text.c_str(), res::kErrorCaption);
    library.reset();
    waitWindow.reset();
    return kExitFailed;
  }

  {
    panel_support::CameraLinkWatch linkWatch(*library,
                                             QStringLiteral("COM%1").arg(portDialog.port));
    const panel_support::WatchedUserActions watched(linkWatch);
    const Handover handover{*library, portDialog.standard, *waitWindow};
    if (model == 1) options.panels->runSettingsSheet(handover);
    else options.panels->runClassicPanel(handover);
  }

  waitWindow.reset();
  library.reset();
  return panel_support::programFailed() ? kExitFailed : kExitDone;
}

}  // namespace ocel::shell

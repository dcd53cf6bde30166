// Configsave and Configload of the classic panel: the classic key set, read
// back from the camera into a file, or sent from a file to the camera.
#include "classic/camera_panel.h"
#include "classic/panel_tables.h"
#include "config/configuration_transfer.h"
#include "platform/user_prompts.h"
#include "res/strings.h"

namespace ocel::classic {

void CameraPanel_1::saveConfigurationFile() {
  const std::optional<QString> path = platform::userPrompts().chooseFile(
      this, {platform::FileDialogRequest::Mode::Save, /*askBeforeReplacing=*/false});
  if (!path) return;
  config::ProfileFile file(path->toStdString());
  if (!config::saveConfiguration(entries_, config::classicKeys<ClassicPanelEntryPoints>(), file)
           .written)
    platform::userPrompts().showMessage(
        this, QString::fromUtf8(res::kFileNotWritten).arg(*path),
        QString::fromUtf8(res::kErrorCaption));
}

void CameraPanel_1::loadConfigurationFile() {
  const std::optional<QString> path = platform::userPrompts().chooseFile(
      this, {platform::FileDialogRequest::Mode::Open, /*askBeforeReplacing=*/false});
  if (!path) return;
  // A missing file loads the defaults; one that exists but cannot be read
  // (a folder, a device, too large) must not reset the camera.
  const config::FileText file = config::ProfileFile(path->toStdString()).read();
  if (file.status == config::FileText::Status::Refused) {
    platform::userPrompts().showMessage(this, QString::fromUtf8(res::kFileNotRead).arg(*path),
                                        QString::fromUtf8(res::kErrorCaption));
    return;
  }
  const platform::WaitCursor busy(this);
  config::loadConfiguration(entries_, config::classicKeys<ClassicPanelEntryPoints>(), file.text);
  OnInitDialog();
}

}  // namespace ocel::classic

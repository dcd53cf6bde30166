// Configsave and Configload of the Settings page: its key set, read back
// from the camera into a file, or sent from a file to the camera.
#include "config/configuration_transfer.h"
#include "platform/user_prompts.h"
#include "res/strings.h"
#include "sheet/settings_page.h"

namespace ocel::sheet {

namespace {

const auto& pageKeys() { return config::settingsPageKeys<SettingsPageEntryPoints>(); }

}  // namespace

void EingabeBool_1::saveConfigurationFile() {
  const std::optional<QString> path = platform::userPrompts().chooseFile(
      this, {platform::FileDialogRequest::Mode::Save, /*askBeforeReplacing=*/true});
  if (!path) return;
  bool written = false;
  {
    const platform::WaitCursor busy;
    config::ProfileFile file(path->toStdString());
    written = config::saveConfiguration(entries_, pageKeys(), file).written;
  }
  if (!written)
    platform::userPrompts().showMessage(this, QString::fromUtf8(res::kFileNotWritten).arg(*path),
                                        QString::fromUtf8(res::kErrorCaption));
}

// The file's values go to the camera in their send order; the start
// sequence then shows what the camera made of them.
void EingabeBool_1::loadConfigurationFile() {
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
  const platform::WaitCursor busy;
  config::loadConfiguration(entries_, pageKeys(), file.text);
  OnInitDialog();
}

}  // namespace ocel::sheet

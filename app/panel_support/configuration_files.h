// Configsave and Configload as every panel runs them: the file dialog, then
// the panel's key set read back from the camera into the file, or sent from
// the file to the camera, through the panel's own entry points and under the
// wait cursor. A file that cannot be written or read is reported by name.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "config/configuration_transfer.h"
#include "platform/user_prompts.h"
#include "res/strings.h"

namespace ocel::panel_support {

namespace detail {
inline void reportFile(QWidget* panel, const char* text, const QString& path) {
  platform::userPrompts().showMessage(panel, QString::fromUtf8(text).arg(path),
                                      QString::fromUtf8(res::kErrorCaption));
}
}  // namespace detail

template <class EntryPoints>
void saveConfigurationFile(QWidget* panel, const EntryPoints& entries,
                           const std::vector<config::ConfigurationKey<EntryPoints>>& keys,
                           bool askBeforeReplacing) {
  const std::optional<QString> path = platform::userPrompts().chooseFile(
      panel, {platform::FileDialogRequest::Mode::Save, askBeforeReplacing});
  if (!path) return;
  bool written = false;
  {
    const platform::WaitCursor busy(panel);
    config::ProfileFile file(path->toStdString());
    written = config::saveConfiguration(entries, keys, file).written;
  }
  if (!written) detail::reportFile(panel, res::kFileNotWritten, *path);
}

// The file's values go to the camera in their send order; then, under the
// same wait cursor, readBack lets the panel show what the camera made of
// them. A missing file sends the defaults; one that exists but cannot be
// read (a folder, a device, too large) must not reset the camera: it is
// reported and nothing is sent.
template <class EntryPoints, class ReadBack>
void loadConfigurationFile(QWidget* panel, const EntryPoints& entries,
                           const std::vector<config::ConfigurationKey<EntryPoints>>& keys,
                           ReadBack&& readBack) {
  const std::optional<QString> path = platform::userPrompts().chooseFile(
      panel, {platform::FileDialogRequest::Mode::Open, /*askBeforeReplacing=*/false});
  if (!path) return;
  const config::FileText file = config::ProfileFile(path->toStdString()).read();
  if (file.status == config::FileText::Status::Refused) {
    detail::reportFile(panel, res::kFileNotRead, *path);
    return;
  }
  const platform::WaitCursor busy(panel);
  config::loadConfiguration(entries, keys, file.text);
  readBack();
}

}  // namespace ocel::panel_support

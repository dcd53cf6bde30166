// Configsave and Configload of the Settings page, on its key set; a save
// asks before it replaces a file.
#include "panel_support/configuration_files.h"
#include "sheet/settings_page.h"

namespace ocel::sheet {

namespace {
const auto& pageKeys() { return config::settingsPageKeys<SettingsPageEntryPoints>(); }
}  // namespace

void EingabeBool_1::saveConfigurationFile() {
  panel_support::saveConfigurationFile(this, entries_, pageKeys(), /*askBeforeReplacing=*/true);
}

void EingabeBool_1::loadConfigurationFile() {
  panel_support::loadConfigurationFile(this, entries_, pageKeys(), [this] { OnInitDialog(); });
}

}  // namespace ocel::sheet

// Configsave and Configload of the classic panel, on the classic key set.
#include "classic/camera_panel.h"
#include "panel_support/configuration_files.h"

namespace ocel::classic {

namespace {
const auto& panelKeys() { return config::classicKeys<ClassicPanelEntryPoints>(); }
}  // namespace

void CameraPanel_1::saveConfigurationFile() {
  panel_support::saveConfigurationFile(this, entries_, panelKeys(), /*askBeforeReplacing=*/false);
}

void CameraPanel_1::loadConfigurationFile() {
  panel_support::loadConfigurationFile(this, entries_, panelKeys(), [this] { OnInitDialog(); });
}

}  // namespace ocel::classic

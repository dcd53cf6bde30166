// The hand-over from the start-up sequence to the panel of the chosen camera
// model. The sequence creates the panels through this interface once the
// connection test has passed and runs the one that fits the model.
#pragma once

#include "platform/loaded_library.h"

namespace ocel::panel_support {
class WaitWindow;
}

namespace ocel::shell {

// What a panel borrows from the start-up sequence. The video standard is
// for the Settings page only.
struct Handover {
  const platform::LoadedLibrary& library;
  int videoStandard;
  panel_support::WaitWindow& waitWindow;
};

class PanelLauncher {
 public:
  virtual ~PanelLauncher() = default;
  // Model 0: the classic camera panel, run modally.
  virtual void runClassicPanel(const Handover& handover) = 0;
  // Model 1: the two-page sheet "Ocel Serie", Settings page first, run
  // modally.
  virtual void runSettingsSheet(const Handover& handover) = 0;
};

}  // namespace ocel::shell

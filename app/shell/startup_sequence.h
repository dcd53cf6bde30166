// The whole run of the settings program: load the camera library, ask for
// port and camera, prove a camera answers, run the panel of its model, end.
#pragma once

#include <string>

namespace ocel::shell {

class PanelLauncher;

struct StartupOptions {
  // The library as the program asks for it; tests give a path to a double.
  std::string libraryName = "Ocel400.dll";
  PanelLauncher* panels = nullptr;  // the panels of the two models
};

// Runs the sequence and returns the program's exit status: 0 when the user
// cancelled or a panel ran and closed, 1 when the library could not be
// loaded, an export was missing or no camera answered.
int runStartupSequence(const StartupOptions& options);

}  // namespace ocel::shell

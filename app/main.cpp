// Ocel400main: sets up and adjusts an Ocel camera over its serial line.
// The whole run happens in modal dialogs started by the start-up sequence;
// there is no main window and no event loop of the program's own.
#include <QApplication>

#include "platform/standard_dialog_texts.h"
#include "program_panels.h"
#include "shell/startup_sequence.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ocel400main"));
  ocel::platform::useGermanStandardDialogs(application);
  ocel::ProgramPanels panels;
  ocel::shell::StartupOptions options;
  options.panels = &panels;
  return ocel::shell::runStartupSequence(options);
}

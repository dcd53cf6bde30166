// The texts of Qt's own dialogs (the file dialog, message box buttons).
#pragma once

class QCoreApplication;

namespace ocel::platform {

// Puts Qt's standard dialogs into German, as the program's own texts are:
// "Öffnen", "Speichern", "Abbrechen" and the file dialog's labels, from Qt's
// translations as the system installs them. False when they are missing;
// the standard dialogs then stay English.
bool useGermanStandardDialogs(QCoreApplication& application);

}  // namespace ocel::platform

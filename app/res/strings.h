// The program's own texts, exactly as the user sees them (UTF-8).
#pragma once

namespace ocel::res {

inline constexpr const char* kProgramTitle = "Ocel400main";
inline constexpr const char* kLoadingLibrary = "Loading DLL";
inline constexpr const char* kLibraryLoaded = "Loading DLL ok";
inline constexpr const char* kErrorCaption = "Ocel Error!";
inline constexpr const char* kNoConnection =
    "Es konnte keine serielle Verbindung\r\nzur Kamera aufgebaut werden!";
inline constexpr const char* kSheetCaption = "Ocel Serie";
inline constexpr const char* kPortLabelFormat = "COM %1";
// The note beside the manual gain of the Settings page: digital gain above
// 24 dB, else analogue (the page's start writes the short form).
inline constexpr const char* kDigitalGainNote = "(dig)";
inline constexpr const char* kAnalogueGainNote = "(anl)";
inline constexpr const char* kAnalogueGainNoteAtStart = "(al)";

// Failures the program reports beyond the camera link (%1: file, %2: reason
// or function name).
inline constexpr const char* kLibraryNotLoaded =
    "Die Bibliothek %1 konnte nicht geladen werden:\r\n%2";
inline constexpr const char* kExportMissing = "In %1 fehlt die Funktion %2.";
// Said once when a user action's last exchange with the camera failed, and
// again only after an exchange has succeeded in between (%1: the port).
inline constexpr const char* kCameraStoppedAnswering =
    "Die Kamera an %1 antwortet nicht.\r\nDie Einstellung wurde nicht übernommen.";
inline constexpr const char* kFileNotWritten =
    "Die Konfiguration konnte nicht in\r\n%1\r\ngeschrieben werden.";
inline constexpr const char* kFileNotRead =
    "Die Konfiguration konnte nicht aus\r\n%1\r\ngelesen werden. Es wurde nichts gesendet.";

}  // namespace ocel::res

// Everything that waits for a person: message boxes and the file dialog.
// They all go through one seam, so tests answer them without a person.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace ocel::platform {

struct FileDialogRequest {
  enum class Mode { Save, Open };
  Mode mode;
  bool askBeforeReplacing;  // save mode: confirm when the chosen file exists
};

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // A message box with a warning icon and an OK button, owned by owner (or
  // by no window); returns when it is dismissed.
  virtual void showMessage(QWidget* owner, const QString& text, const QString& caption) = 0;
  // The file dialog for configuration files (extension "cfg", initial name
  // "*.cfg", one filter "cfg"). The chosen file's full path, or none when
  // the user cancelled.
  virtual std::optional<QString> chooseFile(QWidget* owner, const FileDialogRequest& request) = 0;
};

// The prompts in force: the real Qt dialogs unless a test put others in.
UserPrompts& userPrompts();
// Puts other prompts in force (nullptr restores the real ones). The caller
// keeps ownership.
void setUserPrompts(UserPrompts* prompts);

// Shows the wait cursor for its lifetime, over a run of blocking camera
// calls. It is on the screen before the constructor returns, and so is an
// up-to-date picture of the window given: no image of a dialog that has
// just closed stays on it while the thread is blocked.
class WaitCursor {
 public:
  explicit WaitCursor(QWidget* window = nullptr);
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace ocel::platform

// What the GUI tests share: prompts answered without a person, a hook that
// acts on the next modal dialog, and the recording double of the library
// held open for the whole test.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_prompts.h"
#include "recording_double.h"

class QWidget;

namespace ocel::testing {

struct ShownMessage {
  QString text;
  QString caption;
  QString ownerTitle;  // empty when no window owns it
  bool ownerVisible;

  bool operator==(const ShownMessage&) const = default;
};

// Records every message box and answers file dialogs from a queue (an
// empty queue answers "cancelled"). In force for its lifetime.
class ScriptedPrompts : public platform::UserPrompts {
 public:
  ScriptedPrompts() { platform::setUserPrompts(this); }
  ~ScriptedPrompts() override { platform::setUserPrompts(nullptr); }

  void showMessage(QWidget* owner, const QString& text, const QString& caption) override;
  std::optional<QString> chooseFile(QWidget* owner,
                                    const platform::FileDialogRequest& request) override;

  std::vector<QString> texts() const;

  std::vector<ShownMessage> messages;
  std::vector<platform::FileDialogRequest> fileRequests;
  std::deque<std::optional<QString>> fileAnswers;
};

// Runs action on the next modal dialog once it is on screen (from the
// event loop that dialog runs). A dialog that never comes fails the test.
void whenModalShows(std::function<void(QWidget*)> action);
// The same for the next modal dialog of class Dialog.
template <class Dialog>
void whenShows(std::function<void(Dialog*)> action) {
  whenModalShows([action](QWidget* modal) { action(qobject_cast<Dialog*>(modal)); },
                 [](QWidget* modal) { return qobject_cast<Dialog*>(modal) != nullptr; });
}
void whenModalShows(std::function<void(QWidget*)> action,
                    std::function<bool(QWidget*)> wanted);

// The recording double, loaded (and kept loaded) by the test itself, so
// that its log survives the program releasing its own handle.
class LoadedDouble {
 public:
  explicit LoadedDouble(const std::string& path);
  ~LoadedDouble();
  const std::string& path() const { return path_; }
  RecordingDouble& camera() { return *camera_; }

 private:
  std::string path_;
  void* handle_;
  std::unique_ptr<RecordingDouble> camera_;
};

}  // namespace ocel::testing

// What the GUI tests share: prompts answered without a person and a hook
// that acts on the next modal dialog.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/user_prompts.h"
#include "recording_double.h"

class QWidget;

namespace ocel::testing {

struct ShownMessage {
  QString text;
  QString caption;
  bool ownerVisible;  // a visible window owns it
};

// Records every message box and answers file dialogs from a queue (an
// empty queue answers "cancelled"). In force for its lifetime.
class ScriptedPrompts : public platform::UserPrompts {
 public:
  ScriptedPrompts() { platform::setUserPrompts(this); }
  ~ScriptedPrompts() override { platform::setUserPrompts(nullptr); }

  void showMessage(QWidget* owner, const QString& text, const QString& caption) override;
  std::optional<QString> chooseFile(QWidget*, const platform::FileDialogRequest& request) override {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return std::nullopt;
    const bool cancelled = !fileAnswers.front().has_value();
    const QString path = fileAnswers.front().value_or(QString());
    fileAnswers.pop_front();
    if (cancelled) return std::nullopt;
    return path;
  }

  std::vector<QString> texts() const {
    std::vector<QString> all;
    for (const ShownMessage& message : messages) all.push_back(message.text);
    return all;
  }

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

}  // namespace ocel::testing

// What the GUI tests share: scripted prompts, the next modal dialog, a
// user's mouse and keys, and a dialog of the program against the double.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/loaded_library.h"
#include "platform/user_prompts.h"
#include "recording_double.h"
#include "temp_folder.h"

namespace ocel::testing {

using Calls = std::vector<std::string>;
using Values = std::vector<std::pair<const char*, double>>;  // camera values by stem
Calls callsIn(const std::string& spaced);                    // calls separated by blanks
using IdList = std::vector<int>;
template <class T>
std::vector<T> operator+(std::vector<T> first, const std::vector<T>& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

inline const auto caseName = [](const auto& info) { return std::string(info.param.name); };

struct ShownMessage {
  QString text;
  QString caption;
  bool ownerVisible;  // a visible window owns it
};

// Records message boxes, answers file dialogs from a queue (empty: cancelled).
class ScriptedPrompts : public platform::UserPrompts {
 public:
  ScriptedPrompts() { platform::setUserPrompts(this); }
  ~ScriptedPrompts() override { platform::setUserPrompts(nullptr); }

  void showMessage(QWidget* owner, const QString& text, const QString& caption) override;
  std::optional<QString> chooseFile(QWidget*, const platform::FileDialogRequest& request) override;
  std::vector<QString> texts() const;

  std::vector<ShownMessage> messages;
  std::vector<platform::FileDialogRequest> fileRequests;
  std::deque<std::optional<QString>> fileAnswers;
};

// Runs action on the next modal dialog (of class Dialog) once it is on
// screen, from that dialog's event loop; one that never comes fails the test.
void whenModalShows(
    std::function<void(QWidget*)> action,
    std::function<bool(QWidget*)> wanted = [](QWidget*) { return true; });
template <class Dialog>
void whenShows(std::function<void(Dialog*)> action) {
  whenModalShows([action](QWidget* modal) { action(qobject_cast<Dialog*>(modal)); },
                 [](QWidget* modal) { return qobject_cast<Dialog*>(modal) != nullptr; });
}

void click(const platform::Dialog& dialog, int id);
void key(Qt::Key pressed);  // to the widget with the focus
// Clicks these controls of the next modal Dialog; the last one closes it.
template <class Dialog>
void clickWhenShows(std::vector<int> ids) {
  whenShows<Dialog>([ids](Dialog* dialog) {
    for (int id : ids) click(*dialog, id);
  });
}
// Mouse messages through the widget's window, as a person's go; at in widget pixels.
void pressAt(QWidget* widget, QPoint at);
void releaseAt(QWidget* widget, QPoint at);
void moveTo(QWidget* widget, QPoint at);
// A scroll bar's notification, as the dialog layer gives it.
void scroll(const platform::Dialog& dialog, int id, int code, int position = 0);
// A click on a control or, with a scroll code, a scroll notification.
struct Action {
  Action(int control, int code = -1, int dragged = 0)
      : id(control), scrollCode(code), position(dragged) {}
  int id, scrollCode, position;
};
void act(const platform::Dialog& dialog, const std::vector<Action>& actions);

// For every id of every row '#' when test says so, else '.'; rows end in '/'.
std::string marks(const std::vector<std::vector<int>>& rows, const std::function<bool(int)>& test);

// What a dialog shows: checks, enabled controls, label texts, slider positions.
struct Shown {
  std::vector<int> on = {}, off = {}, enabled = {}, disabled = {};
};
using Texts = std::vector<std::pair<int, const char*>>;
using Positions = std::vector<std::pair<int, int>>;
void expectShown(const platform::Dialog& dialog, const Shown& shown, const Texts& texts = {},
                 const Positions& positions = {});

// A row of a panel's case table: the panel opened on the camera's values,
// the user's actions, what reached the camera, what the panel shows, and
// what else that panel's table checks.
template <class Extra>
struct PanelCase {
  const char* name;
  Values camera;
  std::vector<Action> actions;
  Calls calls;
  Shown shown = {};
  Texts texts = {};
  Positions positions = {};
  Extra extra = {};
};

// The recording double, loaded as the program loads the library.
std::unique_ptr<platform::LoadedLibrary> loadLibrary(const char* path = OCEL400_DOUBLE_PATH);

// A dialog of the program against the recording double.
template <class Panel>
class DoubleTest : public ::testing::Test {
 protected:
  void TearDown() override { panel.reset(); }  // before what it borrows from the fixture
  void click(int id) const { testing::click(*panel, id); }
  void setValues(const Values& values) const {
    for (const auto& [stem, value] : values) camera.setValue(stem, value);
  }
  Calls calls() const { return camera.calls(); }
  // Runs a case's actions on the open panel; checks the calls and what it shows.
  template <class Extra>
  void actAndExpect(const PanelCase<Extra>& c) const {
    act(*panel, c.actions);
    EXPECT_EQ(calls(), c.calls);
    expectShown(*panel, c.shown, c.texts, c.positions);
  }
  QString text(int id) const { return panel->controlText(id); }
  bool enabled(int id) const { return panel->isControlEnabled(id); }
  std::string checkMarks(const std::vector<std::vector<int>>& rows) const {
    return marks(rows, [this](int id) { return panel->checkState(id) != 0; });
  }

  RecordingDouble camera{OCEL400_DOUBLE_PATH};
  std::unique_ptr<platform::LoadedLibrary> library = loadLibrary();
  std::unique_ptr<Panel> panel;
};

// A file in a test's folder, as a file dialog names it.
inline QString fileIn(const TempFolder& folder, const char* name) {
  return QString::fromStdString(folder.path(name));
}

}  // namespace ocel::testing

// The shell against the recording double, through real Qt events: the port
// dialog, and the program's run up to the hand-over and its exit status.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "gui_support.h"
#include "panel_support/wait_window.h"
#include "res/dialog_templates.h"
#include "res/port_dialog_ids.h"
#include "shell/panel_launcher.h"
#include "shell/port_dialog.h"
#include "shell/startup_sequence.h"

namespace ocel::shell {
namespace {

namespace ids = res::port_dialog;
using testing::Calls;

class PortDialogTest : public testing::DoubleTest<PortDialog> {
 protected:
  void SetUp() override {
    panel = std::make_unique<PortDialog>(*library);
    open();
  }

  // Shows the dialog (again) as the active window, so keys reach its focus.
  void open() {
    panel->CreateModeless();
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
  }

  // Picks an entry the way a user does: open the list, click the entry.
  void pick(int comboId, const QString& text) {
    auto* box = qobject_cast<QComboBox*>(panel->control(comboId));
    ASSERT_NE(box, nullptr);
    box->showPopup();
    QAbstractItemView* view = box->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex index = view->model()->index(box->findText(text), 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
  }
};

// Text typed into a list's edit field changes nothing: only a choice from the list counts.
TEST_F(PortDialogTest, OpensOnTheDefaultsAndTypedTextChangesNothing) {
  testing::expectShown(*panel, {{ids::kModel1, ids::kPal, ids::kCom1}, {ids::kModel0}});
  EXPECT_EQ(panel->comboStrings(ids::kBaudRate), (QStringList{"2400", "4800", "9600"}));
  EXPECT_EQ(panel->comboStrings(ids::kParity), (QStringList{"Even", "No", "Odd"}));
  EXPECT_EQ(text(ids::kBaudRate) + text(ids::kParity) + text(ids::kPortLabel), "9600NoCOM 1");
  for (auto [id, typed] : {std::pair{ids::kBaudRate, "4800"}, {ids::kParity, "Odd"}}) {
    QTest::mouseClick(qobject_cast<QComboBox*>(panel->control(id))->lineEdit(), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), typed);
  }
  testing::key(Qt::Key_Return);
  EXPECT_EQ(calls(), Calls{"PortInitEx(1,1,0,9600,0)"});
  EXPECT_EQ(panel->result(), platform::kIdOk);
}

// The label names the port; the list choices survive model 0, which greys the lists.
TEST_F(PortDialogTest, ChoicesReachPortInitExAndThePortLabelFollowsThePort) {
  pick(ids::kBaudRate, "2400");
  for (int id : {ids::kNtsc, ids::kCom4, ids::kModel0, ids::kCom1 + 1}) click(id);
  EXPECT_EQ(text(ids::kPortLabel), "COM 2");
  testing::expectShown(*panel, {{ids::kCom1 + 1},
                                {ids::kModel1, ids::kCom1, ids::kCom4},
                                {},
                                {ids::kBaudRate, ids::kParity}});
  click(ids::kModel1);
  EXPECT_EQ(text(ids::kBaudRate), "2400");
  pick(ids::kParity, "Even");
  click(ids::kModel0);
  EXPECT_EQ(text(ids::kPortLabel), "COM 2") << "the other choices leave it";
  click(platform::kIdOk);
  EXPECT_EQ(calls(), Calls{"PortInitEx(2,0,1,2400,2)"});
}

// Abbrechen, Esc, the close box and Enter on Abbrechen each cancel and call nothing.
TEST_F(PortDialogTest, EveryWayOutButOkCancelsAndCallsNothing) {
  const std::function<void()> ways[] = {
      [this] { click(platform::kIdCancel); },
      [this] { QTest::keyClick(panel.get(), Qt::Key_Escape); }, [this] { panel->close(); },
      [this] {  // Enter on the focused Abbrechen, not OK
        panel->control(platform::kIdCancel)->setFocus(Qt::TabFocusReason);
        testing::key(Qt::Key_Return);
      }};
  for (const auto& leave : ways) {
    open();
    panel->cancelled = 0;
    click(ids::kCom4);
    leave();
    EXPECT_EQ(panel->cancelled, 1);
    EXPECT_FALSE(panel->isVisible());
  }
  EXPECT_EQ(calls(), Calls{});
}

const QString kLoading = "Loading DLL", kLoaded = "Loading DLL ok";
const QString kNoConnection = "Es konnte keine serielle Verbindung\r\nzur Kamera aufgebaut werden!";

class RecordingLauncher : public PanelLauncher {
 public:
  void runClassicPanel(const Handover& handover) override { record("classic", handover); }
  void runSettingsSheet(const Handover& handover) override { record("sheet", handover); }
  void record(const char* panel, const Handover& handover) {
    runs.push_back(panel);
    standard = handover.videoStandard;
    waitWindowVisible = handover.waitWindow.isVisible();
  }

  std::vector<std::string> runs;
  int standard = -1;
  bool waitWindowVisible = false;
};

class StartupSequence : public ::testing::Test {
 protected:
  int run(const std::string& libraryName = OCEL400_DOUBLE_PATH) {
    StartupOptions options;
    options.libraryName = libraryName;
    options.panels = &launcher;
    return runStartupSequence(options);
  }

  testing::ScriptedPrompts prompts;
  RecordingDouble camera{OCEL400_DOUBLE_PATH};
  RecordingLauncher launcher;
};

// Passing restores the sharpness and runs the sheet; failing is told over the wait window.
TEST_F(StartupSequence, ConnectionTestPassesOrFails) {
  for (const bool passes : {true, false}) {
    SCOPED_TRACE(passes ? "passes" : "fails");
    camera.clearCalls();
    prompts.messages.clear();
    camera.queueAnswer("Shape", 200);
    camera.queueAnswer("Shape", passes ? 196 : 200);
    testing::clickWhenShows<PortDialog>({platform::kIdOk});
    EXPECT_EQ(run(), passes ? 0 : 1);
    Calls expected =
        testing::callsIn("PortInitEx(1,1,0,9600,0) GetShape() SetShape(196) GetShape()");
    if (passes) expected.push_back("SetShape(200)");
    EXPECT_EQ(camera.calls(), expected);
    std::vector<QString> texts{kLoading, kLoaded};
    if (!passes) texts.push_back(kNoConnection);
    EXPECT_EQ(prompts.texts(), texts);
    EXPECT_EQ(prompts.messages.back().ownerVisible, !passes) << "the wait window owns it";
  }
  EXPECT_EQ(launcher.runs, std::vector<std::string>{"sheet"});
  EXPECT_TRUE(launcher.waitWindowVisible);
  EXPECT_EQ(prompts.messages.back().caption, "Ocel Error!");
}

TEST_F(StartupSequence, ModelZeroRunsTheClassicPanelWithTheChosenStandard) {
  camera.setValue("Shape", 100);
  testing::clickWhenShows<PortDialog>(
      {res::port_dialog::kModel0, res::port_dialog::kNtsc, platform::kIdOk});
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(launcher.runs, std::vector<std::string>{"classic"});
  EXPECT_EQ(launcher.standard, 1);
  EXPECT_EQ(camera.calls().front(), "PortInitEx(1,0,1,9600,0)");
}

TEST_F(StartupSequence, CancelEndsWithStatusZeroWithoutWaitWindowOrAnyCall) {
  testing::clickWhenShows<PortDialog>({platform::kIdCancel});
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(camera.calls(), Calls{});
  for (QWidget* window : QApplication::topLevelWidgets())
    EXPECT_FALSE(qobject_cast<panel_support::WaitWindow*>(window)) << "a wait window left";
}

// Both are told over no window and end the run before the port dialog.
TEST_F(StartupSequence, LibraryThatCannotBeLoadedOrLacksAnExportIsNamedAndExitsOne) {
  const std::pair<const char*, QString> cases[] = {
      {"/nonexistent/Ocel400.so", "/nonexistent/Ocel400.so"},
      {OCEL400_DOUBLE_NO_GETSHAPE_PATH, "fehlt die Funktion GetShape."}};
  for (const auto& [library, named] : cases) {
    prompts.messages.clear();
    EXPECT_EQ(run(library), 1);
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages.front().text, kLoading);
    EXPECT_TRUE(prompts.messages.back().text.contains(named)) << named.toStdString();
    EXPECT_EQ(prompts.messages.back().caption, "Ocel Error!");
  }
  EXPECT_EQ(camera.calls(), Calls{});
}

}  // namespace
}  // namespace ocel::shell

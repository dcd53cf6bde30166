// The program's whole run against the recording double: message boxes,
// library calls and their order, the connection test, the hand-over and
// the exit status.
#include "shell/startup_sequence.h"

#include <gtest/gtest.h>

#include <QTest>

#include "gui_support.h"
#include "res/dialog_templates.h"
#include "res/port_dialog_ids.h"
#include "shell/panel_launcher.h"
#include "shell/port_dialog.h"
#include "panel_support/wait_window.h"

namespace ocel::shell {
namespace {

using testing::Calls;
const QString kLoading = "Loading DLL", kLoaded = "Loading DLL ok";
const QString kNoConnection =
    "Es konnte keine serielle Verbindung\r\nzur Kamera aufgebaut werden!";

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

// Passing puts the sharpness back and runs the sheet over the wait window;
// failing is reported over the wait window and ends the run with 1.
TEST_F(StartupSequence, ConnectionTestPassesOrFails) {
  for (const bool passes : {true, false}) {
    SCOPED_TRACE(passes ? "passes" : "fails");
    camera.clearCalls();
    prompts.messages.clear();
    camera.queueAnswer("Shape", 200);
    camera.queueAnswer("Shape", passes ? 196 : 200);
    testing::clickWhenShows<PortDialog>({platform::kIdOk});
    EXPECT_EQ(run(), passes ? 0 : 1);
    Calls expected = testing::callsIn("PortInitEx(1,1,0,9600,0) GetShape() SetShape(196) GetShape()");
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

TEST_F(StartupSequence, CancelEndsWithoutWaitWindowOrAnyCall) {
  testing::clickWhenShows<PortDialog>({res::port_dialog::kCom4, platform::kIdCancel});
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(camera.calls(), Calls{});
  EXPECT_EQ(prompts.texts(), (std::vector<QString>{kLoading, kLoaded}));
  for (QWidget* window : QApplication::topLevelWidgets())
    EXPECT_EQ(qobject_cast<panel_support::WaitWindow*>(window), nullptr);
}

TEST_F(StartupSequence, LibraryThatCannotBeLoadedIsNamedAndExitsOne) {
  EXPECT_EQ(run("/nonexistent/Ocel400.so"), 1);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[0].text, kLoading);
  EXPECT_TRUE(prompts.messages[1].text.contains("/nonexistent/Ocel400.so"));
  EXPECT_EQ(prompts.messages[1].caption, "Ocel Error!");
}

TEST_F(StartupSequence, MissingExportIsNamedAndExitsOneBeforeThePortDialog) {
  EXPECT_EQ(run(OCEL400_DOUBLE_NO_GETSHAPE_PATH), 1);
  ASSERT_EQ(prompts.messages.size(), 3u);
  EXPECT_EQ(prompts.messages[1].text, kLoaded);
  EXPECT_TRUE(prompts.messages[2].text.contains("GetShape"));
  EXPECT_FALSE(prompts.messages[2].text.contains("SetShape"));
  EXPECT_EQ(camera.calls(), Calls{});
}

}  // namespace
}  // namespace ocel::shell

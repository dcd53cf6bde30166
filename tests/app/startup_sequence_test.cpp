// The program's whole run against the recording double: message boxes,
// library calls and their order, the connection test, the hand-over and
// the exit status.
#include "shell/startup_sequence.h"

#include <gtest/gtest.h>

#include <QTest>

#include "gui_support.h"
#include "res/dialog_templates.h"
#include "shell/panel_launcher.h"
#include "shell/port_dialog.h"
#include "shell/wait_window.h"

namespace ocel::shell {
namespace {

using Calls = std::vector<std::string>;
const QString kLoading = "Loading DLL", kLoaded = "Loading DLL ok";
const QString kNoConnection =
    "Es konnte keine serielle Verbindung\r\nzur Kamera aufgebaut werden!";

class RecordingLauncher : public PanelLauncher {
 public:
  void runClassicPanel(const Handover& handover) override { record("classic", handover); }
  void runSettingsSheet(const Handover& handover) override { record("sheet", handover); }

  std::vector<std::string> runs;
  int standard = -1;
  bool waitWindowVisible = false;

 private:
  void record(const char* panel, const Handover& handover) {
    runs.push_back(panel);
    standard = handover.videoStandard;
    waitWindowVisible = handover.waitWindow.isVisible();
  }
};

// Answers the port dialog: the clicks to make, then OK or Cancel.
void answerPortDialog(std::vector<int> clicks, int closingButton) {
  testing::whenModalShows([clicks, closingButton](QWidget* modal) {
    auto* dialog = qobject_cast<PortDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    for (int id : clicks) QTest::mouseClick(dialog->control(id), Qt::LeftButton);
    QTest::mouseClick(dialog->control(closingButton), Qt::LeftButton);
  });
}

class StartupSequence : public ::testing::Test {
 protected:
  int run(const std::string& libraryName = OCEL400_DOUBLE_PATH) {
    StartupOptions options;
    options.libraryName = libraryName;
    options.panels = &launcher;
    return runStartupSequence(options);
  }

  testing::ScriptedPrompts prompts;
  testing::LoadedDouble double_{OCEL400_DOUBLE_PATH};
  RecordingDouble& camera = double_.camera();
  RecordingLauncher launcher;
};

struct PassingCamera {
  int found, readBack;
  int written;
};

class ConnectionTestPasses : public StartupSequence,
                             public ::testing::WithParamInterface<PassingCamera> {};

TEST_P(ConnectionTestPasses, WritesFourAwayRestoresAndRunsTheSheet) {
  const PassingCamera c = GetParam();
  camera.queueAnswer("Shape", c.found);
  camera.queueAnswer("Shape", c.readBack);
  answerPortDialog({}, platform::kIdOk);

  EXPECT_EQ(run(), 0);
  const std::string written = "SetShape(" + std::to_string(c.written) + ")";
  const std::string restored = "SetShape(" + std::to_string(c.found) + ")";
  EXPECT_EQ(camera.calls(), (Calls{"PortInitEx(1,1,0,9600,0)", "GetShape()", written,
                                   "GetShape()", restored}));
  EXPECT_EQ(prompts.texts(), (std::vector<QString>{kLoading, kLoaded}));
  EXPECT_EQ(launcher.runs, std::vector<std::string>{"sheet"});
  EXPECT_TRUE(launcher.waitWindowVisible);
}

INSTANTIATE_TEST_SUITE_P(Cameras, ConnectionTestPasses,
                         ::testing::Values(PassingCamera{127, 131, 131},
                                           PassingCamera{128, 124, 124},
                                           PassingCamera{0, 4, 4},
                                           PassingCamera{255, 251, 251},
                                           // either direction counts
                                           PassingCamera{10, 6, 14},
                                           PassingCamera{200, 200 + 4, 196}),
                         [](const auto& info) {
                           return "Found" + std::to_string(info.param.found) + "ReadsBack" +
                                  std::to_string(info.param.readBack);
                         });

struct FailingCamera {
  int found, readBack;
};

class ConnectionTestFails : public StartupSequence,
                            public ::testing::WithParamInterface<FailingCamera> {};

TEST_P(ConnectionTestFails, ReportsOverTheWaitWindowRestoresNothingAndExitsOne) {
  camera.queueAnswer("Shape", GetParam().found);
  camera.queueAnswer("Shape", GetParam().readBack);
  answerPortDialog({}, platform::kIdOk);

  EXPECT_EQ(run(), 1);
  const Calls calls = camera.calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls.back(), "GetShape()");
  ASSERT_EQ(prompts.messages.size(), 3u);
  EXPECT_EQ(prompts.messages[2].text, kNoConnection);
  EXPECT_EQ(prompts.messages[2].caption, "Ocel Error!");
  EXPECT_TRUE(prompts.messages[2].ownerVisible);  // the wait window owns it
  EXPECT_TRUE(launcher.runs.empty());
}

INSTANTIATE_TEST_SUITE_P(Cameras, ConnectionTestFails,
                         ::testing::Values(FailingCamera{10, 10}, FailingCamera{0, 0},
                                           FailingCamera{10, 18}, FailingCamera{255, 3}),
                         [](const auto& info) {
                           return "Found" + std::to_string(info.param.found) + "ReadsBack" +
                                  std::to_string(info.param.readBack);
                         });

TEST_F(StartupSequence, ModelZeroRunsTheClassicPanelWithTheChosenStandard) {
  camera.setValue("Shape", 100);
  answerPortDialog({res::port_dialog::kModel0, res::port_dialog::kNtsc}, platform::kIdOk);
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(launcher.runs, std::vector<std::string>{"classic"});
  EXPECT_EQ(camera.calls().front(), "PortInitEx(1,0,1,9600,0)");
}

TEST_F(StartupSequence, CancelEndsWithoutWaitWindowOrAnyCall) {
  answerPortDialog({res::port_dialog::kCom4}, platform::kIdCancel);
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(camera.calls(), Calls{});
  EXPECT_EQ(prompts.texts(), (std::vector<QString>{kLoading, kLoaded}));
  for (QWidget* window : QApplication::topLevelWidgets())
    EXPECT_EQ(qobject_cast<WaitWindow*>(window), nullptr);
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

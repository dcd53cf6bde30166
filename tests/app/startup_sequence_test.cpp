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

using Calls = std::vector<std::string>;
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
  RecordingDouble camera{OCEL400_DOUBLE_PATH};
  RecordingLauncher launcher;
};

// The sharpness the camera holds, what it reads back after the write and
// the value written: found + 4 below 128, else found - 4.
struct ConnectionCase {
  int found, readBack, written;
  bool passes;
};

class ConnectionTest : public StartupSequence,
                       public ::testing::WithParamInterface<ConnectionCase> {};

TEST_P(ConnectionTest, PassingRestoresAndRunsTheSheetFailingReportsOverTheWaitWindow) {
  const ConnectionCase c = GetParam();
  camera.queueAnswer("Shape", c.found);
  camera.queueAnswer("Shape", c.readBack);
  answerPortDialog({}, platform::kIdOk);

  EXPECT_EQ(run(), c.passes ? 0 : 1);
  Calls expected{"PortInitEx(1,1,0,9600,0)", "GetShape()",
                 "SetShape(" + std::to_string(c.written) + ")", "GetShape()"};
  if (c.passes) expected.push_back("SetShape(" + std::to_string(c.found) + ")");
  EXPECT_EQ(camera.calls(), expected);
  std::vector<QString> texts{kLoading, kLoaded};
  if (!c.passes) texts.push_back(kNoConnection);
  EXPECT_EQ(prompts.texts(), texts);
  EXPECT_EQ(launcher.runs, c.passes ? std::vector<std::string>{"sheet"} : std::vector<std::string>{});
  if (c.passes) {
    EXPECT_TRUE(launcher.waitWindowVisible);
  } else {
    EXPECT_EQ(prompts.messages.back().caption, "Ocel Error!");
    EXPECT_TRUE(prompts.messages.back().ownerVisible);  // the wait window owns it
  }
}

const ConnectionCase kConnectionCases[] = {
    {127, 131, 131, true}, {128, 124, 124, true}, {0, 4, 4, true}, {255, 251, 251, true},
    {10, 6, 14, true},     {200, 204, 196, true},  // either direction counts
    {10, 10, 14, false},   {10, 18, 14, false},
    {255, 3, 251, false},  // 255 + 4 is no byte's 3
};

INSTANTIATE_TEST_SUITE_P(Cameras, ConnectionTest, ::testing::ValuesIn(kConnectionCases),
                         [](const auto& info) {
                           return "Found" + std::to_string(info.param.found) + "ReadsBack" +
                                  std::to_string(info.param.readBack);
                         });

TEST_F(StartupSequence, ModelZeroRunsTheClassicPanelWithTheChosenStandard) {
  camera.setValue("Shape", 100);
  answerPortDialog({res::port_dialog::kModel0, res::port_dialog::kNtsc}, platform::kIdOk);
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(launcher.runs, std::vector<std::string>{"classic"});
  EXPECT_EQ(launcher.standard, 1);
  EXPECT_EQ(camera.calls().front(), "PortInitEx(1,0,1,9600,0)");
}

TEST_F(StartupSequence, CancelEndsWithoutWaitWindowOrAnyCall) {
  answerPortDialog({res::port_dialog::kCom4}, platform::kIdCancel);
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

// The program's start-up against the real library and the simulated camera
// over a pseudo-terminal: the frames that reach the camera, the sharpness
// put back, and the failure path with a silent camera.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QTabBar>
#include <QTest>

#include "gui_support.h"
#include "ocel400sim/pty_camera.h"
#include "res/classic_panel_ids.h"
#include "res/dialog_templates.h"
#include "res/port_dialog_ids.h"
#include "shell/panel_launcher.h"
#include "shell/port_dialog.h"
#include "shell/startup_sequence.h"
#include "classic/camera_panel.h"
#include "platform/property_sheet.h"
#include "res/settings_page_ids.h"
#include "panel_support/wait_window.h"
#include "sheet/settings_page.h"
#include "sheet/zoom_comm_page.h"
#include "platform/controls.h"
#include "platform/scroll_codes.h"
#include "program_panels.h"

namespace ocel::shell {
namespace {

class CountingLauncher : public PanelLauncher {
 public:
  void runClassicPanel(const Handover&) override { ++classicRuns; }
  void runSettingsSheet(const Handover&) override { ++sheetRuns; }
  int classicRuns = 0, sheetRuns = 0;
};

struct CameraCase {
  int model;
  int shapeRegister;
};

class EndToEnd : public ::testing::TestWithParam<CameraCase> {
 protected:
  EndToEnd() : camera_(options()) { setenv("OCEL400_COM1", camera_.slavePath().c_str(), 1); }

  ocelsim::Options options() const {
    ocelsim::Options o;
    o.model = GetParam().model;
    return o;
  }

  int runChoosingModel() {
    const int model = GetParam().model;
    testing::whenModalShows([model](QWidget* modal) {
      auto* dialog = qobject_cast<PortDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      if (model == 0) QTest::mouseClick(dialog->control(res::port_dialog::kModel0), Qt::LeftButton);
      QTest::mouseClick(dialog->control(platform::kIdOk), Qt::LeftButton);
    });
    StartupOptions startup;  // the real library, found beside this program
    startup.panels = &launcher_;
    return runStartupSequence(startup);
  }

  ocelsim::PtyCamera camera_;
  testing::ScriptedPrompts prompts_;
  CountingLauncher launcher_;
};

TEST_P(EndToEnd, ConnectionTestPassesAndPutsTheSharpnessBack) {
  const int shape = GetParam().shapeRegister;
  camera_.setReg(shape, 200);
  EXPECT_EQ(runChoosingModel(), 0);

  const std::string reg = std::to_string(shape);  // 14 or 17
  const std::string read = "000000R0" + reg + "000\r";
  EXPECT_EQ(camera_.receivedFrames(), (std::vector<std::string>{
                                          read, "000000W0" + reg + "196\r", read,
                                          "000000W0" + reg + "200\r"}));
  EXPECT_EQ(camera_.reg(shape), 200);
  EXPECT_EQ(launcher_.classicRuns + launcher_.sheetRuns, 1);
  EXPECT_EQ(launcher_.sheetRuns, GetParam().model);
}

TEST_P(EndToEnd, SilentCameraEndsWithTheFailureMessageAndExitOne) {
  // About 8.5 s of retries; the path is the same for both models.
  if (GetParam().model == 0) GTEST_SKIP() << "one silent camera is enough";
  camera_.setFault(ocelsim::Fault::Silence);
  EXPECT_EQ(runChoosingModel(), 1);
  ASSERT_FALSE(prompts_.messages.empty());
  EXPECT_EQ(prompts_.messages.back().text,
            "Es konnte keine serielle Verbindung\r\nzur Kamera aufgebaut werden!");
  EXPECT_EQ(launcher_.classicRuns + launcher_.sheetRuns, 0);
}

// A port that cannot be opened is named below the failure text, with the
// cause the library left in errno.
TEST(EndToEndMissingPort, FailureMessageNamesThePortItsDeviceAndTheCause) {
  setenv("OCEL400_COM1", "/nonexistent/ttyUSB0", 1);
  testing::ScriptedPrompts prompts;
  testing::whenShows<PortDialog>([](PortDialog* dialog) {
    QTest::mouseClick(dialog->control(platform::kIdOk), Qt::LeftButton);
  });
  CountingLauncher launcher;
  StartupOptions startup;
  startup.panels = &launcher;
  EXPECT_EQ(runStartupSequence(startup), 1);
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_EQ(prompts.messages.back().text,
            QString::fromUtf8("Es konnte keine serielle Verbindung\r\nzur Kamera aufgebaut werden!\r\n"
                              "COM1 (/nonexistent/ttyUSB0): Gerät nicht vorhanden – OCEL400_COM1 "
                              "auf das Gerät des Adapters setzen (z. B. /dev/ttyUSB0)"));
  EXPECT_EQ(launcher.classicRuns + launcher.sheetRuns, 0);
}

INSTANTIATE_TEST_SUITE_P(Models, EndToEnd,
                         ::testing::Values(CameraCase{0, 17}, CameraCase{1, 14}),
                         [](const auto& info) { return "Model" + std::to_string(info.param.model); });

// The program with its own panels against a model 0 camera: the classic
// panel reads it, a slider move reaches it, and a configuration saved and
// loaded puts a changed setting back.
TEST(EndToEndClassic, SliderMoveAndConfigurationRoundTripReachTheCamera) {
  ocelsim::Options options;
  options.model = 0;
  ocelsim::PtyCamera camera(options);
  setenv("OCEL400_COM1", camera.slavePath().c_str(), 1);
  testing::ScriptedPrompts prompts;
  const QString file = QString::fromStdString(::testing::TempDir() + "/end-to-end.cfg");
  constexpr int kSharpness = 17;  // model 0's sharpness register

  testing::whenShows<PortDialog>([](PortDialog* dialog) {
    QTest::mouseClick(dialog->control(res::port_dialog::kModel0), Qt::LeftButton);
    QTest::mouseClick(dialog->control(platform::kIdOk), Qt::LeftButton);
  });
  testing::whenShows<classic::CameraPanel_1>([&](classic::CameraPanel_1* panel) {
    namespace ids = res::classic_panel;
    EXPECT_EQ(panel->controlText(ids::kSharpnessLabel), "235");
    auto* slider = qobject_cast<platform::ScrollBarControl*>(panel->control(ids::kSharpnessSlider));
    emit slider->scrolled(platform::kThumbTrack, 100);
    EXPECT_EQ(camera.reg(kSharpness), 100);

    prompts.fileAnswers = {file, file};
    QTest::mouseClick(panel->control(ids::kConfigSave), Qt::LeftButton);
    camera.setReg(kSharpness, 10);
    QTest::mouseClick(panel->control(ids::kConfigLoad), Qt::LeftButton);
    EXPECT_EQ(camera.reg(kSharpness), 100);
    EXPECT_EQ(panel->controlText(ids::kSharpnessLabel), "100");

    // The camera stops acknowledging: the next move is reported.
    camera.setFault(ocelsim::Fault::NoAck);
    emit slider->scrolled(platform::kThumbTrack, 120);
    EXPECT_EQ(prompts.texts().back(),
              "Die Kamera an COM1 antwortet nicht.\r\nDie Einstellung wurde nicht übernommen.");
    QTest::mouseClick(panel->control(platform::kIdOk), Qt::LeftButton);
  });

  ProgramPanels panels;
  StartupOptions startup;
  startup.panels = &panels;
  EXPECT_EQ(runStartupSequence(startup), 0);
  EXPECT_EQ(prompts.messages.size(), 3u) << "Loading DLL, Loading DLL ok, the camera's silence";
}

// The same against a model 1 camera: the sheet opens on the Settings page,
// which has read the camera with the standard chosen; a slider move and
// Remote with a manual gain reach the camera, a configuration round trip
// puts a changed setting back, and Esc ends the program.
TEST(EndToEndSheet, SliderRemoteGainAndConfigurationRoundTripReachTheCamera) {
  ocelsim::PtyCamera camera(ocelsim::Options{});
  setenv("OCEL400_COM1", camera.slavePath().c_str(), 1);
  testing::ScriptedPrompts prompts;
  const QString file = QString::fromStdString(::testing::TempDir() + "/end-to-end-sheet.cfg");
  constexpr int kMode = 0, kGainMode = 1, kGain = 7, kSharpness = 14;  // model 1's registers

  testing::whenShows<PortDialog>([](PortDialog* dialog) {
    QTest::mouseClick(dialog->control(res::port_dialog::kNtsc), Qt::LeftButton);
    QTest::mouseClick(dialog->control(platform::kIdOk), Qt::LeftButton);
  });
  testing::whenShows<platform::PropertySheet>([&](platform::PropertySheet* sheet) {
    namespace ids = res::settings_page;
    QTabBar* tabs = sheet->findChild<QTabBar*>();
    EXPECT_EQ(tabs->tabText(0) + '/' + tabs->tabText(1), "Settings/Zoom and Comm Settings");
    for (QWidget* window : QApplication::topLevelWidgets())
      EXPECT_FALSE(qobject_cast<panel_support::WaitWindow*>(window) && window->isVisible());
    auto* page = qobject_cast<sheet::EingabeBool_1*>(sheet->page(0));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->videoStandard, 1);
    EXPECT_EQ(qobject_cast<sheet::ZoomComm_1*>(sheet->page(1))->zoomCode, 255);
    EXPECT_FALSE(sheet->page(1)->isWindowCreated());
    auto scroll = [page](int id, int code, int position) {
      emit qobject_cast<platform::ScrollBarControl*>(page->control(id))->scrolled(code, position);
    };
    scroll(ids::kSharpnessSlider, platform::kThumbTrack, 100);
    EXPECT_EQ(camera.reg(kSharpness), 100);

    // Manual gain chosen under camera control is sent by Remote.
    QTest::mouseClick(page->control(ids::kGainManual), Qt::LeftButton);
    QTest::mouseClick(page->control(ids::kRemote), Qt::LeftButton);
    EXPECT_EQ(camera.reg(kMode), 1);
    EXPECT_EQ(camera.reg(kGainMode), 4);
    EXPECT_TRUE(page->isControlEnabled(ids::kManualGainSlider));
    scroll(ids::kManualGainSlider, platform::kThumbTrack, 49);
    EXPECT_EQ(camera.reg(kGain), 241);  // 25.6 dB

    prompts.fileAnswers = {file, file};
    QTest::mouseClick(page->control(ids::kConfigSave), Qt::LeftButton);
    camera.setReg(kSharpness, 10);
    QTest::mouseClick(page->control(ids::kConfigLoad), Qt::LeftButton);
    EXPECT_EQ(camera.reg(kSharpness), 100);
    EXPECT_EQ(page->controlText(ids::kSharpnessLabel), "100");
    EXPECT_EQ(page->controlText(ids::kManualGainLabel), "25.6");
    QTest::keyClick(page->control(ids::kRemote), Qt::Key_Escape);  // ends the program
  });

  ProgramPanels panels;
  StartupOptions startup;
  startup.panels = &panels;
  EXPECT_EQ(runStartupSequence(startup), 0);
  EXPECT_TRUE(prompts.messages.size() == 2u) << "only Loading DLL and Loading DLL ok";
}

}  // namespace
}  // namespace ocel::shell

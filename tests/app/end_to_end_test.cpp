// The program against the real library and the simulated camera over a
// pseudo-terminal: the frames that reach the camera, the panel of each
// model, a configuration round trip, the failure paths, and the zoom page's
// keypad holding a button. The mouse goes through the windows.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QTabBar>
#include <QTest>

#include "Ocel400.h"
#include "classic/camera_panel.h"
#include "gui_support.h"
#include "ocel400sim/pty_camera.h"
#include "panel_support/wait_window.h"
#include "platform/scroll_codes.h"
#include "program_panels.h"
#include "res/classic_panel_ids.h"
#include "res/port_dialog_ids.h"
#include "res/settings_page_ids.h"
#include "res/zoom_page_ids.h"
#include "shell/panel_launcher.h"
#include "shell/port_dialog.h"
#include "shell/startup_sequence.h"
#include "sheet/settings_page.h"
#include "sheet/zoom_comm_page.h"
#include "sheet/zoom_conversions.h"

namespace ocel::shell {
namespace {

namespace zoom = res::zoom_page;
using platform::kThumbTrack;
const QString kNoConnection = "Es konnte keine serielle Verbindung\r\nzur Kamera aufgebaut werden!";

struct CountingLauncher : PanelLauncher {
  void runClassicPanel(const Handover&) override { ++runs; }
  void runSettingsSheet(const Handover&) override { ++runs; }
  int runs = 0;
};

// A simulated camera of the model on COM1.
struct CameraOnCom1 : ocelsim::PtyCamera {
  explicit CameraOnCom1(int model) : PtyCamera(withModel(model)) {
    setenv("OCEL400_COM1", slavePath().c_str(), 1);
  }
  static ocelsim::Options withModel(int model) {
    ocelsim::Options options;
    options.model = model;
    return options;
  }
};

// Runs the program with the real library (found beside this program), the
// port dialog answered with these clicks and OK.
int runProgram(std::vector<int> portClicks, PanelLauncher& panels) {
  portClicks.push_back(platform::kIdOk);
  testing::clickWhenShows<PortDialog>(portClicks);
  StartupOptions startup;
  startup.panels = &panels;
  return runStartupSequence(startup);
}

// A port that cannot be opened is named below the failure text, with the
// cause the library left in errno.
TEST(EndToEndMissingPort, FailureMessageNamesThePortItsDeviceAndTheCause) {
  setenv("OCEL400_COM1", "/nonexistent/ttyUSB0", 1);
  testing::ScriptedPrompts prompts;
  CountingLauncher launcher;
  EXPECT_EQ(runProgram({}, launcher), 1);
  EXPECT_EQ(launcher.runs, 0);
  EXPECT_EQ(prompts.texts().back(),
            kNoConnection + QString::fromUtf8("\r\nCOM1 (/nonexistent/ttyUSB0): Gerät nicht "
                                              "vorhanden – OCEL400_COM1 auf das Gerät des "
                                              "Adapters setzen (z. B. /dev/ttyUSB0)"));
}

// A model 0 camera: the connection test moves its sharpness (register 17)
// by 4 and puts it back; the classic panel reads it, a slider move reaches
// it, and a camera that stops acknowledging is reported.
TEST(EndToEndClassic, ConnectionTestAndSliderMoveReachTheCameraAndItsSilenceIsTold) {
  CameraOnCom1 camera(0);
  testing::ScriptedPrompts prompts;
  testing::whenShows<classic::CameraPanel_1>([&](classic::CameraPanel_1* panel) {
    namespace ids = res::classic_panel;
    const std::vector<std::string> frames = camera.receivedFrames();
    ASSERT_GE(frames.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(frames.begin(), frames.begin() + 4),
              (std::vector<std::string>{"000000R017000\r", "000000W017231\r", "000000R017000\r",
                                        "000000W017235\r"}));
    EXPECT_EQ(panel->controlText(ids::kSharpnessLabel), "235");
    testing::scroll(*panel, ids::kSharpnessSlider, kThumbTrack, 100);
    EXPECT_EQ(camera.reg(17), 100);
    camera.setFault(ocelsim::Fault::NoAck);
    testing::scroll(*panel, ids::kSharpnessSlider, kThumbTrack, 120);
    EXPECT_EQ(prompts.texts().back(),
              "Die Kamera an COM1 antwortet nicht.\r\nDie Einstellung wurde nicht übernommen.");
    testing::click(*panel, platform::kIdOk);
  });
  ProgramPanels panels;
  EXPECT_EQ(runProgram({res::port_dialog::kModel0}, panels), 0);
  EXPECT_EQ(prompts.messages.size(), 3u) << "Loading DLL, Loading DLL ok, the camera's silence";
}

// A model 1 camera: the sheet opens on the Settings page, which has read the
// camera with the standard chosen; a slider move and Remote with a manual
// gain reach the camera, a configuration saved and loaded puts a changed
// setting back, and Esc ends the program.
TEST(EndToEndSheet, SliderRemoteGainAndConfigurationRoundTripReachTheCamera) {
  CameraOnCom1 camera(1);
  testing::ScriptedPrompts prompts;
  testing::TempFolder folder;
  constexpr int kMode = 0, kGainMode = 1, kGain = 7, kSharpness = 14;  // model 1's registers
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
    testing::scroll(*page, ids::kSharpnessSlider, kThumbTrack, 100);
    EXPECT_EQ(camera.reg(kSharpness), 100);

    // Manual gain chosen under camera control is sent by Remote.
    testing::click(*page, ids::kGainManual);
    testing::click(*page, ids::kRemote);
    EXPECT_EQ(camera.reg(kMode), 1);
    EXPECT_EQ(camera.reg(kGainMode), 4);
    EXPECT_TRUE(page->isControlEnabled(ids::kManualGainSlider));
    testing::scroll(*page, ids::kManualGainSlider, kThumbTrack, 49);
    EXPECT_EQ(camera.reg(kGain), 241);  // 25.6 dB

    prompts.fileAnswers = {folder.file("sheet.cfg"), folder.file("sheet.cfg")};
    testing::click(*page, ids::kConfigSave);
    camera.setReg(kSharpness, 10);
    testing::click(*page, ids::kConfigLoad);
    EXPECT_EQ(camera.reg(kSharpness), 100);
    EXPECT_EQ(page->controlText(ids::kSharpnessLabel), "100");
    EXPECT_EQ(page->controlText(ids::kManualGainLabel), "25.6");
    QTest::keyClick(page->control(ids::kRemote), Qt::Key_Escape);  // ends the program
  });
  ProgramPanels panels;
  EXPECT_EQ(runProgram({res::port_dialog::kNtsc}, panels), 0);
  EXPECT_EQ(prompts.messages.size(), 2u) << "only Loading DLL and Loading DLL ok";
}

// Model 1's registers.
constexpr int kDZoom = 17, kEZPane = 23, kEZSWBtn = 33, kReBps = 125;

// The zoom page against the real library and a model 1 camera (paced at
// 9600 baud): the keypad zooms the camera while Tele is held, the slider
// shows where it got to, a pan button lands in the camera, and a changed
// camera baud rate loses the line for the calls that follow.
TEST(ZoomPageEndToEnd, HoldingTeleZoomsTheCameraAndThePageShowsWhereItGot) {
  CameraOnCom1 camera(1);
  auto library = testing::loadLibrary("Ocel400.dll");
  auto entry = [&library](const char* name) { return library->resolve(name); };
  ASSERT_EQ(reinterpret_cast<decltype(&PortInitEx)>(entry("PortInitEx"))(1, 1, 0, 9600, 0),
            OCEL400_DONE);

  // The factory camera's zoom, pan, tilt and speed, as the Settings page
  // stores them. The pages go before the sheet they stand in.
  platform::PropertySheet sheet(QStringLiteral("Ocel Serie"));
  sheet::ZoomComm_1 page(*library);
  page.panCode = page.tiltCode = 128;
  page.zoomCode = 255;
  page.cameraBaudCode = 96;
  static const platform::DialogTemplate kSettingsStandIn{142, "Settings", 100, 40, {}};
  platform::PropertyPage settings(kSettingsStandIn);
  sheet.AddPage(&settings);
  sheet.AddPage(&page);
  sheet.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
  sheet.setActivePage(1);

  const QPoint tele(310, 100);
  testing::pressAt(&page, tele);
  EXPECT_EQ(camera.reg(kEZSWBtn), 1);
  QTest::qWait(1000);
  testing::releaseAt(&page, tele);
  EXPECT_EQ(camera.reg(kEZSWBtn), 0);
  const int reached = camera.reg(kDZoom);
  EXPECT_LT(reached, 255 - 32) << "about 64 codes a second";
  const int percent = sheet::roundedZoomPercent(reached);
  EXPECT_EQ(page.scrollPos(zoom::kZoomSlider), percent);
  EXPECT_EQ(page.controlText(zoom::kZoomLabel), QStringLiteral("%1 %").arg(percent));
  EXPECT_TRUE(page.isControlEnabled(zoom::kPanLeft));

  testing::click(page, zoom::kPanLeft);
  EXPECT_EQ(camera.reg(kEZPane), 0);

  // The camera takes its new speed after acknowledging it; the program keeps
  // its own, so the next call goes unanswered and fails after its attempts.
  testing::click(page, zoom::kBaud4800);
  EXPECT_EQ(camera.reg(kReBps), 48);
  EXPECT_EQ(camera.cameraBaud(), 4800);
  testing::click(page, zoom::kPanRight);
  EXPECT_EQ(camera.reg(kEZPane), 0);
  EXPECT_EQ(reinterpret_cast<decltype(&LastResult)>(entry("LastResult"))(),
            OCEL400_NOT_ACKNOWLEDGED);
  EXPECT_EQ(page.panCode, 255) << "the page keeps what the user chose";
}

}  // namespace
}  // namespace ocel::shell

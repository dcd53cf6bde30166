// The program against the real library and the simulated camera on a pty.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QTest>

#include "gui_support.h"
#include "ocel400sim/pty_camera.h"
#include "platform/scroll_codes.h"
#include "program_panels.h"
#include "res/settings_page_ids.h"
#include "res/zoom_page_ids.h"
#include "sheet/settings_page.h"
#include "sheet/zoom_comm_page.h"
#include "sheet/zoom_conversions.h"
#include "shell/panel_launcher.h"
#include "shell/port_dialog.h"
#include "shell/startup_sequence.h"

namespace ocel::shell {
namespace {

using platform::kThumbTrack;
const QString kNoConnection = "Es konnte keine serielle Verbindung\r\nzur Kamera aufgebaut werden!";

struct CountingLauncher : PanelLauncher {
  void runClassicPanel(const Handover&) override { ++runs; }
  void runSettingsSheet(const Handover&) override { ++runs; }
  int runs = 0;
};

// Runs the program with the real library (found beside this program) and
// the port dialog's defaults.
int runProgram(PanelLauncher& panels) {
  testing::clickWhenShows<PortDialog>({platform::kIdOk});
  StartupOptions startup;
  startup.panels = &panels;
  return runStartupSequence(startup);
}

// The port is named below the failure text, with the cause left in errno.
TEST(EndToEndMissingPort, FailureMessageNamesThePortItsDeviceAndTheCause) {
  setenv("OCEL400_COM1", "/nonexistent/ttyUSB0", 1);
  testing::ScriptedPrompts prompts;
  CountingLauncher launcher;
  EXPECT_EQ(runProgram(launcher), 1);
  EXPECT_EQ(launcher.runs, 0);
  EXPECT_EQ(prompts.texts().back(),
            kNoConnection + QString::fromUtf8("\r\nCOM1 (/nonexistent/ttyUSB0): Gerät nicht "
                                              "vorhanden – OCEL400_COM1 auf das Gerät des "
                                              "Adapters setzen (z. B. /dev/ttyUSB0)"));
}

// A model 1 camera: the connection test moves its sharpness (register 14)
// by 4 and puts it back; the sheet's sliders, Remote with a manual gain and
// the keypad reach the camera, its silence is told, and Esc ends the program.
TEST(EndToEndSheet, EveryKindOfChangeReachesTheCameraAndItsSilenceIsTold) {
  ocelsim::Options model1;
  model1.model = 1;
  ocelsim::PtyCamera camera(model1);
  setenv("OCEL400_COM1", camera.slavePath().c_str(), 1);
  testing::ScriptedPrompts prompts;
  // Model 1's registers.
  constexpr int kMode = 0, kGainMode = 1, kGain = 7, kSharpness = 14, kZoom = 17, kKeypad = 33;
  testing::whenShows<platform::PropertySheet>([&](platform::PropertySheet* sheet) {
    namespace ids = res::settings_page;
    const std::vector<std::string> frames = camera.receivedFrames();
    ASSERT_GE(frames.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(frames.begin(), frames.begin() + 4),
              (std::vector<std::string>{"000000R014000\r", "000000W014124\r", "000000R014000\r",
                                        "000000W014128\r"}));
    auto* page = qobject_cast<sheet::EingabeBool_1*>(sheet->page(0));
    ASSERT_NE(page, nullptr);
    testing::scroll(*page, ids::kSharpnessSlider, kThumbTrack, 100);
    EXPECT_EQ(camera.reg(kSharpness), 100);

    // Manual gain chosen under camera control is sent by Remote.
    testing::click(*page, ids::kGainManual);
    testing::click(*page, ids::kRemote);
    EXPECT_EQ(camera.reg(kMode), 1);
    EXPECT_EQ(camera.reg(kGainMode), 4);
    testing::scroll(*page, ids::kManualGainSlider, kThumbTrack, 49);
    EXPECT_EQ(camera.reg(kGain), 241);  // 25.6 dB

    // Holding Tele zooms the camera; the page shows where it got to.
    sheet->setActivePage(1);
    auto* zoomPage = qobject_cast<sheet::ZoomComm_1*>(sheet->page(1));
    const QPoint tele(310, 100);
    testing::pressAt(zoomPage, tele);
    EXPECT_EQ(camera.reg(kKeypad), 1);
    QTest::qWait(1000);
    testing::releaseAt(zoomPage, tele);
    EXPECT_EQ(camera.reg(kKeypad), 0);
    EXPECT_LT(camera.reg(kZoom), 255 - 32) << "about 64 codes a second";
    EXPECT_EQ(zoomPage->scrollPos(res::zoom_page::kZoomSlider),
              sheet::roundedZoomPercent(camera.reg(kZoom)));

    camera.setFault(ocelsim::Fault::NoAck);
    testing::scroll(*page, ids::kSharpnessSlider, kThumbTrack, 120);
    EXPECT_EQ(prompts.texts().back(),
              "Die Kamera an COM1 antwortet nicht.\r\nDie Einstellung wurde nicht übernommen.");
    QTest::keyClick(page->control(ids::kRemote), Qt::Key_Escape);  // ends the program
  });
  ProgramPanels panels;
  EXPECT_EQ(runProgram(panels), 0);
  EXPECT_EQ(prompts.messages.size(), 3u) << "Loading DLL, Loading DLL ok, the camera's silence";
}

}  // namespace
}  // namespace ocel::shell

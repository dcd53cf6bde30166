// The wait window on a real X server with a window manager (run by
// with_window_manager.sh): the start-up against the simulated camera, with
// the camera silent until the screen has been looked at. The program's
// thread is then blocked in its first read, so only what it painted before
// that read can be on the screen.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QPalette>
#include <QTest>
#include <chrono>
#include <future>
#include <thread>

#include "gui_support.h"
#include "ocel400sim/pty_camera.h"
#include "shell/panel_launcher.h"
#include "shell/port_dialog.h"
#include "shell/startup_sequence.h"
#include "x11_screen.h"

namespace ocel::shell {
namespace {

using namespace std::chrono_literals;

// Whether the image shows the wait window with its text painted: a good part
// of it in the window's background colour, with dark text pixels inside.
bool showsPaintedText(const QImage& image, QColor background) {
  QRect window;
  int backgroundPixels = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == background) {
        ++backgroundPixels;
        window |= QRect(x, y, 1, 1);
      }
  int textPixels = 0;
  for (int y = window.top(); y <= window.bottom(); ++y)
    for (int x = window.left(); x <= window.right(); ++x)
      textPixels += qGray(image.pixel(x, y)) < 96;
  return backgroundPixels > 10000 && textPixels > 100;
}

// Looks at the screen until it shows the painted text, for at most 2 s: the
// X server draws what another connection sent in its own time.
bool screenShowsText(testing::X11Screen& screen, const QRect& area, QColor background,
                     const char* name) {
  QImage image;
  for (auto deadline = std::chrono::steady_clock::now() + 2s;
       std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(50ms)) {
    image = screen.grab(area);
    if (showsPaintedText(image, background)) return true;
  }
  const QString saved = QString::fromStdString(::testing::TempDir()) + name + ".png";
  image.save(saved);
  ADD_FAILURE() << "no painted wait window on the screen; it showed " << saved.toStdString();
  return false;
}

// Holds the program in the hand-over, as a panel reading the camera would.
class HoldingLauncher : public PanelLauncher {
 public:
  void runClassicPanel(const Handover&) override { hold(); }
  void runSettingsSheet(const Handover&) override { hold(); }
  void hold() {
    entered.set_value();
    released.get_future().wait_for(10s);
  }
  std::promise<void> entered, released;
};

TEST(WaitWindowOnScreen, IsPaintedBeforeTheFirstReadAndAgainAfterBeingCovered) {
  ocelsim::PtyCamera camera(ocelsim::Options{});
  camera.setFault(ocelsim::Fault::Silence);
  setenv("OCEL400_COM1", camera.slavePath().c_str(), 1);
  testing::ScriptedPrompts prompts;
  testing::X11Screen screen;
  const QColor background = QApplication::palette().color(QPalette::Window);
  QRect centre(0, 0, 400, 200);
  centre.moveCenter(screen.geometry().center());

  HoldingLauncher launcher;
  std::thread watcher([&] {
    // The library repeats the silent read for about 2.8 s before it gives up.
    for (int i = 0; i < 2000 && camera.receivedFrames().empty(); ++i)
      std::this_thread::sleep_for(5ms);
    ASSERT_FALSE(camera.receivedFrames().empty()) << "the program never read the camera";
    screenShowsText(screen, centre, background, "before-first-read");
    screen.coverAndUncover(centre);
    camera.setFault(ocelsim::Fault::None);
    if (launcher.entered.get_future().wait_for(10s) == std::future_status::ready)
      screenShowsText(screen, centre, background, "after-uncovering");
    launcher.released.set_value();
  });

  testing::whenShows<PortDialog>([](PortDialog* dialog) {
    QTest::mouseClick(dialog->control(platform::kIdOk), Qt::LeftButton);
  });
  StartupOptions startup;  // the real library, found beside this program
  startup.panels = &launcher;
  EXPECT_EQ(runStartupSequence(startup), 0);
  watcher.join();
}

}  // namespace
}  // namespace ocel::shell

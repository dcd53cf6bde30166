// The wait window on a real X server with a window manager. The camera stays
// silent while the test looks, so the program is blocked in its first read.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <future>
#include <thread>

#include "gui_support.h"
#include "ocel400sim/pty_camera.h"
#include "shell/panel_launcher.h"
#include "shell/port_dialog.h"
#include "shell/startup_sequence.h"

namespace ocel::shell {
namespace {

using namespace std::chrono_literals;

// The screen's centre as the X server shows it, and a window laid over it and taken away.
class ScreenCentre {
 public:
  ScreenCentre()
      : x_(xcb_connect(nullptr, nullptr)),
        screen_(xcb_setup_roots_iterator(xcb_get_setup(x_)).data) {}
  ~ScreenCentre() { xcb_disconnect(x_); }

  QImage grab() {
    auto* reply = xcb_get_image_reply(x_,
                                      xcb_get_image(x_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root,
                                                    left(), top(), kWidth, kHeight, ~0u),
                                      nullptr);
    QImage image;  // a 24-bit screen gives 32 bits a pixel, as RGB32 keeps them
    if (reply && xcb_get_image_data_length(reply) == kWidth * kHeight * 4)
      image = QImage(xcb_get_image_data(reply), kWidth, kHeight, QImage::Format_RGB32).copy();
    free(reply);
    return image;
  }
  void coverAndUncover() {
    const xcb_window_t cover = xcb_generate_id(x_);
    const uint32_t values[] = {screen_->black_pixel, 1};  // background, override-redirect
    xcb_create_window(x_, XCB_COPY_FROM_PARENT, cover, screen_->root, left(), top(), kWidth,
                      kHeight, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    xcb_map_window(x_, cover);
    sync();
    xcb_destroy_window(x_, cover);
    sync();
  }

 private:
  static constexpr uint16_t kWidth = 400, kHeight = 200;
  int16_t left() const { return static_cast<int16_t>((screen_->width_in_pixels - kWidth) / 2); }
  int16_t top() const { return static_cast<int16_t>((screen_->height_in_pixels - kHeight) / 2); }
  void sync() { free(xcb_get_input_focus_reply(x_, xcb_get_input_focus(x_), nullptr)); }

  xcb_connection_t* x_;
  xcb_screen_t* screen_;
};

// Much of the image in the window's background colour, with dark text pixels inside it.
bool showsPaintedText(const QImage& image, QColor background) {
  QRect window;
  int backgroundPixels = 0, textPixels = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == background) ++backgroundPixels, window |= QRect(x, y, 1, 1);
  for (int y = window.top(); y <= window.bottom(); ++y)
    for (int x = window.left(); x <= window.right(); ++x)
      textPixels += qGray(image.pixel(x, y)) < 96;
  return backgroundPixels > 10000 && textPixels > 100;
}

// The X server draws what the program sent in its own time: look for 2 s.
void expectPaintedText(ScreenCentre& screen, QColor background, const char* when) {
  QImage image;
  for (int look = 0; look < 40; ++look, std::this_thread::sleep_for(50ms))
    if (showsPaintedText(image = screen.grab(), background)) return;
  const std::string saved = ::testing::TempDir() + when + ".png";
  image.save(QString::fromStdString(saved));
  ADD_FAILURE() << "no painted wait window " << when << "; the screen showed " << saved;
}

// Holds the program in the hand-over, as a panel reading the camera would.
struct HoldingLauncher : PanelLauncher {
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
  ScreenCentre screen;
  const QColor background = QApplication::palette().color(QPalette::Window);
  HoldingLauncher launcher;
  std::thread watcher([&] {
    // The library repeats the unanswered read for 2.8 s before it gives up.
    for (int i = 0; i < 2000 && camera.receivedFrames().empty(); ++i)
      std::this_thread::sleep_for(5ms);
    expectPaintedText(screen, background, "before-the-first-read");
    screen.coverAndUncover();
    camera.setFault(ocelsim::Fault::None);
    if (launcher.entered.get_future().wait_for(10s) == std::future_status::ready)
      expectPaintedText(screen, background, "after-being-uncovered");
    launcher.released.set_value();
  });
  testing::clickWhenShows<PortDialog>({platform::kIdOk});
  StartupOptions startup;  // the real library, found beside this program
  startup.panels = &launcher;
  EXPECT_EQ(runStartupSequence(startup), 0);
  watcher.join();
}

}  // namespace
}  // namespace ocel::shell

// ocel400-zoom-bench [--runs N]: times the remote keypad of the "Zoom and
// Comm Settings" page against the paced simulator of a model 1 camera at
// 9600 baud, offscreen, with mouse events delivered to the page:
//   - a press on "Tele" until its SetEZSWBtn exchange is done, against the
//     line floor of 2 exchanges (59.17 ms each: GetEZSWBtn, SetEZSWBtn);
//   - the release until the zoom label shows the zoom read back, against 3
//     (GetEZSWBtn, SetEZSWBtn, GetDZoom).
// Then, with the camera's baud rate changed from the page to 4800 (the
// program stays at 9600), how long a pan click, a keypad press and a release
// hold the page: each call runs its 20 attempts, bounded by 3122 ms.
#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <cstdio>
#include <vector>

#include "bench_command_line.h"
#include "ocel400sim/pty_camera.h"
#include "panel_bench.h"
#include "platform/loaded_library.h"
#include "res/zoom_page_ids.h"
#include "sheet/zoom_comm_page.h"

using namespace ocelbench;  // the benches' timing and report helpers

namespace {

constexpr int kDZoomRegister = 17, kReBpsRegister = 125;
const QPoint kTele(310, 100);

void mouse(QWidget& page, QEvent::Type type, QPoint at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
  QMouseEvent event(type, at, page.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(&page, &event);
}

}  // namespace

int main(int argc, char* argv[]) {
  int runs = 20;
  ocelbench::parseBenchCommandLine(
      argc, argv,
      "usage: ocel400-zoom-bench [--runs N]\n"
      "Times the remote keypad against a paced model 1 camera (default 20 runs).\n",
      {{"--runs", &runs}});
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);

  ocelsim::PtyCamera camera{ocelsim::Options{}};  // model 1, paced at 9600 baud
  auto library = ocelbench::openLibraryOn(camera, 1);
  if (!library) return 1;

  ocel::sheet::ZoomComm_1 page(*library);
  page.zoomCode = 255;
  page.panCode = page.tiltCode = 128;
  page.cameraBaudCode = 96;
  page.CreateWindowOnce();
  page.OnSetActive();
  page.show();
  QApplication::processEvents();

  std::vector<double> presses, releases;
  for (int run = 0; run < runs; ++run) {
    camera.setReg(kDZoomRegister, 255);
    presses.push_back(timedMs([&] { mouse(page, QEvent::MouseButtonPress, kTele); }));
    releases.push_back(timedMs([&] { mouse(page, QEvent::MouseButtonRelease, kTele); }));
  }
  std::printf("median of %d runs:\n", runs);
  report("press -> SetEZSWBtn exchange done", median(presses), 2 * kExchangeFloorMs, "floor");
  report("release -> zoom label updated", median(releases), 3 * kExchangeFloorMs, "floor");

  namespace ids = ocel::res::zoom_page;
  auto click = [&page](int id) { qobject_cast<QAbstractButton*>(page.control(id))->click(); };
  camera.setReg(kDZoomRegister, 191);  // 200 %: the pan buttons are in use
  page.zoomCode = 191;
  page.OnSetActive();
  click(ids::kBaud4800);
  std::printf("camera line now %d baud, the program's 9600; one run each:\n", camera.cameraBaud());
  report("pan click (1 call)", timedMs([&] { click(ids::kPanLeft); }), kCallBoundMs, "bound");
  report("keypad press (2 calls)", timedMs([&] { mouse(page, QEvent::MouseButtonPress, kTele); }),
         2 * kCallBoundMs, "bound");
  report("keypad release (3 calls)",
         timedMs([&] { mouse(page, QEvent::MouseButtonRelease, kTele); }), 3 * kCallBoundMs,
         "bound");
  camera.setReg(kReBpsRegister, 96);
  return 0;
}

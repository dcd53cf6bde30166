// ocel400-sheet-bench [--runs N]: times the sheet's Settings page against the
// paced simulator of a model 1 camera at 9600 baud, offscreen:
//   - the sheet's start: the connection test (2 reads + 2 writes) and the
//     page's start sequence (37 reads), against the line floor of those 41
//     exchanges (59.17 ms each);
//   - Reset: 34 writes and the start sequence again (71 exchanges).
#include <stdlib.h>

#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "Ocel400.h"
#include "ocel400sim/pty_camera.h"
#include "panel_support/wait_window.h"
#include "platform/loaded_library.h"
#include "res/settings_page_ids.h"
#include "shell/connection_test.h"
#include "sheet/settings_page.h"
#include "sheet/zoom_comm_page.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kExchangeFloorMs = 2 * 14 * 10 * 1000.0 / 9600 + 30;

template <class F>
double timedMs(F&& step) {
  const Clock::time_point start = Clock::now();
  step();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void report(const char* what, const std::vector<double>& times, int exchanges) {
  const double floorMs = exchanges * kExchangeFloorMs;
  std::printf("%-46s median %7.1f ms, floor %7.1f ms (%d exchanges), ratio %.3f\n", what,
              median(times), floorMs, exchanges, median(times) / floorMs);
}

}  // namespace

int main(int argc, char* argv[]) {
  int runs = 5;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);

  ocelsim::PtyCamera camera(ocelsim::Options{});  // model 1, paced at 9600 baud
  setenv("OCEL400_COM1", camera.slavePath().c_str(), 1);
  std::string reason;
  auto library = ocel::platform::LoadedLibrary::load("Ocel400.dll", reason);
  if (!library) {
    std::fprintf(stderr, "cannot load the camera library: %s\n", reason.c_str());
    return 1;
  }
  reinterpret_cast<decltype(&PortInitEx)>(library->resolve("PortInitEx"))(1, 1, 0, 9600, 0);
  ocel::shell::StartupEntryPoints startup;
  if (!startup.bind(*library, nullptr)) return 1;

  ocel::panel_support::WaitWindow waitWindow;
  ocel::sheet::ZoomComm_1 zoomPage(*library);
  ocel::sheet::EingabeBool_1 page(*library, 0, zoomPage, waitWindow);
  std::vector<double> start, reset;
  for (int run = 0; run < runs; ++run) {
    start.push_back(timedMs([&] {
      if (!ocel::shell::runConnectionTest(startup)) std::fprintf(stderr, "no camera\n");
      if (page.isWindowCreated()) page.OnInitDialog();
      else page.CreateWindowOnce();
    }));
    reset.push_back(timedMs([&] {
      qobject_cast<QPushButton*>(page.control(ocel::res::settings_page::kReset))->click();
    }));
  }
  report("sheet start: connection test + 37 reads", start, 4 + 37);
  report("Reset: 34 writes + 37 reads", reset, 34 + 37);
  return 0;
}

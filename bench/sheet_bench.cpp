// ocel400-sheet-bench [--runs N]: times the sheet's Settings page against the
// paced simulator of a model 1 camera at 9600 baud, offscreen:
//   - the sheet's start: the connection test (2 reads + 2 writes) and the
//     page's start sequence (37 reads), against the line floor of those 41
//     exchanges (59.17 ms each);
//   - Reset: 34 writes and the start sequence again (71 exchanges).
#include <QApplication>
#include <QPushButton>
#include <cstdio>
#include <vector>

#include "bench_command_line.h"
#include "ocel400sim/pty_camera.h"
#include "panel_bench.h"
#include "panel_support/wait_window.h"
#include "platform/loaded_library.h"
#include "res/settings_page_ids.h"
#include "sheet/settings_page.h"
#include "sheet/zoom_comm_page.h"
#include "shell/connection_test.h"

using namespace ocelbench;  // the benches' timing and report helpers

int main(int argc, char* argv[]) {
  int runs = 5;
  ocelbench::parseBenchCommandLine(
      argc, argv,
      "usage: ocel400-sheet-bench [--runs N]\n"
      "Times the sheet's start and Reset against a paced model 1 camera (default 5 runs).\n",
      {{"--runs", &runs}});
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);

  ocelsim::PtyCamera camera(ocelsim::Options{});  // model 1, paced at 9600 baud
  auto library = ocelbench::openLibraryOn(camera, 1);
  if (!library) return 1;
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
  reportExchanges("sheet start: connection test + 37 reads", start, 4 + 37);
  reportExchanges("Reset: 34 writes + 37 reads", reset, 34 + 37);
  return 0;
}

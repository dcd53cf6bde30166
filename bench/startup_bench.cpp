// ocel400-startup-bench [--runs N]: times the settings program's start-up
// against the paced simulator at 9600 baud, in-process and offscreen, with
// the message boxes and the port dialog answered at once:
//   - from the start (before the library is loaded) to the wait window on
//     screen: the program's own cost, without the person reading the boxes;
//   - the connection test (2 reads + 2 writes), from the wait window to the
//     hand-over to the panel, against its line floor of 4 x 59.17 ms.
#include <stdlib.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_command_line.h"
#include "ocel400sim/pty_camera.h"
#include "panel_support/wait_window.h"
#include "platform/user_prompts.h"
#include "shell/panel_launcher.h"
#include "shell/port_dialog.h"
#include "shell/startup_sequence.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kExchangeFloorMs = 2 * 14 * 10 * 1000.0 / 9600 + 30;

class InstantPrompts : public ocel::platform::UserPrompts {
 public:
  void showMessage(QWidget*, const QString&, const QString&) override {}
  std::optional<QString> chooseFile(QWidget*, const ocel::platform::FileDialogRequest&) override {
    return std::nullopt;
  }
};

// Notes when the wait window first appears.
class ShowWatcher : public QObject {
 public:
  Clock::time_point shownAt{};

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<ocel::panel_support::WaitWindow*>(watched) &&
        shownAt == Clock::time_point{})
      shownAt = Clock::now();
    return false;
  }
};

class TimedLauncher : public ocel::shell::PanelLauncher {
 public:
  Clock::time_point handedOverAt{};
  void runClassicPanel(const ocel::shell::Handover&) override { handedOverAt = Clock::now(); }
  void runSettingsSheet(const ocel::shell::Handover&) override { handedOverAt = Clock::now(); }
};

void pressOkOnPortDialog() {
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<ocel::shell::PortDialog*>(QApplication::activeModalWidget()))
      QMetaObject::invokeMethod(dialog, "accept");
    else pressOkOnPortDialog();
  });
}

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  int runs = 10;
  ocelbench::parseBenchCommandLine(
      argc, argv,
      "usage: ocel400-startup-bench [--runs N]\n"
      "Times the settings program's start-up against the paced simulator (default 10 runs).\n",
      {{"--runs", &runs}});
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const Clock::time_point processStart = Clock::now();
  QApplication application(argc, argv);
  const double applicationMs = ms(Clock::now() - processStart);

  ocelsim::PtyCamera camera(ocelsim::Options{});
  setenv("OCEL400_COM1", camera.slavePath().c_str(), 1);
  InstantPrompts prompts;
  ocel::platform::setUserPrompts(&prompts);

  std::vector<double> toWaitWindow, connectionTest;
  for (int run = 0; run < runs; ++run) {
    ShowWatcher watcher;
    application.installEventFilter(&watcher);
    TimedLauncher launcher;
    ocel::shell::StartupOptions options;
    options.panels = &launcher;
    pressOkOnPortDialog();
    const Clock::time_point start = Clock::now();
    const int status = ocel::shell::runStartupSequence(options);
    application.removeEventFilter(&watcher);
    if (status != 0 || launcher.handedOverAt == Clock::time_point{}) {
      std::fprintf(stderr, "run %d: the start-up did not reach the panel (status %d)\n", run,
                   status);
      return 1;
    }
    toWaitWindow.push_back(ms(watcher.shownAt - start));
    connectionTest.push_back(ms(launcher.handedOverAt - watcher.shownAt));
  }

  const double floorMs = 4 * kExchangeFloorMs;
  std::printf("QApplication set-up: %.1f ms\n", applicationMs);
  std::printf(
      "start to wait window (library load, port dialog answered at once), median of %d: "
      "%.1f ms\n",
      runs, median(toWaitWindow));
  std::printf(
      "connection test (2 reads + 2 writes), median of %d: %.1f ms, floor %.1f ms, "
      "ratio %.3f\n",
      runs, median(connectionTest), floorMs, median(connectionTest) / floorMs);
  return 0;
}

// ocel400-classic-bench [--runs N]: times the classic panel against the
// paced simulator of a model 0 camera at 9600 baud, offscreen:
//   - its start-up routine, 18 reads (23 with the area grid in Select mode),
//     against the line floor of that many exchanges (59.17 ms each);
//   - a configuration load: 23 writes and the start-up routine again.
#include <stdlib.h>

#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "Ocel400.h"
#include "bench_command_line.h"
#include "classic/camera_panel.h"
#include "ocel400sim/pty_camera.h"
#include "platform/loaded_library.h"
#include "platform/user_prompts.h"
#include "res/classic_panel_ids.h"
#include "res/dialog_templates.h"
#include "panel_support/wait_window.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kExchangeFloorMs = 2 * 14 * 10 * 1000.0 / 9600 + 30;
constexpr int kAeModeRegister = 24;  // model 0

class FixedFile : public ocel::platform::UserPrompts {
 public:
  explicit FixedFile(QString path) : path_(std::move(path)) {}
  void showMessage(QWidget*, const QString&, const QString&) override {}
  std::optional<QString> chooseFile(QWidget*, const ocel::platform::FileDialogRequest&) override {
    return path_;
  }

 private:
  QString path_;
};

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
  std::printf("%-40s median %7.1f ms, floor %7.1f ms (%d exchanges), ratio %.3f\n", what,
              median(times), floorMs, exchanges, median(times) / floorMs);
}

}  // namespace

int main(int argc, char* argv[]) {
  int runs = 5;
  ocelbench::parseBenchCommandLine(
      argc, argv,
      "usage: ocel400-classic-bench [--runs N]\n"
      "Times the classic panel against a paced model 0 camera (default 5 runs).\n",
      {{"--runs", &runs}});
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);

  ocelsim::Options options;
  options.model = 0;
  ocelsim::PtyCamera camera(options);
  setenv("OCEL400_COM1", camera.slavePath().c_str(), 1);
  std::string reason;
  auto library = ocel::platform::LoadedLibrary::load("Ocel400.dll", reason);
  if (!library) {
    std::fprintf(stderr, "cannot load the camera library: %s\n", reason.c_str());
    return 1;
  }
  reinterpret_cast<decltype(&PortInitEx)>(library->resolve("PortInitEx"))(1, 0, 0, 9600, 0);

  const QString file = QString::fromStdString(std::string(P_tmpdir) + "/ocel400-classic-bench.cfg");
  FixedFile prompts(file);
  ocel::platform::setUserPrompts(&prompts);
  ocel::panel_support::WaitWindow waitWindow;
  ocel::classic::CameraPanel_1 panel(*library, waitWindow);
  panel.CreateWindowOnce();
  auto click = [&panel](int id) { qobject_cast<QPushButton*>(panel.control(id))->click(); };
  click(ocel::res::classic_panel::kConfigSave);

  std::vector<double> startup, startupSelect, load;
  for (int run = 0; run < runs; ++run) {
    camera.setReg(kAeModeRegister, 2);
    startup.push_back(timedMs([&] { panel.OnInitDialog(); }));
    camera.setReg(kAeModeRegister, 3);
    startupSelect.push_back(timedMs([&] { panel.OnInitDialog(); }));
    load.push_back(timedMs([&] { click(ocel::res::classic_panel::kConfigLoad); }));
  }
  report("start-up routine (AE mode Variable)", startup, 18);
  report("start-up routine (AE mode Select)", startupSelect, 23);
  // The file keeps AE mode Variable: the start-up after the load reads 18.
  report("configuration load (23 writes + start-up)", load, 23 + 18);
  std::remove(file.toLocal8Bit().constData());
  return 0;
}

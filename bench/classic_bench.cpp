// ocel400-classic-bench [--runs N]: times the classic panel against the
// paced simulator of a model 0 camera at 9600 baud, offscreen:
//   - its start-up routine, 18 reads (23 with the area grid in Select mode),
//     against the line floor of that many exchanges (59.17 ms each);
//   - a configuration load: 23 writes and the start-up routine again.
#include <QApplication>
#include <QPushButton>
#include <cstdio>
#include <vector>

#include "bench_command_line.h"
#include "classic/camera_panel.h"
#include "ocel400sim/pty_camera.h"
#include "panel_bench.h"
#include "panel_support/wait_window.h"
#include "platform/loaded_library.h"
#include "platform/user_prompts.h"
#include "res/classic_panel_ids.h"
#include "res/dialog_templates.h"

using namespace ocelbench;  // the benches' timing and report helpers

namespace {

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
  auto library = ocelbench::openLibraryOn(camera, 0);
  if (!library) return 1;

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
  reportExchanges("start-up routine (AE mode Variable)", startup, 18);
  reportExchanges("start-up routine (AE mode Select)", startupSelect, 23);
  // The file keeps AE mode Variable: the start-up after the load reads 18.
  reportExchanges("configuration load (23 writes + start-up)", load, 23 + 18);
  std::remove(file.toLocal8Bit().constData());
  return 0;
}

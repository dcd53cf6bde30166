// ocel400-screenshots DIR: renders every dialog of the settings program to
// DIR/<template>-<name>.png, as it looks right after its initialisation.
// Runs offscreen; the panels read a simulated camera with factory settings.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdio>
#include <cstring>
#include <string>

#include "classic/camera_panel.h"
#include "ocel400sim/pty_camera.h"
#include "panel_support/wait_window.h"
#include "platform/loaded_library.h"
#include "platform/property_sheet.h"
#include "sheet/keypad.h"
#include "sheet/settings_page.h"
#include "sheet/zoom_comm_page.h"
#include "shell/port_dialog.h"

namespace {

bool save(QWidget& window, const QDir& directory, const QString& name) {
  const QString path = directory.filePath(name + QStringLiteral(".png"));
  window.show();
  QApplication::processEvents();
  const bool saved = window.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
  window.hide();
  return saved;
}

// The keypad enlarged, with the page's hit rectangles over its pictures and
// the switch-button bits each one sets.
bool saveKeypadFigure(ocel::sheet::ZoomComm_1& page, const QDir& directory) {
  constexpr int kScale = 2;
  const QRect area(236, 20, 192, 162);
  const QPixmap keypad = page.grab(area);
  QPixmap figure(keypad.size() * kScale);
  QPainter painter(&figure);
  painter.drawPixmap(figure.rect(), keypad);
  QFont font = painter.font();
  font.setPixelSize(11);
  painter.setFont(font);
  auto scaled = [&](int left, int top, int right, int bottom) {
    return QRect(QPoint(left - area.left(), top - area.top()) * kScale,
                 QPoint(right - area.left(), bottom - area.top()) * kScale);
  };
  // The six buttons framed whole, the four corners (a column's span with a
  // row's span) dashed.
  const auto buttons = ocel::sheet::keypadButtons(page.hitRects);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    painter.setPen(QPen(Qt::red, 1, i < 6 ? Qt::SolidLine : Qt::DashLine));
    const auto& r = buttons[i].area;
    const QRect shown = scaled(r.left, r.top, r.right, r.bottom);
    painter.drawRect(shown);
    painter.drawText(shown.adjusted(3, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     QString::number(buttons[i].bits));
  }
  painter.end();
  const QString path = directory.filePath(QStringLiteral("145-keypad-hit-rectangles.png"));
  const bool saved = figure.save(path);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  const char* usage =
      "usage: ocel400-screenshots DIRECTORY\n"
      "Renders every dialog against a simulated camera into DIRECTORY as PNG files.\n";
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(usage, stdout);
    return 0;
  }
  if (argc != 2 || argv[1][0] == '-') {  // an option is never taken for a directory
    std::fputs(usage, stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  const QDir directory(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(directory.path())) return 1;

  std::string reason;
  auto library = ocel::platform::LoadedLibrary::load("Ocel400.dll", reason);
  if (!library) {
    std::fprintf(stderr, "cannot load the camera library: %s\n", reason.c_str());
    return 1;
  }

  bool allSaved = true;
  ocel::shell::PortDialog portDialog(*library);
  portDialog.CreateWindowOnce();
  allSaved &= save(portDialog, directory, QStringLiteral("133-port-dialog"));

  ocel::panel_support::WaitWindow waitWindow;
  waitWindow.CreateWindowOnce();
  allSaved &= save(waitWindow, directory, QStringLiteral("156-wait-window"));

  // The classic panel, reading a model 0 camera.
  ocelsim::Options model0;
  model0.model = 0;
  model0.paced = false;
  ocelsim::PtyCamera camera(model0);
  qputenv("OCEL400_COM1", camera.slavePath().c_str());
  auto portInitEx = reinterpret_cast<decltype(&PortInitEx)>(library->resolve("PortInitEx"));
  portInitEx(1, 0, 0, 9600, 0);
  ocel::classic::CameraPanel_1 classicPanel(*library, waitWindow);
  classicPanel.CreateWindowOnce();
  allSaved &= save(classicPanel, directory, QStringLiteral("130-classic-panel"));

  // The sheet with its Settings page, reading a model 1 camera zoomed to
  // 200 %; then its zoom page, with the values the Settings page handed it.
  ocelsim::Options model1;
  model1.paced = false;
  ocelsim::PtyCamera camera1(model1);
  camera1.setReg(17, 191);  // DZoom: 200 %
  qputenv("OCEL400_COM1", camera1.slavePath().c_str());
  portInitEx(1, 1, 0, 9600, 0);
  ocel::platform::PropertySheet sheet(QStringLiteral("Ocel Serie"));
  ocel::sheet::ZoomComm_1 zoomPage(*library);
  ocel::sheet::EingabeBool_1 settingsPage(*library, 0, zoomPage, waitWindow);
  sheet.AddPage(&settingsPage);
  sheet.AddPage(&zoomPage);
  settingsPage.CreateWindowOnce();
  allSaved &= save(sheet, directory, QStringLiteral("142-settings-page"));
  zoomPage.CreateWindowOnce();
  zoomPage.OnSetActive();
  allSaved &= save(zoomPage, directory, QStringLiteral("145-zoom-page"));
  allSaved &= saveKeypadFigure(zoomPage, directory);
  return allSaved ? 0 : 1;
}

#include "panel_support/wait_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "res/dialog_templates.h"

namespace ocel::panel_support {

WaitWindow::WaitWindow() : platform::Dialog(res::waitWindowTemplate()) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
}

void WaitWindow::showCentred() {
  CreateModeless();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  repaint();
}

}  // namespace ocel::panel_support

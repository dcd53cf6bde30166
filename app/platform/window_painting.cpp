#include "platform/window_painting.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ocel::platform {

namespace {

constexpr int kExposePollMs = 2;

bool exposed(const QWidget& window) {
  return window.windowHandle() != nullptr && window.windowHandle()->isExposed();
}

}  // namespace

void showPainted(QWidget& window) {
  window.show();
  paintPending();
  if (!exposed(window)) {
    QEventLoop loop;
    QTimer poll;
    const QDeadlineTimer bound(kExposeBoundMs);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      if (exposed(window) || bound.hasExpired()) loop.quit();
    });
    poll.start(kExposePollMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  window.repaint();
  paintPending();  // also sends the painted picture to the window system
}

void paintPending() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace ocel::platform

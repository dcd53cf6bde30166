#include "panel_support/wait_window.h"

#include <QGuiApplication>
#include <QScreen>

#include "panel_support/entry_points.h"
#include "platform/window_painting.h"
#include "res/dialog_templates.h"

namespace ocel::panel_support {

namespace {

// The one wait window of the run, once it has been shown.
WaitWindow* shownWaitWindow = nullptr;

void keepShownWaitWindowPainted() {
  if (shownWaitWindow != nullptr && shownWaitWindow->isVisible()) platform::paintPending();
}

}  // namespace

WaitWindow::WaitWindow() : platform::Dialog(res::waitWindowTemplate()) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
}

WaitWindow::~WaitWindow() {
  if (shownWaitWindow != this) return;
  shownWaitWindow = nullptr;
  setLibraryCallHook(nullptr);
}

void WaitWindow::showCentred() {
  CreateWindowOnce();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  platform::showPainted(*this);
  shownWaitWindow = this;
  setLibraryCallHook(keepShownWaitWindowPainted);
}

}  // namespace ocel::panel_support

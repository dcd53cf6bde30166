#include "gui_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace ocel::testing {

void ScriptedPrompts::showMessage(QWidget* owner, const QString& text, const QString& caption) {
  messages.push_back({text, caption, owner != nullptr && owner->isVisible()});
}

void whenModalShows(std::function<void(QWidget*)> action) {
  whenModalShows(std::move(action), [](QWidget*) { return true; });
}

void whenModalShows(std::function<void(QWidget*)> action,
                    std::function<bool(QWidget*)> wanted) {
  auto* poll = new QTimer(qApp);
  auto waited = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, poll,
                   [poll, waited, action = std::move(action), wanted = std::move(wanted)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible() && wanted(modal)) {
      poll->deleteLater();
      poll->stop();
      action(modal);
    } else if (++*waited > 500) {
      poll->deleteLater();
      poll->stop();
      ADD_FAILURE() << "no modal dialog came up";
    }
  });
  poll->start(10);
}

}  // namespace ocel::testing

#include "gui_support.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <iterator>
#include <sstream>

#include "platform/controls.h"

namespace ocel::testing {

Calls callsIn(const std::string& spaced) {
  std::istringstream words(spaced);
  return Calls(std::istream_iterator<std::string>(words), {});
}

void ScriptedPrompts::showMessage(QWidget* owner, const QString& text, const QString& caption) {
  messages.push_back({text, caption, owner != nullptr && owner->isVisible()});
}

std::optional<QString> ScriptedPrompts::chooseFile(QWidget*,
                                                   const platform::FileDialogRequest& request) {
  fileRequests.push_back(request);
  if (fileAnswers.empty()) return std::nullopt;
  const std::optional<QString> answer = fileAnswers.front();
  fileAnswers.pop_front();
  return answer;
}

std::vector<QString> ScriptedPrompts::texts() const {
  std::vector<QString> all;
  for (const ShownMessage& message : messages) all.push_back(message.text);
  return all;
}

void whenModalShows(std::function<void(QWidget*)> action, std::function<bool(QWidget*)> wanted) {
  auto* poll = new QTimer(qApp);
  auto waited = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, poll,
                   [poll, waited, action = std::move(action), wanted = std::move(wanted)] {
                     QWidget* modal = QApplication::activeModalWidget();
                     const bool shown = modal != nullptr && modal->isVisible() && wanted(modal);
                     if (!shown && ++*waited <= 500) return;
                     poll->deleteLater();
                     poll->stop();
                     if (shown) action(modal);
                     else ADD_FAILURE() << "no modal dialog came up";
                   });
  poll->start(10);
}

void click(const platform::Dialog& dialog, int id) {
  QTest::mouseClick(dialog.control(id), Qt::LeftButton);
}

void key(Qt::Key pressed) { QTest::keyClick(QApplication::focusWidget(), pressed); }

static QPoint inWindow(QWidget* widget, QPoint at) { return widget->mapTo(widget->window(), at); }

void pressAt(QWidget* widget, QPoint at) {
  QTest::mousePress(widget->window()->windowHandle(), Qt::LeftButton, {}, inWindow(widget, at));
}
void releaseAt(QWidget* widget, QPoint at) {
  QTest::mouseRelease(widget->window()->windowHandle(), Qt::LeftButton, {}, inWindow(widget, at));
}
void moveTo(QWidget* widget, QPoint at) {
  QTest::mouseMove(widget->window()->windowHandle(), inWindow(widget, at));
}

void scroll(const platform::Dialog& dialog, int id, int code, int position) {
  emit qobject_cast<platform::ScrollBarControl*>(dialog.control(id))->scrolled(code, position);
}

void act(const platform::Dialog& dialog, const std::vector<Action>& actions) {
  for (const Action& action : actions) {
    if (action.scrollCode < 0) click(dialog, action.id);
    else scroll(dialog, action.id, action.scrollCode, action.position);
  }
}

std::string marks(const std::vector<std::vector<int>>& rows, const std::function<bool(int)>& test) {
  std::string shown;
  for (const auto& row : rows) {
    for (int id : row) shown += test(id) ? '#' : '.';
    shown += '/';
  }
  return shown;
}

void expectShown(const platform::Dialog& dialog, const Shown& shown, const Texts& texts,
                 const Positions& positions) {
  for (int id : shown.on) EXPECT_TRUE(dialog.checkState(id)) << id << " checked";
  for (int id : shown.off) EXPECT_FALSE(dialog.checkState(id)) << id << " unchecked";
  for (int id : shown.enabled) EXPECT_TRUE(dialog.isControlEnabled(id)) << id << " enabled";
  for (int id : shown.disabled) EXPECT_FALSE(dialog.isControlEnabled(id)) << id << " disabled";
  for (const auto& [id, text] : texts) EXPECT_EQ(dialog.controlText(id), text) << id;
  for (const auto& [id, at] : positions) EXPECT_EQ(dialog.scrollPos(id), at) << id;
}

std::unique_ptr<platform::LoadedLibrary> loadLibrary(const char* path) {
  std::string reason;
  auto library = platform::LoadedLibrary::load(path, reason);
  if (!library) throw std::runtime_error(reason);
  return library;
}

}  // namespace ocel::testing

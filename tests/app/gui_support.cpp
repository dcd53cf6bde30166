#include "gui_support.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

namespace ocel::testing {

void ScriptedPrompts::showMessage(QWidget* owner, const QString& text, const QString& caption) {
  messages.push_back({text, caption, owner ? owner->windowTitle() : QString(),
                      owner != nullptr && owner->isVisible()});
}

std::optional<QString> ScriptedPrompts::chooseFile(QWidget*,
                                                   const platform::FileDialogRequest& request) {
  fileRequests.push_back(request);
  if (fileAnswers.empty()) return std::nullopt;
  if (!fileAnswers.front()) {
    fileAnswers.pop_front();
    return std::nullopt;
  }
  const QString answer = *fileAnswers.front();
  fileAnswers.pop_front();
  return answer;
}

std::vector<QString> ScriptedPrompts::texts() const {
  std::vector<QString> all;
  for (const ShownMessage& message : messages) all.push_back(message.text);
  return all;
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

LoadedDouble::LoadedDouble(const std::string& path)
    : path_(path), handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (handle_ == nullptr) throw std::runtime_error("cannot load " + path);
  camera_ = std::make_unique<RecordingDouble>(
      [this](const char* name) { return dlsym(handle_, name); });
  camera_->reset();
}

LoadedDouble::~LoadedDouble() {
  camera_.reset();
  dlclose(handle_);
}

}  // namespace ocel::testing

#include "panel_support/camera_link_watch.h"

#include <cstring>

#include "platform/dialog.h"
#include "platform/loaded_library.h"
#include "platform/user_prompts.h"
#include "res/strings.h"

namespace ocel::panel_support {

CameraLinkWatch::CameraLinkWatch(const platform::LoadedLibrary& library, QString portName)
    : portName_(std::move(portName)) {
  void* symbol = library.resolve("LastResult");
  std::memcpy(&lastResult_, &symbol, sizeof lastResult_);
}

void CameraLinkWatch::afterUserAction(QWidget* owner) {
  if (lastResult_ == nullptr) return;
  if (lastResult_() == OCEL400_DONE) {
    armed_ = true;
    return;
  }
  if (!armed_) return;
  armed_ = false;
  platform::userPrompts().showMessage(
      owner, QString::fromUtf8(res::kCameraStoppedAnswering).arg(portName_),
      QString::fromUtf8(res::kErrorCaption));
}

WatchedUserActions::WatchedUserActions(CameraLinkWatch& watch) {
  platform::setUserActionObserver([&watch](QWidget* dialog) { watch.afterUserAction(dialog); });
}

WatchedUserActions::~WatchedUserActions() { platform::setUserActionObserver({}); }

}  // namespace ocel::panel_support

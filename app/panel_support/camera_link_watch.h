// Tells the user when the camera stops taking what the panels send. The
// panels never look at a result code; this watch asks the library after
// each user action whether its last exchange succeeded and, once per run of
// failures, says so in a message box. The next success arms it again. It
// makes no camera call of its own, so the panels' calls and their order are
// the same with or without it.
#pragma once

#include <QString>

#include "Ocel400.h"

class QWidget;

namespace ocel::platform {
class LoadedLibrary;
}

namespace ocel::panel_support {

class CameraLinkWatch {
 public:
  // portName: how the user chose the port, e.g. "COM1". A library without
  // LastResult leaves the watch silent.
  CameraLinkWatch(const platform::LoadedLibrary& library, QString portName);

  // Checks the last exchange; owner owns the message box.
  void afterUserAction(QWidget* owner);

 private:
  decltype(&::LastResult) lastResult_ = nullptr;
  QString portName_;
  bool armed_ = true;
};

// Watches every panel's user actions while it lives: the start-up sequence
// holds one while the panel of the camera's model runs.
class WatchedUserActions {
 public:
  explicit WatchedUserActions(CameraLinkWatch& watch);
  ~WatchedUserActions();
  WatchedUserActions(const WatchedUserActions&) = delete;
  WatchedUserActions& operator=(const WatchedUserActions&) = delete;
};

}  // namespace ocel::panel_support

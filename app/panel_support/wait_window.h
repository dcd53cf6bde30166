// The wait window shown from the connection test until a panel has read the
// camera. The start-up sequence owns it; panels may only hide it.
#pragma once

#include "platform/dialog.h"

namespace ocel::panel_support {

class WaitWindow : public platform::Dialog {
  Q_OBJECT
 public:
  WaitWindow();
  ~WaitWindow() override;

  // Shows it without a parent, centred on the screen, and returns once it is
  // on the screen and painted. While it is visible, it repaints what the
  // window system asks for before every library call, since no events are
  // handled while the camera is being read.
  void showCentred();

 protected:
  void OnCancel() override { hide(); }
};

}  // namespace ocel::panel_support

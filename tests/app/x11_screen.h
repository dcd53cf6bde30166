// The X server's screen as another program sees it, over a connection of the
// test's own: grabs what is shown and lays a window over part of it. Works
// from any thread, while the program's own thread is blocked.
#pragma once

#include <QImage>
#include <QRect>

struct xcb_connection_t;
struct xcb_screen_t;

namespace ocel::testing {

class X11Screen {
 public:
  // Connects to $DISPLAY; throws std::runtime_error when that fails.
  X11Screen();
  ~X11Screen();
  X11Screen(const X11Screen&) = delete;
  X11Screen& operator=(const X11Screen&) = delete;

  QRect geometry() const;
  // What the screen shows in area, as the server has drawn it by now.
  QImage grab(const QRect& area);
  // Maps a black window over area, as another program's window would cover
  // it, and destroys it again; returns once the server has done both.
  void coverAndUncover(const QRect& area);

 private:
  void sync();

  xcb_connection_t* connection_;
  xcb_screen_t* screen_;
};

}  // namespace ocel::testing

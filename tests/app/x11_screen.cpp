#include "x11_screen.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace ocel::testing {

X11Screen::X11Screen() : connection_(xcb_connect(nullptr, nullptr)) {
  if (xcb_connection_has_error(connection_)) {
    xcb_disconnect(connection_);
    throw std::runtime_error("cannot connect to the X server");
  }
  screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
}

X11Screen::~X11Screen() { xcb_disconnect(connection_); }

QRect X11Screen::geometry() const {
  return QRect(0, 0, screen_->width_in_pixels, screen_->height_in_pixels);
}

QImage X11Screen::grab(const QRect& area) {
  const xcb_get_image_cookie_t cookie = xcb_get_image(
      connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root, static_cast<int16_t>(area.x()),
      static_cast<int16_t>(area.y()), static_cast<uint16_t>(area.width()),
      static_cast<uint16_t>(area.height()), ~0u);
  std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
      xcb_get_image_reply(connection_, cookie, nullptr), &std::free);
  // A 24-bit screen hands out 32 bits a pixel, as QImage's RGB32 keeps them.
  if (!reply || reply->depth != 24 ||
      xcb_get_image_data_length(reply.get()) != area.width() * area.height() * 4)
    return {};
  return QImage(xcb_get_image_data(reply.get()), area.width(), area.height(), area.width() * 4,
                QImage::Format_RGB32)
      .copy();
}

void X11Screen::coverAndUncover(const QRect& area) {
  const xcb_window_t cover = xcb_generate_id(connection_);
  const uint32_t values[] = {screen_->black_pixel, 1};  // background, override-redirect
  xcb_create_window(connection_, XCB_COPY_FROM_PARENT, cover, screen_->root,
                    static_cast<int16_t>(area.x()), static_cast<int16_t>(area.y()),
                    static_cast<uint16_t>(area.width()), static_cast<uint16_t>(area.height()), 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual,
                    XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
  xcb_map_window(connection_, cover);
  sync();
  xcb_destroy_window(connection_, cover);
  sync();
}

// A round trip: the server has carried out every request sent before it.
void X11Screen::sync() {
  std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

}  // namespace ocel::testing

// Painting outside an event loop. The program's one thread blocks in serial
// calls for up to seconds; these put on the screen what the user should see
// before such a call, leaving the user's keys and clicks for later.
#pragma once

class QWidget;

namespace ocel::platform {

// How long a new window may take to come on the screen. A window manager
// frames a window before it maps it; past this the program goes on anyway.
inline constexpr int kExposeBoundMs = 1000;

// Shows the window and returns once it is on the screen and painted: waits
// (at most kExposeBoundMs) for the window system to expose it, then paints
// it and hands the picture over.
void showPainted(QWidget& window);

// Brings the windows' pictures up to date: handles what the window system
// asked for (areas uncovered, windows closed) and paints what is due.
void paintPending();

}  // namespace ocel::platform

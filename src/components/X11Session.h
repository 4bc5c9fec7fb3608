// The X connection the global hotkeys grab on. The program hands in Qt's own connection and
// every event it reads, so that Qt also sees the hotkey's timestamp when it activates a window.
#pragma once

#include <xcb/xcb.h>

namespace components::x11 {

void UseConnection(xcb_connection_t* connection);
xcb_connection_t* Connection();

// Hands one event in. The event goes on to Qt as well, which takes the key event's time from
// it: with that time the window manager lets the popup become active.
void HandleEvent(const xcb_generic_event_t* event);

} // namespace components::x11

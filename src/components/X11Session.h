// The X connection the global hotkeys grab on. The program hands in Qt's own connection and
// every event it reads, so that Qt also sees the hotkey's timestamp when it activates a window.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>

namespace components::x11 {

void UseConnection(xcb_connection_t* connection);
xcb_connection_t* Connection();

// Hands one event in. The event goes on to Qt as well, which takes the key event's time from
// it: with that time the window manager lets the popup become active. True when the event is a
// hotkey's key that a window of the program received and that must not go on as a key.
bool HandleEvent(const xcb_generic_event_t* event);

// The virtual key of a key as it stands on the keyboard (its unshifted symbol, so Shift+5 is
// the key 5); 0 when unknown.
std::uint8_t VirtualKeyOfKeycode(std::uint8_t keycode);

} // namespace components::x11

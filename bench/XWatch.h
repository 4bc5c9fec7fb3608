// The benchmark's view of the X server: the server's own notifications on the root window
// (SubstructureNotify), read as they arrive with their time of arrival, and key presses through
// XTEST.
#pragma once

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <functional>
#include <string>
#include <vector>

namespace bench {

class XWatch {
  public:
    XWatch();
    ~XWatch();
    XWatch(const XWatch&) = delete;
    XWatch& operator=(const XWatch&) = delete;

    bool Usable() const;
    void Press(const std::vector<xcb_keysym_t>& keys);

    // Reads the notifications until one satisfies found or the time is up; the time of its
    // arrival, or -1.
    double WaitFor(const std::function<bool(const xcb_generic_event_t&)>& found, int seconds = 10);
    // The tray host takes a window of the given class out of the root: the icon docked.
    double WaitDocked(const std::string& windowClass, const std::string& popupTitle);
    // A window holding the title (or the frame around it) mapped on the root.
    double WaitMapped(const std::string& title);
    // Some window unmapped from the root, as a hidden popup is.
    double WaitUnmapped(int seconds = 2);

    std::string Property(xcb_window_t window, xcb_atom_t atom);
    // The window or one of its children within depth levels holds the property text.
    bool Holds(xcb_window_t window, xcb_atom_t atom, const std::string& text, int depth = 2);

  private:
    void Send(std::uint8_t type, xcb_keysym_t keysym);

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    xcb_key_symbols_t* symbols_ = nullptr;
};

} // namespace bench

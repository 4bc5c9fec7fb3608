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
    // The pointer moved onto the window and the button pressed and let go there.
    void Click(xcb_window_t window, std::uint8_t button);

    // Reads the notifications until one satisfies found or the time is up; the time of its
    // arrival, or -1.
    double WaitFor(const std::function<bool(const xcb_generic_event_t&)>& found, int seconds = 10);
    // The tray host takes a window of the given class out of the root: the icon docked.
    double WaitDocked(const std::string& windowClass, const std::string& popupTitle);
    xcb_window_t LastDocked() const { return docked_; }
    // A window holding the title (or the frame around it) mapped on the root; any window for
    // an empty title.
    double WaitMapped(const std::string& title);
    // Some window unmapped from the root, as a hidden popup is.
    double WaitUnmapped(int seconds = 2);

    std::string Property(xcb_window_t window, xcb_atom_t atom);
    // The window or one of its children within depth levels holds the property text.
    bool Holds(xcb_window_t window, xcb_atom_t atom, const std::string& text, int depth = 2);

  private:
    void Send(std::uint8_t type, xcb_keysym_t keysym);
    void Fake(std::uint8_t type, std::uint8_t detail, std::int16_t x = 0, std::int16_t y = 0);

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    xcb_key_symbols_t* symbols_ = nullptr;
    xcb_window_t docked_ = 0;
};

} // namespace bench

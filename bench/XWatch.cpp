#include "XWatch.h"

#include "Measure.h"

#include <xcb/xtest.h>

#include <cstdlib>
#include <poll.h>
#include <utility>

namespace bench {

XWatch::XWatch() : connection_(xcb_connect(nullptr, nullptr)) {
    if (!Usable()) {
        return;
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    symbols_ = xcb_key_symbols_alloc(connection_);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
}

XWatch::~XWatch() {
    if (symbols_ != nullptr) {
        xcb_key_symbols_free(symbols_);
    }
    xcb_disconnect(connection_);
}

bool XWatch::Usable() const {
    return xcb_connection_has_error(connection_) == 0;
}

void XWatch::Press(const std::vector<xcb_keysym_t>& keys) {
    for (xcb_keysym_t key : keys) {
        Send(XCB_KEY_PRESS, key);
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        Send(XCB_KEY_RELEASE, *key);
    }
    xcb_flush(connection_);
}

void XWatch::Click(xcb_window_t window, std::uint8_t button) {
    auto* point = xcb_translate_coordinates_reply(
        connection_, xcb_translate_coordinates(connection_, window, root_, 4, 4), nullptr);
    if (point == nullptr) {
        return;
    }
    Fake(XCB_MOTION_NOTIFY, 0, point->dst_x, point->dst_y);
    std::free(point);
    Fake(XCB_BUTTON_PRESS, button);
    Fake(XCB_BUTTON_RELEASE, button);
    xcb_flush(connection_);
}

double XWatch::WaitFor(const std::function<bool(const xcb_generic_event_t&)>& found, int seconds) {
    const double end = NowMs() + seconds * 1000.0;
    std::vector<std::pair<double, xcb_generic_event_t*>> arrived;
    double result = -1;
    while (result < 0 && NowMs() < end) {
        pollfd wait{xcb_get_file_descriptor(connection_), POLLIN, 0};
        ::poll(&wait, 1, 20);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            arrived.emplace_back(NowMs(), event);
        }
        // Judging an event asks the server; every time was taken before.
        for (auto& [time, event] : arrived) {
            if (result < 0 && found(*event)) {
                result = time;
            }
            std::free(event);
        }
        arrived.clear();
    }
    return result;
}

double XWatch::WaitDocked(const std::string& windowClass, const std::string& popupTitle) {
    return WaitFor([&](const xcb_generic_event_t& event) {
        if ((event.response_type & 0x7F) != XCB_REPARENT_NOTIFY) {
            return false;
        }
        const auto& reparent = reinterpret_cast<const xcb_reparent_notify_event_t&>(event);
        if (reparent.event != root_ || reparent.parent == root_ ||
            Property(reparent.window, XCB_ATOM_WM_CLASS).find(windowClass) == std::string::npos ||
            Holds(reparent.window, XCB_ATOM_WM_NAME, popupTitle, 0)) {
            return false;
        }
        docked_ = reparent.window;
        return true;
    });
}

double XWatch::WaitMapped(const std::string& title) {
    return WaitFor([&](const xcb_generic_event_t& event) {
        if ((event.response_type & 0x7F) != XCB_MAP_NOTIFY) {
            return false;
        }
        const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(event);
        return map.event == root_ && Holds(map.window, XCB_ATOM_WM_NAME, title);
    });
}

double XWatch::WaitUnmapped(int seconds) {
    return WaitFor(
        [&](const xcb_generic_event_t& event) {
            return (event.response_type & 0x7F) == XCB_UNMAP_NOTIFY &&
                   reinterpret_cast<const xcb_unmap_notify_event_t&>(event).event == root_;
        },
        seconds);
}

std::string XWatch::Property(xcb_window_t window, xcb_atom_t atom) {
    auto* reply = xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
    std::string value;
    if (reply != nullptr) {
        value.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                     static_cast<size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
    }
    return value;
}

bool XWatch::Holds(xcb_window_t window, xcb_atom_t atom, const std::string& text, int depth) {
    if (Property(window, atom).find(text) != std::string::npos) {
        return true;
    }
    if (depth == 0) {
        return false;
    }
    auto* tree = xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr);
    bool held = false;
    if (tree != nullptr) {
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree) && !held; ++i) {
            held = Holds(children[i], atom, text, depth - 1);
        }
        std::free(tree);
    }
    return held;
}

void XWatch::Send(std::uint8_t type, xcb_keysym_t keysym) {
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols_, keysym);
    const xcb_keycode_t code = codes != nullptr ? codes[0] : 0;
    std::free(codes);
    Fake(type, code);
}

void XWatch::Fake(std::uint8_t type, std::uint8_t detail, std::int16_t x, std::int16_t y) {
    xcb_test_fake_input(connection_, type, detail, XCB_CURRENT_TIME, root_, x, y, 0);
}

} // namespace bench

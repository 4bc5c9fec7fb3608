#include "components/HotkeyRegistration.h"

#include "components/VirtualKeys.h"
#include "components/X11Session.h"

#include "components/ShortcutValue.h"

#include <xcb/xcb_keysyms.h>
// xkb.h names a field "explicit", a C++ keyword.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace components {

// One key grab as the server granted it.
struct GrabbedKey {
    xcb_keycode_t code;
    std::uint16_t modifiers; // the hotkey's modifiers with one lock combination
};

struct HotkeyRegistration::Impl {
    std::function<void()> onPress;
    std::vector<std::uint32_t> keysyms; // any of them makes the key
    unsigned modifiers = 0;             // kModAlt | kModControl | kModShift
    bool active = false;                // every grab granted; a mapping change may take that away
    bool refused = false;               // a grab was refused: another client holds the key
    bool unavailable = false;           // no key of the keyboard makes it
    bool down = false;                  // held: auto-repeat presses raise nothing
    std::vector<xcb_keycode_t> keycodes;
    std::uint16_t mask = 0; // the X modifier mask of modifiers
    // Released with exactly these masks: a mapping change may have moved the lock modifiers.
    std::vector<GrabbedKey> grabs;
};

namespace {

constexpr std::uint32_t kNumLock = 0xFF7F;
constexpr std::uint32_t kScrollLock = 0xFF14;
constexpr std::uint32_t kAltL = 0xFFE9;

struct Session {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    xcb_key_symbols_t* symbols = nullptr;
    std::uint8_t xkbFirstEvent = 0;
    std::uint16_t altMask = XCB_MOD_MASK_1; // read from the modifier map at each grab
    std::vector<HotkeyRegistration::Impl*> registrations;
};

Session& TheSession() {
    static Session session;
    return session;
}

void FreeSymbols(Session& session) {
    if (session.symbols != nullptr) {
        xcb_key_symbols_free(session.symbols);
        session.symbols = nullptr;
    }
}

xcb_key_symbols_t* Symbols(Session& session) {
    if (session.symbols == nullptr) {
        session.symbols = xcb_key_symbols_alloc(session.connection);
    }
    return session.symbols;
}

std::vector<xcb_keycode_t> KeycodesOf(Session& session, const std::vector<std::uint32_t>& keysyms) {
    std::vector<xcb_keycode_t> result;
    for (std::uint32_t keysym : keysyms) {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(Symbols(session), keysym);
        for (xcb_keycode_t* code = codes; code != nullptr && *code != XCB_NO_SYMBOL; ++code) {
            if (std::find(result.begin(), result.end(), *code) == result.end()) {
                result.push_back(*code);
            }
        }
        std::free(codes);
    }
    return result;
}

// The modifier bit that a key with this keysym sets, from the modifier map; 0 when none.
std::uint16_t ModifierMaskOf(Session& session, std::uint32_t keysym) {
    const std::vector<xcb_keycode_t> wanted = KeycodesOf(session, {keysym});
    xcb_get_modifier_mapping_reply_t* reply = xcb_get_modifier_mapping_reply(
        session.connection, xcb_get_modifier_mapping(session.connection), nullptr);
    if (reply == nullptr) {
        return 0;
    }
    const xcb_keycode_t* map = xcb_get_modifier_mapping_keycodes(reply);
    std::uint16_t mask = 0;
    for (int modifier = 0; modifier < 8 && mask == 0; ++modifier) {
        for (int i = 0; i < reply->keycodes_per_modifier; ++i) {
            const xcb_keycode_t code = map[modifier * reply->keycodes_per_modifier + i];
            if (code != 0 && std::find(wanted.begin(), wanted.end(), code) != wanted.end()) {
                mask = static_cast<std::uint16_t>(1u << modifier);
            }
        }
    }
    std::free(reply);
    return mask;
}

// Every combination of CapsLock, NumLock and ScrollLock, so the hotkey works with any lock on.
std::vector<std::uint16_t> LockCombinations(Session& session) {
    const std::uint16_t locks[] = {XCB_MOD_MASK_LOCK, ModifierMaskOf(session, kNumLock),
                                   ModifierMaskOf(session, kScrollLock)};
    std::vector<std::uint16_t> combinations{0};
    for (std::uint16_t lock : locks) {
        if (lock == 0) {
            continue;
        }
        const size_t count = combinations.size();
        for (size_t i = 0; i < count; ++i) {
            const std::uint16_t combined = combinations[i] | lock;
            if (std::find(combinations.begin(), combinations.end(), combined) ==
                combinations.end()) {
                combinations.push_back(combined);
            }
        }
    }
    return combinations;
}

std::uint16_t AltMask(Session& session) {
    const std::uint16_t mask = ModifierMaskOf(session, kAltL);
    return mask != 0 ? mask : static_cast<std::uint16_t>(XCB_MOD_MASK_1);
}

void Ungrab(Session& session, HotkeyRegistration::Impl& hotkey) {
    for (const GrabbedKey& grab : hotkey.grabs) {
        xcb_ungrab_key(session.connection, grab.code, session.root, grab.modifiers);
    }
    hotkey.grabs.clear();
    xcb_flush(session.connection);
}

// Grabs every keycode of the key with every lock combination; all or nothing.
bool Grab(Session& session, HotkeyRegistration::Impl& hotkey) {
    session.altMask = AltMask(session);
    hotkey.keycodes = KeycodesOf(session, hotkey.keysyms);
    hotkey.mask = ((hotkey.modifiers & kModShift) ? XCB_MOD_MASK_SHIFT : 0) |
                  ((hotkey.modifiers & kModControl) ? XCB_MOD_MASK_CONTROL : 0) |
                  ((hotkey.modifiers & kModAlt) ? session.altMask : 0);
    hotkey.refused = false;
    hotkey.unavailable = hotkey.keycodes.empty();
    if (hotkey.unavailable) {
        return false;
    }
    std::vector<std::pair<GrabbedKey, xcb_void_cookie_t>> requests;
    for (std::uint16_t lock : LockCombinations(session)) {
        for (xcb_keycode_t code : hotkey.keycodes) {
            const GrabbedKey key{code, static_cast<std::uint16_t>(hotkey.mask | lock)};
            requests.emplace_back(
                key, xcb_grab_key_checked(session.connection, 1, session.root, key.modifiers, code,
                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        }
    }
    bool granted = true;
    for (const auto& [key, cookie] : requests) {
        if (xcb_generic_error_t* error = xcb_request_check(session.connection, cookie)) {
            granted = false;
            std::free(error);
        } else {
            hotkey.grabs.push_back(key);
        }
    }
    if (!granted) {
        Ungrab(session, hotkey); // releases only the variants this client holds
    }
    hotkey.refused = !granted;
    return granted;
}

// After a keyboard mapping change the keycodes and lock modifiers may differ: release, recompute,
// grab again. A hotkey whose grab now fails is no longer registered (and is tried again at the
// next change); one whose key the old layout lacked may now be there.
void RegrabAll(Session& session) {
    for (HotkeyRegistration::Impl* hotkey : session.registrations) {
        Ungrab(session, *hotkey);
    }
    FreeSymbols(session);
    for (HotkeyRegistration::Impl* hotkey : session.registrations) {
        hotkey->active = Grab(session, *hotkey);
    }
}

// True when the key is one of a hotkey's: then it is the hotkey's alone.
bool HandleKey(Session& session, const xcb_key_press_event_t& event, bool pressed) {
    const std::uint16_t counted = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | session.altMask;
    std::function<void()> raise;
    bool hotkeysKey = false;
    for (HotkeyRegistration::Impl* hotkey : session.registrations) {
        const auto& codes = hotkey->keycodes;
        if (!hotkey->active || std::find(codes.begin(), codes.end(), event.detail) == codes.end()) {
            continue;
        }
        if (!pressed) {
            hotkeysKey = hotkey->down;
            hotkey->down = false;
        } else if ((event.state & counted) == hotkey->mask) {
            if (!hotkey->down) {
                raise = hotkey->onPress;
            }
            hotkey->down = true;
            hotkeysKey = true;
        }
    }
    // Raised last: the handler may change the registrations.
    if (raise) {
        raise();
    }
    return hotkeysKey;
}

} // namespace

namespace x11 {

void UseConnection(xcb_connection_t* connection) {
    Session& session = TheSession();
    FreeSymbols(session);
    session.connection = connection;
    session.root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // Held keys then repeat as presses only, so one press raises one event. The answers are
    // not waited for: the start-up goes on to the tray icon.
    xcb_discard_reply(connection, xcb_xkb_use_extension(connection, 1, 0).sequence);
    constexpr auto kDetectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const xcb_xkb_per_client_flags_cookie_t flags = xcb_xkb_per_client_flags(
        connection, XCB_XKB_ID_USE_CORE_KBD, kDetectable, kDetectable, 0, 0, 0);
    xcb_discard_reply(connection, flags.sequence);
    const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(connection, &xcb_xkb_id);
    session.xkbFirstEvent = xkb != nullptr && xkb->present ? xkb->first_event : 0;
}

xcb_connection_t* Connection() {
    return TheSession().connection;
}

bool HandleEvent(const xcb_generic_event_t* event) {
    Session& session = TheSession();
    if (session.connection == nullptr || event == nullptr) {
        return false;
    }
    const std::uint8_t type = event->response_type & 0x7F;
    switch (type) {
    case XCB_KEY_PRESS:
    case XCB_KEY_RELEASE: {
        const auto& key = *reinterpret_cast<const xcb_key_press_event_t*>(event);
        // A press through the grab comes on the root window and reaches no window of the
        // program. One that a window of ours receives because it holds the keyboard must not
        // reach it as a key, as a registered hotkey never does on Windows.
        return HandleKey(session, key, type == XCB_KEY_PRESS) && key.event != session.root;
    }
    case XCB_MAPPING_NOTIFY:
        RegrabAll(session);
        return false;
    default:
        break;
    }
    if (session.xkbFirstEvent != 0 && type == session.xkbFirstEvent) {
        const std::uint8_t xkbType = reinterpret_cast<const std::uint8_t*>(event)[1];
        if (xkbType == XCB_XKB_NEW_KEYBOARD_NOTIFY || xkbType == XCB_XKB_MAP_NOTIFY) {
            RegrabAll(session);
        }
    }
    return false;
}

std::uint8_t VirtualKeyOfKeycode(std::uint8_t keycode) {
    Session& session = TheSession();
    if (session.connection == nullptr || keycode == 0) {
        return 0;
    }
    return KeysymToVirtualKey(xcb_key_symbols_get_keysym(Symbols(session), keycode, 0));
}

} // namespace x11

HotkeyRegistration::HotkeyRegistration(std::function<void()> onPress)
    : impl_(std::make_unique<Impl>()) {
    impl_->onPress = std::move(onPress);
}

HotkeyRegistration::~HotkeyRegistration() {
    Unregister();
}

bool HotkeyRegistration::Register(std::uint8_t virtualKey, unsigned modifiers) {
    Session& session = TheSession();
    Unregister();
    impl_->keysyms = VirtualKeyToKeysyms(virtualKey);
    impl_->modifiers = modifiers;
    impl_->down = false;
    impl_->refused = false;
    impl_->unavailable = impl_->keysyms.empty() && session.connection != nullptr;
    if (session.connection == nullptr || impl_->keysyms.empty()) {
        return false;
    }
    impl_->active = Grab(session, *impl_);
    // A key that this layout lacks stays registered for the next mapping change.
    if (impl_->active || impl_->unavailable) {
        session.registrations.push_back(impl_.get());
    }
    return impl_->active;
}

void HotkeyRegistration::Unregister() {
    Session& session = TheSession();
    auto& all = session.registrations;
    const auto found = std::find(all.begin(), all.end(), impl_.get());
    if (found == all.end()) {
        return;
    }
    all.erase(found);
    Ungrab(session, *impl_);
    impl_->active = false;
}

bool HotkeyRegistration::Registered() const {
    return impl_->active;
}

bool HotkeyRegistration::HeldElsewhere() const {
    return impl_->refused;
}

bool HotkeyRegistration::NotAvailable() const {
    return impl_->unavailable;
}

} // namespace components

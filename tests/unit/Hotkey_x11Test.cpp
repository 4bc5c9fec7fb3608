// The hotkey component on a real X server (Xvfb), with key presses sent through XTEST.
#include "components/Fishotkey.h"
#include "components/X11Session.h"

#include <gtest/gtest.h>

#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

#include <algorithm>
#include <cstdlib>
#include <string>

using components::Tfishotkey;

namespace {

constexpr std::uint32_t kAltL = 0xFFE9;
constexpr std::uint32_t kControlL = 0xFFE3;
constexpr std::uint32_t kShiftL = 0xFFE1;
constexpr std::uint32_t kNumLock = 0xFF7F;
constexpr std::uint32_t kF9 = 0xFFC6;
constexpr std::uint32_t kF10 = 0xFFC7;
constexpr std::uint32_t kF11 = 0xFFC8;
constexpr std::uint32_t kF12 = 0xFFC9;

class X11HotkeyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        connection_ = xcb_connect(nullptr, nullptr);
        ASSERT_EQ(xcb_connection_has_error(connection_), 0) << "no X server (DISPLAY)";
        components::x11::UseConnection(connection_);
        // Qt selects these on its own connection; an XKB client gets no core MappingNotify.
        const std::uint16_t mapEvents =
            XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY | XCB_XKB_EVENT_TYPE_MAP_NOTIFY;
        xcb_xkb_select_events(connection_, XCB_XKB_ID_USE_CORE_KBD, mapEvents, 0, mapEvents, 0xFF,
                              0xFF, nullptr);
        symbols_ = xcb_key_symbols_alloc(connection_);
    }
    void TearDown() override {
        xcb_key_symbols_free(symbols_);
        xcb_disconnect(connection_);
    }

    xcb_keycode_t Code(std::uint32_t keysym) {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols_, keysym);
        const xcb_keycode_t code = codes != nullptr ? codes[0] : 0;
        std::free(codes);
        return code;
    }

    void Send(std::uint8_t type, xcb_keycode_t code) {
        xcb_test_fake_input(connection_, type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }

    // Presses the keys in order and releases them in reverse; repeats the last press as
    // auto-repeat does when repeats > 1.
    void Press(std::initializer_list<std::uint32_t> keysyms, int repeats = 1) {
        for (std::uint32_t keysym : keysyms) {
            Send(XCB_KEY_PRESS, Code(keysym));
        }
        for (int i = 1; i < repeats; ++i) {
            Send(XCB_KEY_PRESS, Code(*(keysyms.end() - 1)));
        }
        for (auto key = keysyms.end(); key != keysyms.begin();) {
            Send(XCB_KEY_RELEASE, Code(*--key));
        }
        xcb_flush(connection_);
    }

    // Hands every event to the hotkeys, as the program's event loop does. The server answers the
    // round trip only after it has handled every request sent before, so the events those
    // requests made (the sent keys, a mapping change) have all arrived by then.
    void Pump() {
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            components::x11::HandleEvent(event);
            std::free(event);
        }
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_key_symbols_t* symbols_ = nullptr;
};

TEST_F(X11HotkeyTest, OnePressOneEventWithAndWithoutNumLock) {
    Tfishotkey hotkey;
    int presses = 0;
    hotkey.Onhotkey = [&] { ++presses; };
    hotkey.SetKey(0x807B); // Alt+F12
    ASSERT_TRUE(hotkey.Registered());
    Press({kAltL, kF12});
    Pump();
    EXPECT_EQ(presses, 1);
    Press({kAltL, kF12}, 5);
    Pump();
    EXPECT_EQ(presses, 2) << "auto-repeat raises nothing more";
    Press({kNumLock});
    Press({kAltL, kF12});
    Pump();
    Press({kNumLock});
    Pump();
    EXPECT_EQ(presses, 3) << "NumLock on";
    Press({kF12});
    Press({kControlL, kAltL, kF12});
    Pump();
    EXPECT_EQ(presses, 3) << "other modifiers do not count";
}

TEST_F(X11HotkeyTest, GrabHeldByAnotherClientFailsSilently) {
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
    xcb_grab_key(other, 1, root, XCB_MOD_MASK_1, Code(kF11), XCB_GRAB_MODE_ASYNC,
                 XCB_GRAB_MODE_ASYNC);

    free(xcb_get_input_focus_reply(other, xcb_get_input_focus(other), nullptr));

    Tfishotkey hotkey;
    int presses = 0;
    hotkey.Onhotkey = [&] { ++presses; };
    hotkey.SetKey(0x807A); // Alt+F11
    EXPECT_FALSE(hotkey.Registered());
    EXPECT_TRUE(hotkey.HeldElsewhere());
    hotkey.SetKey(0x8079); // Alt+F10
    EXPECT_TRUE(hotkey.Registered());
    EXPECT_FALSE(hotkey.HeldElsewhere());
    Press({kAltL, kF10});
    Pump();
    EXPECT_EQ(presses, 1);
    // A key that no key of this keyboard types is not held by anybody.
    hotkey.SetKey(0x8087); // Alt+F24
    EXPECT_FALSE(hotkey.Registered());
    EXPECT_FALSE(hotkey.HeldElsewhere());
    EXPECT_TRUE(hotkey.NotAvailable());
    xcb_disconnect(other);
}

TEST_F(X11HotkeyTest, TwoComponentsAndReleaseOnDisable) {
    Tfishotkey user;
    Tfishotkey admin;
    int userPresses = 0;
    int adminPresses = 0;
    user.Onhotkey = [&] { ++userPresses; };
    admin.Onhotkey = [&] { ++adminPresses; };
    user.SetKey(0x807B);
    admin.SetKey(0x6000 | 'K'); // Umsch+Strg+K
    ASSERT_TRUE(user.Registered() && admin.Registered());
    Press({kShiftL, kControlL, 'k'});
    Press({kAltL, kF12});
    Pump();
    EXPECT_EQ(userPresses, 1);
    EXPECT_EQ(adminPresses, 1);

    admin.SetEnabled(false);
    Press({kShiftL, kControlL, 'k'});
    Pump();
    EXPECT_EQ(adminPresses, 1);
}

// Whether another client may grab the key with exactly these modifiers now (it is then let go).
bool IsFree(xcb_keycode_t code, std::uint16_t modifiers) {
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
    xcb_generic_error_t* error =
        xcb_request_check(other, xcb_grab_key_checked(other, 1, root, modifiers, code,
                                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    std::free(error);
    xcb_disconnect(other);
    return error == nullptr;
}

// Moves NumLock from one modifier to another in the modifier map (rows by bit: Mod2 is 4).
void MoveNumLock(xcb_connection_t* connection, xcb_keycode_t numLock, int from, int to) {
    xcb_get_modifier_mapping_reply_t* reply =
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr);
    ASSERT_NE(reply, nullptr);
    const int perModifier = reply->keycodes_per_modifier;
    const xcb_keycode_t* current = xcb_get_modifier_mapping_keycodes(reply);
    std::vector<xcb_keycode_t> map(current, current + 8 * perModifier);
    std::free(reply);
    std::replace(map.begin() + from * perModifier, map.begin() + (from + 1) * perModifier, numLock,
                 xcb_keycode_t{0});
    const auto free = std::find(map.begin() + to * perModifier,
                                map.begin() + (to + 1) * perModifier, xcb_keycode_t{0});
    ASSERT_NE(free, map.begin() + (to + 1) * perModifier);
    *free = numLock;
    xcb_set_modifier_mapping_reply_t* set = xcb_set_modifier_mapping_reply(
        connection,
        xcb_set_modifier_mapping(connection, static_cast<std::uint8_t>(perModifier), map.data()),
        nullptr);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->status, XCB_MAPPING_STATUS_SUCCESS);
    std::free(set);
}

// The grabs made with the old lock masks are the ones released, so none stays behind.
TEST_F(X11HotkeyTest, MappingChangeReleasesTheGrabsAsTheyWereMade) {
    Tfishotkey hotkey;
    hotkey.SetKey(0x8078); // Alt+F9
    ASSERT_TRUE(hotkey.Registered());
    const std::uint16_t altNumLock = XCB_MOD_MASK_1 | XCB_MOD_MASK_2;
    ASSERT_FALSE(IsFree(Code(kF9), altNumLock)) << "NumLock is expected on Mod2";
    MoveNumLock(connection_, Code(kNumLock), 4, 5);
    Pump();
    EXPECT_TRUE(hotkey.Registered());
    EXPECT_TRUE(IsFree(Code(kF9), altNumLock)) << "a grab with the old NumLock mask stayed";
    EXPECT_FALSE(IsFree(Code(kF9), XCB_MOD_MASK_1 | XCB_MOD_MASK_3));
    MoveNumLock(connection_, Code(kNumLock), 5, 4);
    Pump();
}

// After a mapping change another client holds one of the key's new variants: the hotkey is no
// longer registered, and says so.
TEST_F(X11HotkeyTest, FailedGrabAfterMappingChangeClearsRegistered) {
    const xcb_keycode_t spare = 251;
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
    xcb_grab_key(other, 1, root, XCB_MOD_MASK_1, spare, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    std::free(xcb_get_input_focus_reply(other, xcb_get_input_focus(other), nullptr));

    Tfishotkey hotkey;
    hotkey.SetKey(0x8078); // Alt+F9
    ASSERT_TRUE(hotkey.Registered());
    const xcb_keysym_t f9 = kF9;
    xcb_change_keyboard_mapping(connection_, 1, spare, 1, &f9);
    xcb_flush(connection_);
    Pump();
    EXPECT_FALSE(hotkey.Registered());
    EXPECT_TRUE(IsFree(Code(kF9), XCB_MOD_MASK_1)) << "the variants granted are let go";

    xcb_disconnect(other);
    const xcb_keysym_t none = 0;
    xcb_change_keyboard_mapping(connection_, 1, spare, 1, &none);
    xcb_flush(connection_);
    Pump();
    EXPECT_TRUE(hotkey.Registered()) << "tried again at the next change";
}

TEST_F(X11HotkeyTest, KeyboardMappingChangeGrabsAgain) {
    Tfishotkey hotkey;
    int presses = 0;
    hotkey.Onhotkey = [&] { ++presses; };
    hotkey.SetKey(0x8078); // Alt+F9
    ASSERT_TRUE(hotkey.Registered());
    // Give F9 to an unused keycode as well; the hotkey must follow the new mapping.
    const xcb_keycode_t spare = 250;
    const xcb_keysym_t f9 = kF9;
    xcb_change_keyboard_mapping(connection_, 1, spare, 1, &f9);
    xcb_flush(connection_);
    Pump();
    Send(XCB_KEY_PRESS, Code(kAltL));
    Send(XCB_KEY_PRESS, spare);
    Send(XCB_KEY_RELEASE, spare);
    Send(XCB_KEY_RELEASE, Code(kAltL));
    xcb_flush(connection_);
    Pump();
    EXPECT_EQ(presses, 1);
    const xcb_keysym_t none = 0;
    xcb_change_keyboard_mapping(connection_, 1, spare, 1, &none);
    xcb_flush(connection_);
    Pump();
}

// The keys a shortcut field takes on a German keyboard, with that layout on the X server.
class GermanLayoutTest : public X11HotkeyTest {
  protected:
    void SetUp() override {
        X11HotkeyTest::SetUp();
        if (!SetLayout("de")) {
            GTEST_SKIP() << "setxkbmap cannot set a German layout here";
        }
    }
    void TearDown() override {
        SetLayout("us");
        X11HotkeyTest::TearDown();
    }

    bool SetLayout(const char* layout) {
        const bool set = std::system((std::string("setxkbmap ") + layout).c_str()) == 0;
        Pump(); // the hotkeys see the mapping change
        xcb_key_symbols_free(symbols_);
        symbols_ = xcb_key_symbols_alloc(connection_);
        return set;
    }

    // Set as the hub sets it, the shortcut is grabbed and its press raises the hotkey.
    void ExpectPressRaises(components::ShortcutValue value,
                           std::initializer_list<std::uint32_t> keysyms) {
        Tfishotkey hotkey;
        int presses = 0;
        hotkey.Onhotkey = [&] { ++presses; };
        hotkey.SetKey(value);
        ASSERT_TRUE(hotkey.Registered());
        Press(keysyms);
        Pump();
        EXPECT_EQ(presses, 1);
    }
};

constexpr std::uint32_t kUdiaeresis = 0x00FC;

TEST_F(GermanLayoutTest, AltUdiaeresis) {
    EXPECT_EQ(components::x11::VirtualKeyOfKeycode(Code(kUdiaeresis)), 0xBA) << "as captured";
    ExpectPressRaises(0x80BA, {kAltL, kUdiaeresis});
}

TEST_F(GermanLayoutTest, AltNumberSign) {
    ExpectPressRaises(0x80BF, {kAltL, '#'});
}

TEST_F(GermanLayoutTest, CtrlAltLeftWindows) {
    ExpectPressRaises(0xC05B, {kControlL, kAltL, 0xFFEB}); // Super_L
}

TEST_F(GermanLayoutTest, KeyMissingFromTheLayoutIsNotAvailableUntilItIsThere) {
    SetLayout("us");
    Tfishotkey hotkey;
    hotkey.SetKey(0x80BA); // Alt+Ü
    EXPECT_FALSE(hotkey.Registered());
    EXPECT_TRUE(hotkey.NotAvailable());
    EXPECT_FALSE(hotkey.HeldElsewhere());
    SetLayout("de");
    EXPECT_TRUE(hotkey.Registered()) << "grabbed at the mapping change";
    EXPECT_FALSE(hotkey.NotAvailable());
}

// A shortcut field takes the key as it stands on the keyboard: Shift+5 types "%" on most
// layouts, yet the key is 5.
TEST_F(X11HotkeyTest, KeysAreNamedByTheirUnshiftedSymbol) {
    EXPECT_EQ(components::x11::VirtualKeyOfKeycode(Code('5')), '5');
    EXPECT_EQ(components::x11::VirtualKeyOfKeycode(Code('%')), '5');
    EXPECT_EQ(components::x11::VirtualKeyOfKeycode(Code('a')), 'A');
    EXPECT_EQ(components::x11::VirtualKeyOfKeycode(Code(kF12)), 0x7B);
    EXPECT_EQ(components::x11::VirtualKeyOfKeycode(0), 0);
}

} // namespace

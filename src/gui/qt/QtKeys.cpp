#include "gui/qt/QtKeys.h"

#include "components/X11Session.h"

#include <QKeyEvent>

namespace qtface {

namespace {

struct KeyPair {
    int qtKey;
    unsigned virtualKey;
};

constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, 0x08},  {Qt::Key_Tab, 0x09},      {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},     {Qt::Key_Enter, 0x0D},    {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},    {Qt::Key_Alt, 0x12},      {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},   {Qt::Key_Escape, 0x1B},   {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},     {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},       {Qt::Key_Left, 0x25},     {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},      {Qt::Key_Down, 0x28},     {Qt::Key_Print, 0x2C},
    {Qt::Key_Insert, 0x2D},     {Qt::Key_Delete, 0x2E},   {Qt::Key_Meta, 0x5B},
    {Qt::Key_Menu, 0x5D},       {Qt::Key_NumLock, 0x90},  {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_Udiaeresis, 0xBA}, {Qt::Key_Plus, 0xBB},     {Qt::Key_Comma, 0xBC},
    {Qt::Key_Minus, 0xBD},      {Qt::Key_Period, 0xBE},   {Qt::Key_NumberSign, 0xBF},
    {Qt::Key_Odiaeresis, 0xC0}, {Qt::Key_ssharp, 0xDB},   {Qt::Key_AsciiCircum, 0xDC},
    {Qt::Key_Adiaeresis, 0xDE}, {Qt::Key_Less, 0xE2},
};

constexpr KeyPair kKeypadKeys[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},   {Qt::Key_Minus, 0x6D},
    {Qt::Key_Comma, 0x6E},    {Qt::Key_Period, 0x6E}, {Qt::Key_Slash, 0x6F},
};

template <size_t N> unsigned Lookup(const KeyPair (&table)[N], int key) {
    for (const KeyPair& pair : table) {
        if (pair.qtKey == key) {
            return pair.virtualKey;
        }
    }
    return 0;
}

} // namespace

unsigned VirtualKeyOf(const QKeyEvent& event) {
    // On X11 the key as it stands on the keyboard: Shift+5 types "%" but is the key 5.
    if (const unsigned onKeyboard = components::x11::VirtualKeyOfKeycode(
            static_cast<std::uint8_t>(event.nativeScanCode()))) {
        return onKeyboard;
    }
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return keypad ? 0x60u + (key - Qt::Key_0) : static_cast<unsigned>(key);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<unsigned>(key);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return 0x70u + (key - Qt::Key_F1);
    }
    if (const unsigned onKeypad = keypad ? Lookup(kKeypadKeys, key) : 0) {
        return onKeypad;
    }
    return Lookup(kKeys, key);
}

components::ShiftState ShiftStateOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return {(modifiers & Qt::ShiftModifier) != 0, (modifiers & Qt::ControlModifier) != 0,
            (modifiers & Qt::AltModifier) != 0};
}

} // namespace qtface

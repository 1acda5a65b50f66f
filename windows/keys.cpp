#include "windows/keys.h"

#include <string_view>

namespace win {

namespace {

using Named = running::Key::Named;

Named namedOf(WPARAM vk) {
    switch (vk) {
        case VK_LEFT:
            return Named::Left;
        case VK_UP:
            return Named::Up;
        case VK_RIGHT:
            return Named::Right;
        case VK_DOWN:
            return Named::Down;
        case VK_F10:
            return Named::F10;
        case VK_F11:
            return Named::F11;
        case VK_APPS:
            return Named::Menu;
        case VK_MENU:
            return Named::Alt;
        case VK_ESCAPE:
            return Named::Escape;
        case VK_RETURN:
            return Named::Enter;
        case VK_SPACE:
            return Named::Space;
        default:
            return Named::None;
    }
}

// What the key types without Shift in the layout in use, as the game counts it.
char symbolOf(WPARAM vk) {
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
        return static_cast<char>('0' + (vk - VK_NUMPAD0));
    if (vk == VK_ADD)
        return '+';
    if (vk == VK_SUBTRACT)
        return '-';
    const UINT typed = MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_CHAR);
    if (typed & 0x80000000u)
        return 0;  // a dead key
    const wchar_t c = static_cast<wchar_t>(typed);
    if (c >= L'a' && c <= L'z')
        return static_cast<char>(c - L'a' + 'A');
    if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'=')
        return static_cast<char>(c);
    return 0;
}

// The key's place on a US keyboard, by its scan code: the digits' row with '-' and '=', then
// the three letter rows.
char placeOf(LPARAM flags) {
    if (flags & (1 << 24))
        return 0;  // an extended key: none of these
    const unsigned scan = (static_cast<unsigned>(flags) >> 16) & 0xFF;
    struct Row {
        unsigned first;
        std::string_view keys;
    };
    static constexpr Row rows[] = {
        {0x02, "1234567890-="}, {0x10, "QWERTYUIOP"}, {0x1E, "ASDFGHJKL"}, {0x2C, "ZXCVBNM"}};
    for (const Row& row : rows) {
        if (scan >= row.first && scan < row.first + row.keys.size())
            return row.keys[scan - row.first];
    }
    return 0;
}

bool down(int vk) {
    return GetKeyState(vk) & 0x8000;
}

}  // namespace

running::Key keyOf(UINT message, WPARAM vk, LPARAM flags) {
    running::Key key;
    key.named = namedOf(vk);
    key.symbol = symbolOf(vk);
    key.place = placeOf(flags);
    key.numpad = (vk >= VK_NUMPAD0 && vk <= VK_DIVIDE) || (vk == VK_RETURN && (flags & (1 << 24)));
    key.shift = down(VK_SHIFT);
    key.ctrl = down(VK_CONTROL);
    key.alt = down(VK_MENU) || (flags & (1 << 29));
    key.meta = down(VK_LWIN) || down(VK_RWIN);
    const bool isDown = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    key.repeat = isDown && (flags & (1 << 30));
    return key;
}

bool leftToWindows(WPARAM vk) {
    return vk != VK_MENU && vk != VK_F10;
}

}  // namespace win

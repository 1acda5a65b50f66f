#include "desktop/qt/key_of.h"

#include <string_view>

namespace tkqt {

namespace {

using Named = running::Key::Named;

Named namedOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return Named::Left;
        case Qt::Key_Up:
            return Named::Up;
        case Qt::Key_Right:
            return Named::Right;
        case Qt::Key_Down:
            return Named::Down;
        case Qt::Key_F10:
            return Named::F10;
        case Qt::Key_F11:
            return Named::F11;
        case Qt::Key_Menu:
            return Named::Menu;
        case Qt::Key_Alt:
            return Named::Alt;
        case Qt::Key_Escape:
            return Named::Escape;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Named::Enter;
        case Qt::Key_Space:
            return Named::Space;
        default:
            return Named::None;
    }
}

char symbolOf(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<char>(key);  // Qt numbers them by their Latin capitals' codes
    switch (key) {
        case Qt::Key_Plus:
            return '+';
        case Qt::Key_Minus:
            return '-';
        case Qt::Key_Equal:
            return '=';
        default:
            return 0;
    }
}

// The keys of a US keyboard by the keyboard's own numbers, the same under X11 and Wayland (the
// kernel's numbering plus 8): the digits' row with '-' and '=', then the three letter rows.
char placeOf(quint32 scan) {
    struct Row {
        quint32 first;
        std::string_view keys;
    };
    static constexpr Row rows[] = {
        {10, "1234567890-="}, {24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};
    for (const Row& row : rows) {
        if (scan >= row.first && scan < row.first + row.keys.size())
            return row.keys[scan - row.first];
    }
    return 0;
}

}  // namespace

running::Key keyOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    running::Key key;
    key.named = namedOf(event.key());
    key.symbol = symbolOf(event.key());
    key.place = placeOf(event.nativeScanCode());
    key.numpad = modifiers & Qt::KeypadModifier;
    key.shift = modifiers & Qt::ShiftModifier;
    key.ctrl = modifiers & Qt::ControlModifier;
    key.alt = modifiers & Qt::AltModifier;
    key.meta = modifiers & Qt::MetaModifier;
    key.repeat = event.isAutoRepeat();
    return key;
}

}  // namespace tkqt

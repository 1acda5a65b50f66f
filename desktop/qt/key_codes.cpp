#include "desktop/qt/key_codes.h"

#include <string>

namespace tkqt {

// The codes the desktop of 2002 gave: letters by their capitals, digits, the cursor keys. The
// game reads only the cursor keys and "P"; any other key still stops the sprite when let go, so
// it needs no code of its own.
int keyCodeOf(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;  // Qt numbers them by the same codes
    if (qtKey >= Qt::Key_Left && qtKey <= Qt::Key_Down)
        return 37 + (qtKey - Qt::Key_Left);  // Left, Up, Right, Down
    return 0;
}

int physicalLetterOf(const QKeyEvent& event) {
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || keyCodeOf(key) != 0)
        return 0;
    // The letter rows by the keyboard's own key numbers (the same under X11 and Wayland: the
    // kernel's numbering plus 8).
    struct Row {
        quint32 first;
        const char* letters;
    };
    static constexpr Row rows[] = {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};
    const quint32 scan = event.nativeScanCode();
    for (const Row& row : rows) {
        const quint32 count = static_cast<quint32>(std::char_traits<char>::length(row.letters));
        if (scan >= row.first && scan < row.first + count)
            return row.letters[scan - row.first];
    }
    return 0;
}

int keyCodeOf(const QKeyEvent& event) {
    const int code = keyCodeOf(event.key());
    return code != 0 ? code : physicalLetterOf(event);
}

int zoomKeyOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            return Qt::Key_Plus;
        case Qt::Key_Minus:
            return Qt::Key_Minus;
        case Qt::Key_0:
            return Qt::Key_0;
        default:
            break;
    }
    if (keyCodeOf(event) != 0)
        return 0;
    // The keys of "0", "-" and "=" on a Latin keyboard, by the keyboard's own numbers.
    switch (event.nativeScanCode()) {
        case 19:
            return Qt::Key_0;
        case 20:
            return Qt::Key_Minus;
        case 21:
            return Qt::Key_Plus;
        default:
            return 0;
    }
}

int shiftStateOf(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

}  // namespace tkqt

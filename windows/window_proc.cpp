// What Windows tells the game's windows, in the running game's input: keys, clicks, menu
// commands, the focus, the monitor's room; and the message box and the settings menu, opened from
// the window's queue once the game's call that asked for them is over.
#include "windows/win32.h"

#include <windowsx.h>

#include <algorithm>

#include "windows/app.h"
#include "windows/keys.h"
#include "windows/text.h"

namespace win {

namespace {

// A window of this program: the focus passing to one stays with the game.
bool ours(HWND window) {
    DWORD process = 0;
    return window && GetWindowThreadProcessId(window, &process) && process == GetCurrentProcessId();
}

// A place in a window's client area as the game's pixel there.
int pixelOf(int at, LONG offset, int zoom) {
    const int from = at - static_cast<int>(offset);
    return from >= 0 ? from / zoom : (from - zoom + 1) / zoom;
}

}  // namespace

LRESULT App::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paint(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYUP:
            key(message, wParam, lParam);
            // Alt+F4, Alt+Space and Alt with a menu's letter are Windows' own as well.
            if ((message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) && leftToWindows(wParam))
                break;
            return 0;
        case WM_LBUTTONDOWN:
            SetCapture(window);
            press_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            return 0;
        case WM_LBUTTONUP: {
            if (GetCapture() == window)
                ReleaseCapture();
            const View* view = viewOf(window);
            if (!view)
                return 0;
            const int z = view->zoom;
            const POINT o = view->offset, press = press_;
            const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
            const running::Window which = windowOf(window);
            act([&](running::Game& game) {
                game.click(which, pixelOf(press.x, o.x, z), pixelOf(press.y, o.y, z),
                           pixelOf(x, o.x, z), pixelOf(y, o.y, z));
            });
            return 0;
        }
        case WM_RBUTTONUP: {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(window, &at);
            openSettingsMenu(at);
            return 0;
        }
        case WM_CONTEXTMENU:
            return 0;  // the keys that open it are the game's
        case WM_COMMAND:
            if (lParam == 0 && HIWORD(wParam) == 0) {
                if (const std::string name = menus_.commandOf(wParam); !name.empty())
                    act([&name](running::Game& game) { game.command(name); });
            }
            return 0;
        case WM_ENTERMENULOOP:
            // A menu has the keyboard: the keys held come up for the game.
            act([](running::Game& game) { game.focusLost(false); });
            break;
        case WM_ACTIVATEAPP:
            if (!wParam)
                act([](running::Game& game) { game.focusLost(true); });
            break;
        case WM_KILLFOCUS:
            if (ours(reinterpret_cast<HWND>(wParam)))
                act([](running::Game& game) { game.focusLost(false); });
            break;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED)
                act([](running::Game& game) { game.focusLost(true); });
            break;
        case WM_DPICHANGED:
            if (window == main_.window) {
                const RECT* place = reinterpret_cast<const RECT*>(lParam);
                SetWindowPos(window, nullptr, place->left, place->top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                updateRoom();
                layoutMain();
            }
            return 0;
        case WM_DISPLAYCHANGE:
        case WM_EXITSIZEMOVE:
        case WM_SETTINGCHANGE:
            if (window == main_.window && !closed_)
                updateRoom();
            break;
        case kShowMessage:
            openMessage();
            return 0;
        case kSettingsMenu: {
            HWND over = dialog_.window ? dialog_.window : main_.window;
            POINT at{};
            ClientToScreen(over, &at);
            openSettingsMenu(at);
            return 0;
        }
        case WM_CLOSE:
            // Closing the main window ends the program; the about and help windows close as
            // the game closes them.
            if (window == main_.window)
                DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            if (window == main_.window) {
                closed_ = true;
                PostQuitMessage(0);
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void App::key(UINT message, WPARAM vk, LPARAM flags) {
    const running::Key key = keyOf(message, vk, flags);
    const auto held = std::find_if(keysDown_.begin(), keysDown_.end(),
                                   [vk](const auto& down) { return down.first == vk; });
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
        if (held == keysDown_.end())
            keysDown_.emplace_back(vk, flags);
        act([&key](running::Game& game) { game.keyDown(key); });
        return;
    }
    // A key that went down where the game was not (a menu, another program) comes up there too.
    if (held == keysDown_.end())
        return;
    keysDown_.erase(held);
    act([&key](running::Game& game) { game.keyUp(key); });
}

// Windows' own message box, modal to the game's window in front. The game holds its clock
// meanwhile, so nothing is missed while the box's own loop runs; the keys let go while it had the
// keyboard come up for the game before the box's closing is told.
void App::openMessage() {
    if (!message_ || closed_)
        return;
    const auto [title, text] = *std::exchange(message_, std::nullopt);
    MessageBoxW(dialog_.window ? dialog_.window : main_.window, wide(text).c_str(),
                wide(title).c_str(), MB_OK);
    for (const auto& [vk, flags] : std::vector(keysDown_)) {
        if (!(GetAsyncKeyState(static_cast<int>(vk)) & 0x8000))
            key(WM_KEYUP, vk, flags | (1u << 31) | (1 << 30));
    }
    act([](running::Game& game) { game.dismissMessage(); });
}

void App::openSettingsMenu(POINT at) {
    if (closed_ || game_->ended())
        return;
    const std::string name = menus_.popup(main_.window, game_->settingsMenu(), at);
    if (!name.empty())
        act([&name](running::Game& game) { game.command(name); });
}

}  // namespace win

// The game's windows as Win32 windows: the main window sized to the game's frame at the zoom the
// game shows, its menu bar, full screen on its monitor, the about and help windows owned by it,
// and the frames painted with StretchDIBits, only where they changed.
#include <algorithm>

#include "windows/app.h"
#include "windows/text.h"

namespace win {

namespace {

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION;  // closed by a click, Enter or Escape
constexpr wchar_t kClass[] = L"smashbol";

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* made = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made->lpCreateParams));
    }
    if (auto* app = reinterpret_cast<App*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
        return app->handle(window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

// The outer size of a window whose client area is `width` x `height`.
SIZE outer(HWND window, DWORD style, bool menu, int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectExForDpi(&r, style, menu, 0, GetDpiForWindow(window));
    return {r.right - r.left, r.bottom - r.top};
}

void setText(HWND window, const std::string& text) {
    const std::wstring title = wide(text);
    wchar_t now[256] = {};
    GetWindowTextW(window, now, 256);
    if (title != now)
        SetWindowTextW(window, title.c_str());
}

}  // namespace

void App::createMain(const std::function<void(running::Game&)>& begin) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.style = CS_HREDRAW | CS_VREDRAW;
    type.lpfnWndProc = procedure;
    type.hInstance = instance_;
    type.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
    type.hIconSm = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0));
    type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    type.lpszClassName = kClass;
    RegisterClassExW(&type);
    main_.window = CreateWindowExW(0, kClass, L"", kMainStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                                   nullptr, nullptr, instance_, this);
    // A first start: the zoom at which the game takes at most 70 % of the screen's height.
    if (game_->settings().zoom == 0) {
        running::Settings first = game_->settings();
        const RECT work = workArea();
        first.zoom = running::zoomForScreenHeight(work.bottom - work.top,
                                                  game_->clientArea(running::Window::Main).height);
        act([&first](running::Game& game) { game.changeSettings(first); });
        known_ = game_->settings();
    }
    const bool whole = game_->settings().fullScreen;
    updateRoom();
    act([&begin](running::Game& game) { begin ? begin(game) : game.load(); });
    mirror();
    // In the middle of the work area, where full screen comes back to.
    RECT now, work = workArea();
    GetWindowRect(main_.window, &now);
    const int w = now.right - now.left, h = now.bottom - now.top;
    SetWindowPos(main_.window, nullptr, work.left + std::max(0L, (work.right - work.left - w) / 2),
                 work.top + std::max(0L, (work.bottom - work.top - h) / 2), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (whole)
        setFullScreen(true);
    ShowWindow(main_.window, SW_SHOW);
    UpdateWindow(main_.window);
}

RECT App::workArea() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main_.window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return fullScreen_ ? monitor.rcMonitor : monitor.rcWork;
}

// The room on the window's monitor: its work area less the window's frame, or the whole
// monitor in full screen.
void App::updateRoom() {
    const RECT area = workArea();
    running::Room room;
    room.width = area.right - area.left;
    room.height = area.bottom - area.top;
    if (!fullScreen_) {
        const SIZE frame = outer(main_.window, kMainStyle, false, 0, 0);
        room.aroundWidth = frame.cx;
        room.aroundHeight = frame.cy;
    }
    act([&room](running::Game& game) { game.setRoom(room); });
}

void App::mirror() {
    setText(main_.window, game_->title(running::Window::Main));
    menus_.syncBar(main_.window, game_->menuBar(), game_->menuBarShown());
    layoutMain();
    mirrorDialog();
}

void App::layoutMain() {
    const int zoom = game_->zoom();
    const tk::Rect client = game_->clientArea(running::Window::Main);
    const int width = client.width * zoom, height = client.height * zoom;
    RECT now;
    GetClientRect(main_.window, &now);
    POINT offset{};
    if (fullScreen_) {
        offset = {std::max(0L, (now.right - width) / 2), std::max(0L, (now.bottom - height) / 2)};
    } else {
        SIZE size = outer(main_.window, kMainStyle, GetMenu(main_.window), width, height);
        RECT place;
        GetWindowRect(main_.window, &place);
        if (now.right != width || now.bottom != height) {
            SetWindowPos(main_.window, nullptr, 0, 0, size.cx, size.cy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            // A menu bar too long for the window wraps onto another line: that much more.
            GetClientRect(main_.window, &now);
            if (now.bottom != height) {
                size.cy += height - now.bottom;
                SetWindowPos(main_.window, nullptr, 0, 0, size.cx, size.cy,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        // Kept inside the monitor's work area.
        const RECT work = workArea();
        const LONG x = std::max(work.left, std::min(place.left, work.right - size.cx));
        const LONG y = std::max(work.top, std::min(place.top, work.bottom - size.cy));
        if (x != place.left || y != place.top)
            SetWindowPos(main_.window, nullptr, x, y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (zoom != main_.zoom || offset.x != main_.offset.x || offset.y != main_.offset.y)
        InvalidateRect(main_.window, nullptr, FALSE);
    main_.zoom = zoom;
    main_.offset = offset;
}

// Full screen: borderless over the whole monitor the window is on, the game centred on black;
// back in a window, where the window was.
void App::setFullScreen(bool on) {
    if (on == fullScreen_)
        return;
    fullScreen_ = on;
    if (on) {
        GetWindowRect(main_.window, &normal_);
        const RECT all = workArea();
        SetWindowLongPtrW(main_.window, GWL_STYLE,
                          WS_POPUP | (GetWindowLongPtrW(main_.window, GWL_STYLE) & WS_VISIBLE));
        SetWindowPos(main_.window, HWND_TOP, all.left, all.top, all.right - all.left,
                     all.bottom - all.top, SWP_FRAMECHANGED | SWP_NOACTIVATE);
    } else {
        SetWindowLongPtrW(main_.window, GWL_STYLE,
                          kMainStyle | (GetWindowLongPtrW(main_.window, GWL_STYLE) & WS_VISIBLE));
        SetWindowPos(main_.window, nullptr, normal_.left, normal_.top, normal_.right - normal_.left,
                     normal_.bottom - normal_.top,
                     SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    updateRoom();
    layoutMain();
    InvalidateRect(main_.window, nullptr, FALSE);
}

// The about or help window as the game has it: opened, closed, or another one. The main window
// takes no input meanwhile, as under any owned modal window.
void App::mirrorDialog() {
    const std::optional<running::Window> open = game_->modalWindow();
    if (dialog_.window && open != dialogOf_) {
        EnableWindow(main_.window, TRUE);
        HWND gone = std::exchange(dialog_, {}).window;
        dialogOf_.reset();
        DestroyWindow(gone);
    }
    if (!open || *open == running::Window::Main)
        return;
    const int zoom = game_->zoom();
    const tk::Rect client = game_->clientArea(*open);
    const SIZE size =
        outer(main_.window, kDialogStyle, false, client.width * zoom, client.height * zoom);
    if (!dialog_.window) {
        // Centred on the main window.
        RECT over;
        GetWindowRect(main_.window, &over);
        dialogOf_ = open;
        dialog_.window = CreateWindowExW(0, kClass, wide(game_->title(*open)).c_str(), kDialogStyle,
                                         (over.left + over.right - size.cx) / 2,
                                         (over.top + over.bottom - size.cy) / 2, size.cx, size.cy,
                                         main_.window, nullptr, instance_, this);
        EnableWindow(main_.window, FALSE);
        ShowWindow(dialog_.window, SW_SHOW);
    } else {
        setText(dialog_.window, game_->title(*open));
        SetWindowPos(dialog_.window, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (zoom != dialog_.zoom)
        InvalidateRect(dialog_.window, nullptr, FALSE);
    dialog_.zoom = zoom;
}

App::View* App::viewOf(HWND window) {
    return window == main_.window ? &main_ : window == dialog_.window ? &dialog_ : nullptr;
}

running::Window App::windowOf(HWND window) const {
    return window == dialog_.window && dialogOf_ ? *dialogOf_ : running::Window::Main;
}

// The game's picture of the window, and the part of the window to paint again.
void App::present(running::Window which) {
    View& view = which == running::Window::Main ? main_ : dialog_;
    if (!view.window)
        return;
    const running::Game::FrameUpdate update = game_->takeFrame(which);
    view.frame = &update.frame;
    if (update.changed.empty())
        return;
    const tk::Rect& c = update.changed;
    const RECT area{view.offset.x + c.x * view.zoom, view.offset.y + c.y * view.zoom,
                    view.offset.x + c.right() * view.zoom, view.offset.y + c.bottom() * view.zoom};
    InvalidateRect(view.window, &area, FALSE);
}

// Each pixel of the game a square of the zoom's side, no smoothing; black around it.
void App::paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const View* view = viewOf(window);
    const tk::Frame* frame = view ? view->frame : nullptr;
    const int z = view ? view->zoom : 1;
    const POINT at = view ? view->offset : POINT{};
    const int w = frame ? frame->width : 0, h = frame ? frame->height : 0;
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, at.x, at.y, at.x + w * z, at.y + h * z);
    FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RestoreDC(dc, saved);
    // Only the frame's rows and columns under the area to paint.
    const RECT& r = paint.rcPaint;
    const int x0 = std::max(0, static_cast<int>(r.left - at.x) / z);
    const int y0 = std::max(0, static_cast<int>(r.top - at.y) / z);
    const int x1 = std::min(w, static_cast<int>(r.right - at.x + z - 1) / z);
    const int y1 = std::min(h, static_cast<int>(r.bottom - at.y + z - 1) / z);
    if (x0 < x1 && y0 < y1) {
        BITMAPINFO bits{};
        bits.bmiHeader.biSize = sizeof bits.bmiHeader;
        bits.bmiHeader.biWidth = w;
        bits.bmiHeader.biHeight = -(y1 - y0);  // the rows from y0 down
        bits.bmiHeader.biPlanes = 1;
        bits.bmiHeader.biBitCount = 32;
        bits.bmiHeader.biCompression = BI_RGB;
        StretchDIBits(dc, at.x + x0 * z, at.y + y0 * z, (x1 - x0) * z, (y1 - y0) * z, x0, 0,
                      x1 - x0, y1 - y0, &frame->pixels[static_cast<std::size_t>(y0) * w], &bits,
                      DIB_RGB_COLORS, SRCCOPY);
    }
    EndPaint(window, &paint);
}

}  // namespace win

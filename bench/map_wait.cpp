// For bench/measure.sh: waits on $DISPLAY for a top-level window whose name holds NAME to be
// mapped, then for the first drawing into it, and prints the wall clock of the map (ms since the
// epoch), the window's id and the wall clock of that first paint (-1 when nothing was drawn in
// time, or when built without the X Damage extension). It prints "ready" once it listens, so that
// the program measured is started only then. Polling with xdotool instead sees a window 70 ms
// late at best: each search walks the whole tree.
//   map_wait NAME TIMEOUT_MS     exits 1 when no such window was mapped in time
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#if MAP_WAIT_DAMAGE
#include <X11/extensions/Xdamage.h>
#endif
#include <sys/select.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace {

long long wallMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

// A window property's bytes as they are, whatever their type (names are STRING or UTF8_STRING).
std::string property(Display* display, Window window, Atom name) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, AnyPropertyType, &type, &format,
                           &items, &after, &data) != Success ||
        !data)
        return {};
    std::string bytes(reinterpret_cast<const char*>(data),
                      items * static_cast<unsigned>(format) / 8);
    XFree(data);
    return bytes;
}

bool named(Display* display, Window window, const char* wanted, Atom netName) {
    return property(display, window, XA_WM_NAME).find(wanted) != std::string::npos ||
           property(display, window, netName).find(wanted) != std::string::npos;
}

}  // namespace

// The display's events until the deadline; false when it passed.
bool waitForEvents(Display* display, long long deadline) {
    if (XPending(display) > 0)
        return true;
    const long long left = deadline - wallMs();
    if (left <= 0)
        return false;
    const int fd = ConnectionNumber(display);
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    timeval wait{static_cast<time_t>(left / 1000), static_cast<suseconds_t>(left % 1000 * 1000)};
    select(fd + 1, &readable, nullptr, nullptr, &wait);
    return true;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: map_wait NAME TIMEOUT_MS\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_wait: cannot open the display\n");
        return 2;
    }
    // A window gone before it is looked at (a program's short-lived helpers) is not an error.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const char* wanted = argv[1];
    const long long deadline = wallMs() + std::atoll(argv[2]);
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Window root = DefaultRootWindow(display);
#if MAP_WAIT_DAMAGE
    // Every new top-level window is watched for drawing from its creation on: a window can be
    // painted before its map is heard here.
    int damageEvent = 0, damageError = 0;
    const bool damage = XDamageQueryExtension(display, &damageEvent, &damageError);
    std::set<Window> painted;
#endif
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    std::puts("ready");
    std::fflush(stdout);
    Window found = None;
    long long mappedAt = -1;
    while (waitForEvents(display, deadline)) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            Window window = None;
#if MAP_WAIT_DAMAGE
            if (damage && event.type == CreateNotify && event.xcreatewindow.parent == root)
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            if (damage && event.type == damageEvent + XDamageNotify) {
                const auto& drawn = reinterpret_cast<const XDamageNotifyEvent&>(event);
                painted.insert(drawn.drawable);
                XDamageSubtract(display, drawn.damage, None, None);
            }
#endif
            if (found != None)
                continue;
            if (event.type == MapNotify && event.xmap.event == root) {
                window = event.xmap.window;
                // Named later, if not yet: its name's changes are heard from now on.
                XSelectInput(display, window, PropertyChangeMask);
            } else if (event.type == PropertyNotify) {
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, event.xproperty.window, &attributes) &&
                    attributes.map_state == IsViewable)
                    window = event.xproperty.window;
            }
            if (window != None && named(display, window, wanted, netName)) {
                found = window;
                mappedAt = wallMs();
            }
        }
#if MAP_WAIT_DAMAGE
        if (found != None && damage && painted.count(found)) {
            std::printf("%lld %lu %lld\n", mappedAt, found, wallMs());
            return 0;
        }
        if (found != None && !damage)
            break;
#else
        if (found != None)
            break;
#endif
    }
    if (found == None)
        return 1;
    std::printf("%lld %lu -1\n", mappedAt, found);
    return 0;
}

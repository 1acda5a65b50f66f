// For bench/measure.sh: waits on $DISPLAY for a top-level window whose name holds NAME to be
// mapped, and prints the wall clock of that moment (ms since the epoch) and the window's id. It
// prints "ready" once it listens, so that the program measured is started only then. Polling with
// xdotool instead sees a window 70 ms late at best: each search walks the whole tree.
//   map_wait NAME TIMEOUT_MS     exits 1 when no such window was mapped in time
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <sys/select.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
    const char* wanted = argv[1];
    const long long deadline = wallMs() + std::atoll(argv[2]);
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::puts("ready");
    std::fflush(stdout);
    const int fd = ConnectionNumber(display);
    while (true) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            Window window = None;
            if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display)) {
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
                std::printf("%lld %lu\n", wallMs(), window);
                return 0;
            }
        }
        const long long left = deadline - wallMs();
        if (left <= 0)
            return 1;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{static_cast<time_t>(left / 1000),
                     static_cast<suseconds_t>(left % 1000 * 1000)};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
}

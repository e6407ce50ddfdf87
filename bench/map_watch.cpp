// SPDX-License-Identifier: MIT
// Tells when top-level windows with given titles are mapped on the X display, and when each
// shows its first frame, to time a program's start-up without polling its process.
//
//   map_watch TIMEOUT_MS TITLE...
//
// Prints "ready" once it listens, then "mapped NS TITLE" and "painted NS TITLE" for each title,
// NS being the moment on CLOCK_MONOTONIC (the clock of Python's time.monotonic_ns). A window
// counts as painted once a pixel near its corner is no longer black, the colour of a mapped
// window nobody has drawn yet. Exits 0 when every title was seen painted, 1 on a timeout.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>
#include <ctime>
#include <poll.h>
#include <set>
#include <string>
#include <vector>

namespace {

long long monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// The window's title: _NET_WM_NAME in UTF-8 where the program set it, else WM_NAME.
std::string titleOf(Display* display, Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    for (const Atom property : { netWmName, static_cast<Atom>(XA_WM_NAME) }) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        const int status = XGetWindowProperty(display, window, property, 0, 1024, False,
            AnyPropertyType, &type, &format, &count, &after, &data);
        if (status == Success && data && format == 8 && count > 0) {
            std::string title(reinterpret_cast<char*>(data), count);
            XFree(data);
            return title;
        }
        if (data)
            XFree(data);
    }
    return {};
}

struct Mapped {
    Window window;
    std::string title;
};

// Looks at one pixel inside the window's corner, where every program paints its background.
bool hasBeenPainted(Display* display, Window window)
{
    XImage* image = XGetImage(display, window, 2, 2, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return false; // not viewable yet
    const bool drawn = XGetPixel(image, 0, 0) != 0;
    XDestroyImage(image);
    return drawn;
}

// A window may be gone by the time its title is read; that is no reason to stop watching.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: map_watch TIMEOUT_MS TITLE...\n");
        return 2;
    }
    const long long deadline = monotonicNs() + std::stoll(argv[1]) * 1'000'000;
    std::set<std::string> waiting(argv + 2, argv + argc);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_watch: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);

    std::vector<Mapped> unpainted;
    std::size_t painted = 0;
    const std::size_t wanted = waiting.size();
    pollfd connection { ConnectionNumber(display), POLLIN, 0 };
    while (painted < wanted && monotonicNs() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.event != root)
                continue;
            const long long mappedAt = monotonicNs();
            const std::string title = titleOf(display, event.xmap.window);
            if (waiting.erase(title) > 0) {
                std::printf("mapped %lld %s\n", mappedAt, title.c_str());
                unpainted.push_back({ event.xmap.window, title });
            }
        }
        for (auto it = unpainted.begin(); it != unpainted.end();) {
            if (hasBeenPainted(display, it->window)) {
                std::printf("painted %lld %s\n", monotonicNs(), it->title.c_str());
                it = unpainted.erase(it);
                ++painted;
            } else {
                ++it;
            }
        }
        std::fflush(stdout);
        // Wakes for the next event, or after a millisecond to look at the pixels again.
        poll(&connection, 1, unpainted.empty() ? 50 : 1);
    }
    XCloseDisplay(display);
    return painted == wanted ? 0 : 1;
}

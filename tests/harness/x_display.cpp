// SPDX-License-Identifier: MIT
#include "x_display.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <map>
#include <poll.h>
#include <set>
#include <stdexcept>

namespace zorvik::harness {

namespace {

// Windows come and go under a test's feet; a request about one that has gone is no error.
int ignoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}

std::string windowName(Display* display, Window window)
{
    char* name = nullptr;
    std::string result;
    if (XFetchName(display, window, &name) && name) {
        result = name;
        XFree(name);
        return result;
    }
    XTextProperty property {};
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    if (XGetTextProperty(display, window, &property, netWmName) && property.value) {
        result = reinterpret_cast<const char*>(property.value);
        XFree(property.value);
    }
    return result;
}

std::vector<Window> childrenOf(Display* display, Window window)
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    std::vector<Window> result;
    if (XQueryTree(display, window, &root, &parent, &children, &count) && children) {
        result.assign(children, children + count);
        XFree(children);
    }
    return result;
}

bool viewable(Display* display, Window window)
{
    XWindowAttributes attributes {};
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

// The program's own window in a top-level one: itself on a bare server, the named window a
// window manager's frame holds otherwise.
std::optional<std::pair<Window, std::string>> clientIn(Display* display, Window window, int depth)
{
    if (std::string name = windowName(display, window); !name.empty())
        return std::make_pair(window, std::move(name));
    if (depth == 0)
        return std::nullopt;
    for (const Window child : childrenOf(display, window))
        if (viewable(display, child))
            if (auto client = clientIn(display, child, depth - 1))
                return client;
    return std::nullopt;
}

// The clients a window manager manages, oldest first (none without a window manager).
std::vector<Window> clientList(Display* display)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<Window> clients;
    if (XGetWindowProperty(display, DefaultRootWindow(display),
            XInternAtom(display, "_NET_CLIENT_LIST", False), 0, 1024, False, XA_WINDOW, &type,
            &format, &count, &after, &data)
            == Success
        && data) {
        const auto* windows = reinterpret_cast<const Window*>(data);
        clients.assign(windows, windows + count);
        XFree(data);
    }
    return clients;
}

long atom(Display* display, const char* name)
{
    return static_cast<long>(XInternAtom(display, name, False));
}

// A client message about the window, sent to `to` (the window itself, or the root window for
// what the window manager is asked to do).
void sendMessage(Display* display, Window to, Window window, const char* type,
    std::initializer_list<long> data, long mask)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = static_cast<Atom>(atom(display, type));
    event.xclient.format = 32;
    std::copy(data.begin(), data.end(), event.xclient.data.l);
    XSendEvent(display, to, False, mask, &event);
    XFlush(display);
}

} // namespace

void XDisplay::connect(const std::string& name)
{
    connection_ = XOpenDisplay(name.c_str());
    if (!connection_)
        throw std::runtime_error("cannot open display " + name);
    XSetErrorHandler(ignoreXErrors);
    const Window root = DefaultRootWindow(connection_);
    // Top-level windows mapping and unmapping, for waitUntilShown.
    XSelectInput(connection_, root, SubstructureNotifyMask);
    clock_ = XCreateSimpleWindow(connection_, root, -10, -10, 1, 1, 0, 0, 0);
    XSelectInput(connection_, clock_, PropertyChangeMask);
    XSync(connection_, False);
}

void XDisplay::disconnect()
{
    if (connection_)
        XCloseDisplay(connection_);
    connection_ = nullptr;
}

std::vector<std::pair<Window, std::string>> XDisplay::mappedWindows() const
{
    std::vector<std::pair<Window, std::string>> mapped;
    for (const Window top : childrenOf(connection_, DefaultRootWindow(connection_)))
        if (viewable(connection_, top))
            if (auto client = clientIn(connection_, top, 3))
                mapped.push_back(std::move(*client));
    return mapped;
}

std::vector<Window> XDisplay::windowsNamed(const std::string& name) const
{
    std::vector<Window> found;
    for (const auto& [window, windowName] : mappedWindows())
        if (windowName == name)
            found.push_back(window);
    return found;
}

std::vector<std::string> XDisplay::stackingOrder() const
{
    std::vector<std::string> names;
    for (const auto& mapped : mappedWindows())
        names.push_back(mapped.second);
    return names;
}

Window XDisplay::waitForWindow(const std::string& name, std::chrono::milliseconds timeout) const
{
    std::vector<Window> found;
    if (!waitUntil([&] { return !(found = windowsNamed(name)).empty(); }, timeout))
        throw std::runtime_error("no window named " + name);
    return found.back();
}

bool XDisplay::waitForNoWindow(const std::string& name, std::chrono::milliseconds timeout) const
{
    return waitUntil([&] { return windowsNamed(name).empty(); }, timeout);
}

std::optional<Window> XDisplay::boxOf(Window owner) const
{
    for (const Window box : windowsNamed("Zorvik")) {
        Window transientFor = 0;
        if (XGetTransientForHint(connection_, box, &transientFor) && transientFor == owner)
            return box;
    }
    return std::nullopt;
}

Rect XDisplay::clientRect(Window window) const
{
    XWindowAttributes attributes {};
    XGetWindowAttributes(connection_, window, &attributes);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(
        connection_, window, DefaultRootWindow(connection_), 0, 0, &x, &y, &child);
    return { x, y, attributes.width, attributes.height };
}

Rect XDisplay::onScreen(Window window) const
{
    const Rect client = clientRect(window);
    const int screenWidth = DisplayWidth(connection_, DefaultScreen(connection_));
    const int screenHeight = DisplayHeight(connection_, DefaultScreen(connection_));
    return { 0, 0, std::min(client.width, screenWidth - client.x),
        std::min(client.height, screenHeight - client.y) };
}

Frame XDisplay::grab(Window window) const
{
    return grab(window, onScreen(window));
}

Frame XDisplay::grab(Window window, const Rect& part) const
{
    XImage* image = XGetImage(connection_, window, part.x, part.y,
        static_cast<unsigned>(part.width), static_cast<unsigned>(part.height), AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::vector<unsigned> pixels;
    pixels.reserve(static_cast<std::size_t>(part.width) * static_cast<std::size_t>(part.height));
    for (int row = 0; row < part.height; ++row)
        for (int col = 0; col < part.width; ++col)
            pixels.push_back(static_cast<unsigned>(XGetPixel(image, col, row)) & 0xFFFFFF);
    XDestroyImage(image);
    return Frame(part.width, part.height, std::move(pixels));
}

Window XDisplay::focused() const
{
    Window window = 0;
    int revert = 0;
    XGetInputFocus(connection_, &window, &revert);
    // Some desktops focus the frame they put around the program's window.
    if (window > PointerRoot)
        if (const auto client = clientIn(connection_, window, 2))
            return client->first;
    return window;
}

bool XDisplay::windowManagerRunning() const
{
    const Atom check = XInternAtom(connection_, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(connection_, DefaultRootWindow(connection_), check, 0, 1, False,
        AnyPropertyType, &type, &format, &items, &after, &data);
    if (data)
        XFree(data);
    return items > 0;
}

std::optional<XDisplay::Shown> XDisplay::waitUntilShown(
    const std::vector<std::string>& names, std::chrono::milliseconds timeout)
{
    using Clock = std::chrono::steady_clock;
    const auto until = Clock::now() + timeout;
    XSync(connection_, True); // what happened before is looked at once, below
    std::map<std::string, Window> mapped;
    std::set<std::string> painted;
    Shown shown;
    const auto note = [&](const std::optional<std::pair<Window, std::string>>& client) {
        if (client && std::count(names.begin(), names.end(), client->second)
            && !mapped.count(client->second)) {
            mapped[client->second] = client->first;
            shown.mapped = Clock::now();
            shown.order.push_back(client->second);
        }
    };
    pollfd events { ConnectionNumber(connection_), POLLIN, 0 };
    for (Clock::time_point lookedAtAll; Clock::now() < until; poll(&events, 1, 1)) {
        // Each top-level window is looked into as it maps, in the order the server maps them.
        while (XPending(connection_) > 0) {
            XEvent event;
            XNextEvent(connection_, &event);
            if (event.type == MapNotify)
                note(clientIn(connection_, event.xmap.window, 3));
        }
        // A window manager may map its frame before the program's window inside it, which
        // tells nobody else: every window is looked at now and then too.
        // Two found in one look are in stacking order, which is not the order they were mapped:
        // the window manager's client list is.
        if (mapped.size() < names.size() && Clock::now() > lookedAtAll + 20ms) {
            std::vector<std::pair<Window, std::string>> found = mappedWindows();
            const std::vector<Window> byMapping = clientList(connection_);
            const auto mappedAt = [&](const auto& client) {
                return std::find(byMapping.begin(), byMapping.end(), client.first)
                    - byMapping.begin();
            };
            std::stable_sort(found.begin(), found.end(),
                [&](const auto& a, const auto& b) { return mappedAt(a) < mappedAt(b); });
            for (const auto& client : found)
                note(client);
            lookedAtAll = Clock::now();
        }
        // A first paint tells nobody either: the pixels are looked at every millisecond.
        for (const auto& [name, window] : mapped) {
            if (painted.count(name))
                continue;
            const Rect visible = onScreen(window);
            const Frame corner = grab(window, { visible.width - 3, visible.height - 3, 1, 1 });
            if (corner.width() == 1 && corner.at(0, 0) != 0) {
                painted.insert(name);
                shown.painted = Clock::now();
            }
        }
        if (painted.size() == names.size())
            return shown;
    }
    return std::nullopt;
}

unsigned long XDisplay::serverTime() const
{
    XChangeProperty(connection_, clock_, XA_WM_NAME, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XEvent event {};
    XWindowEvent(connection_, clock_, PropertyChangeMask, &event);
    return event.xproperty.time;
}

void XDisplay::sendKey(Window window, const std::string& key, KeyStroke stroke) const
{
    XEvent event {};
    event.xkey.display = connection_;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(connection_);
    event.xkey.time = serverTime();
    event.xkey.same_screen = True;
    event.xkey.keycode = XKeysymToKeycode(connection_, XStringToKeysym(key.c_str()));
    for (const auto& [type, mask] :
        { std::pair { KeyPress, KeyPressMask }, std::pair { KeyRelease, KeyReleaseMask } }) {
        if ((type == KeyPress && stroke == KeyStroke::Release)
            || (type == KeyRelease && stroke == KeyStroke::Press))
            continue;
        event.type = type;
        XSendEvent(connection_, window, True, mask, &event);
    }
    XFlush(connection_);
}

void XDisplay::destroy(Window window) const
{
    XDestroyWindow(connection_, window);
    XFlush(connection_);
}

void XDisplay::requestMaximize(Window window) const
{
    // Added (1), both ways, asked by an application (1).
    sendMessage(connection_, DefaultRootWindow(connection_), window, "_NET_WM_STATE",
        { 1, atom(connection_, "_NET_WM_STATE_MAXIMIZED_VERT"),
            atom(connection_, "_NET_WM_STATE_MAXIMIZED_HORZ"), 1 },
        SubstructureRedirectMask | SubstructureNotifyMask);
}

void XDisplay::requestClose(Window window) const
{
    sendMessage(connection_, window, window, "WM_PROTOCOLS",
        { atom(connection_, "WM_DELETE_WINDOW"), CurrentTime }, NoEventMask);
}

bool focusOnlyWindow(const std::string& display, std::chrono::milliseconds timeout)
{
    Display* server = XOpenDisplay(display.c_str());
    if (!server)
        return false;
    const bool focused = waitUntil(
        [&] {
            Window root = 0, parent = 0, *children = nullptr;
            unsigned count = 0;
            XQueryTree(server, DefaultRootWindow(server), &root, &parent, &children, &count);
            XWindowAttributes attributes {};
            const bool found = count == 1 && XGetWindowAttributes(server, children[0], &attributes)
                && attributes.map_state == IsViewable;
            if (found)
                XSetInputFocus(server, children[0], RevertToPointerRoot, CurrentTime);
            XFree(children);
            return found;
        },
        timeout, std::chrono::milliseconds(50));
    XCloseDisplay(server);
    return focused;
}

std::string XDisplay::windowClass(Window window) const
{
    XClassHint hint {};
    if (!XGetClassHint(connection_, window, &hint))
        return {};
    std::string windowClass = hint.res_class ? hint.res_class : "";
    XFree(hint.res_name);
    XFree(hint.res_class);
    return windowClass;
}

std::vector<int> XDisplay::iconSizes(Window window) const
{
    // _NET_WM_ICON holds width, height and the pixels of each icon in turn, as 32-bit items.
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<int> sizes;
    if (XGetWindowProperty(connection_, window,
            static_cast<Atom>(atom(connection_, "_NET_WM_ICON")), 0, 1 << 24, False, XA_CARDINAL,
            &type, &format, &count, &after, &data)
            != Success
        || !data)
        return sizes;
    const auto* items = reinterpret_cast<const long*>(data);
    for (unsigned long i = 0; i + 1 < count;) {
        const long width = items[i], height = items[i + 1];
        if (width <= 0 || height <= 0)
            break;
        sizes.push_back(static_cast<int>(width));
        i += 2 + static_cast<unsigned long>(width * height);
    }
    XFree(data);
    return sizes;
}

} // namespace zorvik::harness

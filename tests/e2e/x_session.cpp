// SPDX-License-Identifier: MIT
#include "x_session.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace zorvik::e2e {

namespace {

bool isDarkPixel(unsigned rgb)
{
    const unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r + g + b < 3 * 110;
}

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

std::optional<int> reap(pid_t pid, std::chrono::milliseconds timeout)
{
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < until) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            if (WIFEXITED(status))
                return WEXITSTATUS(status);
            return -WTERMSIG(status) - 1000;
        }
        sleepFor(10ms);
    }
    return std::nullopt;
}

// Reads one line a child writes into the pipe (a display number, a bus address), closing it.
std::string readLine(int fds[2])
{
    close(fds[1]);
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    std::string line;
    pollfd waitFor { fds[0], POLLIN, 0 };
    char c = 0;
    while (poll(&waitFor, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
        line += c;
    close(fds[0]);
    return line;
}

} // namespace

namespace {

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

} // namespace

void sleepFor(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

std::string gameBinary()
{
    const char* path = std::getenv("ZORVIK_BINARY");
    return path ? path : ZORVIK_DEFAULT_BINARY;
}

Frame::Frame(int width, int height, std::vector<unsigned> pixels)
    : width_(width)
    , height_(height)
    , pixels_(std::move(pixels))
{
}

unsigned Frame::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0xFFFFFF;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)
        + static_cast<std::size_t>(x)];
}

bool Frame::dark(int x, int y) const
{
    return isDarkPixel(at(x, y));
}

int Frame::transitions(int y, int x0, int x1) const
{
    int count = 0;
    for (int x = x0 + 1; x < x1; ++x)
        count += dark(x, y) != dark(x - 1, y);
    return count;
}

std::optional<std::pair<double, double>> Frame::ballCentre(double scale) const
{
    const double tall = 30 * scale;
    double sumX = 0, sumY = 0;
    int columns = 0;
    for (int x = 0; x < width_; ++x) {
        int run = 0;
        for (int y = 0; y <= height_; ++y) {
            if (y < height_ && dark(x, y)) {
                ++run;
                continue;
            }
            if (run >= tall) { // the middle of a column's run is the ball's centre row
                sumX += x;
                sumY += y - 1 - (run - 1) / 2.0;
                ++columns;
            }
            run = 0;
        }
    }
    if (columns == 0)
        return std::nullopt;
    const double roughX = sumX / columns, centreY = sumY / columns;

    // A platform joined to the ball lengthens the columns on its side only, which pulls the
    // column centre sideways. Across the ball's middle rows, a row whose dark run through the
    // centre is no wider than the ball is the ball's alone, and its middle is the centre.
    const double wide = 42 * scale, reach = 14 * scale;
    double sumRowX = 0;
    int rows = 0;
    for (int y = static_cast<int>(centreY - reach); y <= static_cast<int>(centreY + reach); ++y) {
        int left = static_cast<int>(roughX), right = left;
        if (!dark(left, y))
            continue;
        while (dark(left - 1, y) && left > 0)
            --left;
        while (dark(right + 1, y) && right < width_ - 1)
            ++right;
        const int run = right - left + 1;
        if (run >= tall && run <= wide) {
            sumRowX += (left + right) / 2.0;
            ++rows;
        }
    }
    return std::make_pair(rows ? sumRowX / rows : roughX, centreY);
}

namespace {

struct DesktopCommand {
    Desktop desktop;
    const char* name;
    std::vector<std::string> command; // run under its own D-Bus session
};

const std::vector<DesktopCommand>& desktopCommands()
{
    static const std::vector<DesktopCommand> commands {
        { Desktop::Bare, "bare", {} },
        { Desktop::Openbox, "openbox", { "openbox" } },
        { Desktop::Mutter, "mutter", { "mutter", "--x11", "--replace" } },
        { Desktop::Weston, "weston", {} },
        { Desktop::Kwin, "kwin", { "env", "KWIN_COMPOSE=N", "kwin_x11", "--replace" } },
        { Desktop::Xfwm4, "xfwm4", { "xfwm4", "--compositor=off" } },
    };
    return commands;
}

const DesktopCommand& commandOf(Desktop desktop)
{
    for (const DesktopCommand& command : desktopCommands())
        if (command.desktop == desktop)
            return command;
    throw std::logic_error("unknown desktop");
}

} // namespace

std::string desktopName(Desktop desktop)
{
    return commandOf(desktop).name;
}

std::vector<Desktop> desktopsNamed(const std::string& list)
{
    std::vector<Desktop> desktops;
    std::stringstream names(list);
    for (std::string name; std::getline(names, name, ',');) {
        bool known = false;
        for (const DesktopCommand& command : desktopCommands())
            if (name == command.name) {
                desktops.push_back(command.desktop);
                known = true;
            }
        if (!known)
            throw std::invalid_argument("no desktop named '" + name + "'");
    }
    return desktops;
}

XSession::XSession(SessionOptions options)
    : options_(std::move(options))
    , desktop_(options_.desktop)
{
    int fds[2];
    if (pipe2(fds, 0) != 0)
        throw std::runtime_error("pipe failed");
    // A desktop's title bars and panels need more room than the bare screen gives; weston's
    // window leaves a strip below it where the pointer waits between clicks.
    const int height = options_.screenHeight ? options_.screenHeight
        : desktop_ == Desktop::Bare          ? 800
        : desktop_ == Desktop::Weston        ? 1024 + parkingStrip
                                             : 1024;
    xvfb_ = spawn({ "Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
        std::to_string(options_.screenWidth) + "x" + std::to_string(height) + "x24", "-dpi", "96",
        "-nolisten", "tcp", "-noreset" });
    const std::string number = readLine(fds);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start");
    display_ = inputDisplay_ = ":" + number;
    char runtimeDir[] = "/tmp/zorvik-e2e-XXXXXX";
    if (!mkdtemp(runtimeDir))
        throw std::runtime_error("no runtime directory");
    runtimeDir_ = runtimeDir;
    environment_.push_back("XDG_RUNTIME_DIR=" + runtimeDir_);
    startDesktop();
    connection_ = XOpenDisplay(display_.c_str());
    if (!connection_)
        throw std::runtime_error("cannot open " + display_);
    XSetErrorHandler(ignoreXErrors);
    if (desktop_ != Desktop::Bare && desktop_ != Desktop::Weston) {
        // The window manager is up once it has announced itself on the root window.
        const Atom check = XInternAtom(connection_, "_NET_SUPPORTING_WM_CHECK", False);
        const bool up = waitUntil(
            [&] {
                Atom type = 0;
                int format = 0;
                unsigned long items = 0, after = 0;
                unsigned char* data = nullptr;
                XGetWindowProperty(connection_, DefaultRootWindow(connection_), check, 0, 1, False,
                    AnyPropertyType, &type, &format, &items, &after, &data);
                if (data)
                    XFree(data);
                return items > 0;
            },
            20s, 50ms);
        if (!up)
            throw std::runtime_error(desktopName(desktop_) + " did not start");
        sleepFor(500ms); // it announces itself before it manages the first windows
    }
    if (options_.accessibilityBus)
        startAccessibilityBus();
}

void XSession::startDesktop()
{
    if (desktop_ == Desktop::Bare)
        return;
    if (desktop_ == Desktop::Weston)
        return startWeston();
    std::vector<std::string> command { "dbus-run-session", "--" };
    const auto& wm = commandOf(desktop_).command;
    command.insert(command.end(), wm.begin(), wm.end());
    desktopProcess_ = spawn(command);
}

void XSession::startWeston()
{
    // Nested in the Xvfb, which gets the player's keys and clicks: weston's headless backend
    // has no seat, so no keyboard focus. Its XWayland is where the game runs. Pixman rendering
    // spares the CPU a software GL.
    const std::string log = runtimeDir_ + "/weston.log";
    // weston follows a pointer that comes into its window, not one that was there before it.
    parkPointer();
    desktopProcess_
        = spawn({ "weston", "--backend=x11-backend.so", "--use-pixman", "--width=1280",
                    "--height=1024", "--xwayland", "--socket=wayland-zorvik", "--log=" + log },
            true);
    const std::string listening = "xserver listening on display ";
    std::string xwayland;
    waitUntil(
        [&] {
            std::ifstream in(log);
            for (std::string line; std::getline(in, line);)
                if (const auto at = line.find(listening); at != std::string::npos)
                    xwayland = line.substr(at + listening.size());
            return !xwayland.empty();
        },
        20s, 50ms);
    if (xwayland.empty())
        throw std::runtime_error("weston started no XWayland");
    display_ = xwayland;
    // The keyboard goes to weston's window whether or not the pointer is over it.
    input({ "xdotool", "search", "--sync", "--class", "Weston Compositor", "windowfocus" });
}

void XSession::startAccessibilityBus()
{
    int fds[2];
    if (pipe2(fds, 0) != 0)
        throw std::runtime_error("pipe failed");
    // The buses and the services they start are chatty on both outputs.
    const int devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
    sessionBus_ = spawn({ "dbus-daemon", "--session", "--nofork", "--nopidfile",
                            "--print-address=" + std::to_string(fds[1]) },
        true, {}, devNull);
    const std::string address = readLine(fds);
    if (address.empty())
        throw std::runtime_error("the session bus did not start");
    environment_.push_back("DBUS_SESSION_BUS_ADDRESS=" + address);
    // The accessibility bus's socket goes into the session's own runtime directory, so
    // sessions side by side never share it.
    accessibilityBus_
        = spawn({ "/usr/libexec/at-spi-bus-launcher", "--launch-immediately" }, true, {}, devNull);
    close(devNull);
    const bool up = waitUntil(
        [&] {
            return captureTool({ "dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                   "/org/a11y/bus", "org.a11y.Bus.GetAddress" })
                       .find("unix:")
                != std::string::npos;
        },
        10s, 50ms);
    if (!up)
        throw std::runtime_error("the accessibility bus did not start");
}

XSession::~XSession()
{
    if (game_ > 0) {
        kill(game_, SIGKILL);
        waitpid(game_, nullptr, 0);
    }
    if (connection_)
        XCloseDisplay(connection_);
    // The bus launcher takes its accessibility bus and registry down with it.
    for (const pid_t pid : { accessibilityBus_, sessionBus_, desktopProcess_, xvfb_ }) {
        if (pid <= 0)
            continue;
        kill(-pid, SIGTERM);
        if (!reap(pid, 3s)) {
            kill(-pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        kill(-pid, SIGKILL); // what is left of its group
    }
    std::error_code ignored;
    if (!runtimeDir_.empty())
        std::filesystem::remove_all(runtimeDir_, ignored);
}

pid_t XSession::spawn(const std::vector<std::string>& args, bool quiet,
    const std::vector<std::string>& moreEnvironment, int standardOutput,
    const std::string& display) const
{
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> set = environment_;
    set.insert(set.end(), moreEnvironment.begin(), moreEnvironment.end());
    const std::string& onDisplay = display.empty() ? display_ : display;
    if (!onDisplay.empty())
        set.push_back("DISPLAY=" + onDisplay);
    const auto overridden = [&](const std::string& entry) {
        const std::string name = entry.substr(0, entry.find('=') + 1);
        return name == "WAYLAND_DISPLAY=" || name == "QT_QPA_PLATFORM=" || name == "DISPLAY="
            || std::any_of(set.begin(), set.end(),
                [&](const std::string& mine) { return mine.rfind(name, 0) == 0; });
    };
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (!overridden(*e))
            env.push_back(*e);
    env.insert(env.end(), set.begin(), set.end());
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    // fork and exec rather than posix_spawn, to tie the child's life to ours: a test program
    // that crashes must not leave Xvfb or the game behind, holding ctest's output open.
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        if (quiet) { // the tools are chatty; the game's output stays visible
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, 1);
            dup2(devNull, 2);
        }
        if (standardOutput >= 0)
            dup2(standardOutput, 1);
        // A group of its own, so a desktop goes with its session bus and helpers.
        setpgid(0, 0);
        execvpe(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    if (pid < 0)
        throw std::runtime_error("cannot start " + args[0]);
    return pid;
}

void XSession::startGame()
{
    std::vector<std::string> environment = options_.gameEnvironment;
    if (options_.accessibilityBus)
        environment.push_back("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1");
    game_ = spawn({ gameBinary() }, /*quiet=*/false, environment);
    const Window tower = waitForWindow("Zorvik!");
    const Window hopper = waitForWindow("Zorvik Again!");
    // A freshly mapped window is black until Qt paints it (a dark theme's background is not
    // pure black); wait for a painted, settled picture.
    const auto until = std::chrono::steady_clock::now() + 5s;
    std::pair<Frame, Frame> last;
    while (std::chrono::steady_clock::now() < until) {
        Frame t = grab(tower), h = grab(hopper);
        // Read at the bottom right corners: on a small screen the windows overlap, and the
        // tower covers the hopper's top left.
        const auto painted
            = [](const Frame& f) { return f.at(f.width() - 3, f.height() - 3) != 0; };
        if (painted(t) && painted(h)) {
            std::pair now { std::move(t), std::move(h) };
            if (now == last)
                return;
            last = std::move(now);
        }
        sleepFor(50ms);
    }
    throw std::runtime_error("the windows were never painted");
}

std::vector<std::pair<Window, std::string>> XSession::mappedWindows() const
{
    std::vector<std::pair<Window, std::string>> mapped;
    for (const Window top : childrenOf(connection_, DefaultRootWindow(connection_)))
        if (viewable(connection_, top))
            if (auto client = clientIn(connection_, top, 3))
                mapped.push_back(std::move(*client));
    return mapped;
}

std::vector<Window> XSession::windowsNamed(const std::string& name) const
{
    std::vector<Window> found;
    for (const auto& [window, windowName] : mappedWindows())
        if (windowName == name)
            found.push_back(window);
    return found;
}

std::vector<std::string> XSession::stackingOrder() const
{
    std::vector<std::string> names;
    for (const auto& mapped : mappedWindows())
        names.push_back(mapped.second);
    return names;
}

std::optional<Window> XSession::boxOf(Window owner) const
{
    for (const Window box : windowsNamed("Zorvik")) {
        Window transientFor = 0;
        if (XGetTransientForHint(connection_, box, &transientFor) && transientFor == owner)
            return box;
    }
    return std::nullopt;
}

Window XSession::waitForWindow(const std::string& name, std::chrono::milliseconds timeout) const
{
    std::vector<Window> found;
    if (!waitUntil([&] { return !(found = windowsNamed(name)).empty(); }, timeout))
        throw std::runtime_error("no window named " + name);
    return found.back();
}

bool XSession::waitForNoWindow(const std::string& name, std::chrono::milliseconds timeout) const
{
    return waitUntil([&] { return windowsNamed(name).empty(); }, timeout);
}

ScreenRect XSession::clientRect(Window window) const
{
    XWindowAttributes attributes {};
    XGetWindowAttributes(connection_, window, &attributes);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(
        connection_, window, DefaultRootWindow(connection_), 0, 0, &x, &y, &child);
    return { x, y, attributes.width, attributes.height };
}

Frame XSession::grab(Window window) const
{
    // Only what is on the screen can be read: a window taller than a small screen is cut at
    // its bottom edge.
    const ScreenRect rect = clientRect(window);
    const int screenWidth = DisplayWidth(connection_, DefaultScreen(connection_));
    const int screenHeight = DisplayHeight(connection_, DefaultScreen(connection_));
    return grab(window, 0, 0, std::min(rect.width, screenWidth - rect.x),
        std::min(rect.height, screenHeight - rect.y));
}

Frame XSession::grab(Window window, int x, int y, int width, int height) const
{
    XImage* image = XGetImage(connection_, window, x, y, static_cast<unsigned>(width),
        static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::vector<unsigned> pixels(
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col)
            pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(width)
                + static_cast<std::size_t>(col)]
                = static_cast<unsigned>(XGetPixel(image, col, row)) & 0xFFFFFF;
    XDestroyImage(image);
    return Frame(width, height, std::move(pixels));
}

int XSession::runTool(const std::vector<std::string>& args) const
{
    const pid_t pid = spawn(args);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string XSession::captureTool(const std::vector<std::string>& args) const
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = spawn(args, /*quiet=*/true, {}, fds[1]);
    close(fds[1]);
    std::string output;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(fds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(got));
    close(fds[0]);
    waitpid(pid, nullptr, 0);
    return output;
}

int XSession::input(std::vector<std::string> args) const
{
    const pid_t pid = spawn(args, true, {}, -1, inputDisplay_);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

Window XSession::focused() const
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

void XSession::click(Window window) const
{
    if (desktop_ == Desktop::Bare) // no window manager to activate what is clicked
        runTool({ "xdotool", "windowfocus", std::to_string(window) });
    const ScreenRect rect = clientRect(window);
    // Near the top right corner: clear of the labels and of a box's button, and far enough in
    // for no desktop to take it for a grab at the frame's edge. The pointer comes in from
    // where it was parked, as a player's hand comes to a window.
    parkPointer();
    input({ "xdotool", "mousemove", std::to_string(rect.x + rect.width - 16),
        std::to_string(rect.y + 16), "sleep", "0.05", "click", "1" });
}

void XSession::parkPointer() const
{
    // The screen's bottom left corner: under weston, outside its window.
    input({ "xdotool", "mousemove", "0", "10000", "sleep", "0.05" });
}

void XSession::type(const std::vector<std::string>& xdotoolArgs) const
{
    std::vector<std::string> command { "xdotool" };
    command.insert(command.end(), xdotoolArgs.begin(), xdotoolArgs.end());
    input(command);
}

void XSession::focus(Window window) const
{
    // A nested compositor on a busy machine can take a while to act on a click.
    const auto until = std::chrono::steady_clock::now() + 6s;
    do {
        if (desktop_ == Desktop::Bare)
            runTool({ "xdotool", "windowfocus", "--sync", std::to_string(window) });
        else if (focused() != window)
            click(window);
        if (waitUntil([&] { return focused() == window; }, 500ms))
            return;
    } while (std::chrono::steady_clock::now() < until);
    throw std::runtime_error("the focus never reached window " + std::to_string(window)
        + ": it is on " + std::to_string(focused()));
}

void XSession::key(Window window, const std::string& keys) const
{
    focus(window);
    type({ "key", keys });
}

void XSession::keyDown(Window window, const std::string& key) const
{
    focus(window);
    type({ "keydown", key });
}

void XSession::keyUp(Window window, const std::string& key) const
{
    focus(window);
    type({ "keyup", key });
}

void XSession::destroy(Window window) const
{
    XDestroyWindow(connection_, window);
    XFlush(connection_);
}

namespace {

// A client message about the window, sent to `to` (the window itself, or the root window for
// what the window manager is asked to do).
void sendMessage(Display* display, Window to, Window window, const char* type,
    std::initializer_list<long> data, long mask)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, type, False);
    event.xclient.format = 32;
    std::copy(data.begin(), data.end(), event.xclient.data.l);
    XSendEvent(display, to, False, mask, &event);
    XFlush(display);
}

long atom(Display* display, const char* name)
{
    return static_cast<long>(XInternAtom(display, name, False));
}

} // namespace

void XSession::requestMaximize(Window window) const
{
    // Added (1), both ways, asked by an application (1).
    sendMessage(connection_, DefaultRootWindow(connection_), window, "_NET_WM_STATE",
        { 1, atom(connection_, "_NET_WM_STATE_MAXIMIZED_VERT"),
            atom(connection_, "_NET_WM_STATE_MAXIMIZED_HORZ"), 1 },
        SubstructureRedirectMask | SubstructureNotifyMask);
}

void XSession::requestClose(Window window) const
{
    sendMessage(connection_, window, window, "WM_PROTOCOLS",
        { atom(connection_, "WM_DELETE_WINDOW"), CurrentTime }, NoEventMask);
}

std::vector<int> XSession::iconSizes(Window window) const
{
    // _NET_WM_ICON holds width, height and the pixels of each icon in turn, as 32-bit items.
    const Atom netWmIcon = XInternAtom(connection_, "_NET_WM_ICON", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<int> sizes;
    if (XGetWindowProperty(connection_, window, netWmIcon, 0, 1 << 24, False, XA_CARDINAL, &type,
            &format, &count, &after, &data)
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

std::optional<int> XSession::waitForExit(std::chrono::milliseconds timeout)
{
    const auto status = reap(game_, timeout);
    if (status)
        game_ = -1;
    return status;
}

} // namespace zorvik::e2e

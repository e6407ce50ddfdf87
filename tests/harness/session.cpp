// SPDX-License-Identifier: MIT
#include "session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvik::harness {

namespace {

const std::vector<std::string> playWindows { "Zorvik!", "Zorvik Again!" };

} // namespace

std::string gameBinary()
{
    const char* path = std::getenv("ZORVIK_BINARY");
    return path ? path : ZORVIK_DEFAULT_BINARY;
}

Session::RuntimeDirectory::RuntimeDirectory()
{
    char name[] = "/tmp/zorvik-session-XXXXXX";
    if (!mkdtemp(name))
        throw std::runtime_error("no runtime directory");
    path = name;
}

Session::RuntimeDirectory::~RuntimeDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

Session::Session(SessionOptions options)
    : options_(std::move(options))
{
    environment_.push_back("XDG_RUNTIME_DIR=" + runtimeDir_.path);
    // Xvfb writes its display number into the pipe once it takes connections.
    int fds[2];
    if (pipe2(fds, 0) != 0)
        throw std::runtime_error("pipe failed");
    // A desktop's title bars and panels need more room than the bare screen gives; weston's
    // window leaves a strip below it where the pointer waits between clicks.
    const Desktop desktop = options_.desktop;
    const int scale = options_.outputScale;
    const int height = options_.screenHeight ? options_.screenHeight
        : desktop == Desktop::Bare           ? 800
        : nestedCompositor(desktop)          ? 1024 * scale + parkingStrip
                                             : 1024;
    Launch xvfb = launch({ "Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
        std::to_string(options_.screenWidth * scale) + "x" + std::to_string(height) + "x24", "-dpi",
        "96", "-nolisten", "tcp" });
    if (!options_.xServerResets)
        xvfb.args.push_back("-noreset");
    xvfb_ = ChildProcess(xvfb);
    const std::string number = readLine(fds);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start");
    display_ = inputDisplay_ = ":" + number;
    if (options_.screenCanChange)
        startNestedServer(options_.screenWidth, height);
    if (desktop == Desktop::Weston)
        startWeston();
    else if (desktop == Desktop::MutterWayland)
        startMutterWayland();
    else if (desktop == Desktop::KwinWayland)
        startKwinWayland();
    else if (desktop == Desktop::KwinNative) {
        // kwin on the session's bus, where the game and the harness hand it scripts.
        startBuses();
        startKwinWayland();
    } else if (desktop == Desktop::Sway || desktop == Desktop::SwayNative)
        startSway();
    else if (desktop != Desktop::Bare)
        startWindowManager();
    connect(display_);
    if (desktop != Desktop::Bare && !nestedCompositor(desktop)) {
        if (!waitUntil([&] { return windowManagerRunning(); }, 20s, 50ms))
            throw std::runtime_error(desktopName(desktop) + " did not start");
        sleepFor(500ms); // it announces itself before it manages the first windows
    }
    if (options_.accessibility != Accessibility::None && desktop != Desktop::KwinNative)
        startBuses();
    startSoundServer();
}

Session::~Session()
{
    // Killed outright: a sanitized game ending by itself would run its leak check half-way.
    game_.stop(0ms);
    disconnect();
}

Launch Session::launch(std::vector<std::string> args, const std::string& display) const
{
    Launch launch;
    launch.args = std::move(args);
    // The game chooses its platform from these: the session's display is the one it must use,
    // and a Wayland compositor is there only where the session's desktop says so.
    launch.environment = { "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" };
    launch.environment.insert(launch.environment.end(), environment_.begin(), environment_.end());
    const std::string& on = display.empty() ? display_ : display;
    launch.environment.push_back(on.empty() ? "DISPLAY" : "DISPLAY=" + on);
    return launch;
}

void Session::startWindowManager()
{
    desktopProcess_ = ChildProcess(launch(windowManagerCommand(options_.desktop)));
}

void Session::startWeston()
{
    // Nested in the Xvfb, which gets the player's keys and clicks: weston's headless backend
    // has no seat, so no keyboard focus. Its XWayland is where the game runs. Pixman rendering
    // spares the CPU a software GL.
    const std::string log = runtimeDir_.path + "/weston.log";
    // weston follows a pointer that comes into its window, not one that was there before it.
    parkPointer();
    desktopProcess_ = ChildProcess(
        launch({ "weston", "--backend=x11-backend.so", "--use-pixman", "--width=1280",
            "--height=1024", "--xwayland", "--socket=wayland-zorvik", "--log=" + log }));
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

void Session::startMutterWayland()
{
    // Nested in the Xvfb as weston is, for the same reason: the keys and clicks reach the game
    // through mutter's own seat.
    parkPointer();
    desktopProcess_ = ChildProcess(
        launch({ "dbus-run-session", "--", "env", "MUTTER_DEBUG_DUMMY_MODE_SPECS=1280x1024",
            "mutter", "--wayland", "--nested", "--wayland-display", "wayland-zorvik" }));
    // Its XWayland takes only clients with the cookie it was given, in our runtime directory.
    const std::string cookies = runtimeDir_.path + "/.mutter-Xwaylandauth.";
    std::string xwayland, cookie;
    waitUntil(
        [&] {
            for (const auto& process : std::filesystem::directory_iterator("/proc")) {
                std::ifstream in(process.path() / "cmdline");
                std::vector<std::string> args;
                for (std::string arg; std::getline(in, arg, '\0');)
                    args.push_back(arg);
                const auto auth = std::find(args.begin(), args.end(), "-auth");
                if (args.size() > 1 && args[0].ends_with("Xwayland") && auth + 1 < args.end()
                    && auth[1].starts_with(cookies)) {
                    xwayland = args[1];
                    cookie = auth[1];
                    return true;
                }
            }
            return false;
        },
        20s, 50ms);
    if (xwayland.empty())
        throw std::runtime_error("mutter started no XWayland");
    display_ = xwayland;
    environment_.push_back("XAUTHORITY=" + cookie);
    setenv("XAUTHORITY", cookie.c_str(), 1); // for the session's own connection
    // The keyboard goes to mutter's window, the one window on the Xvfb, wherever the pointer.
    // It has only a UTF-8 name, which xdotool does not search.
    if (!focusOnlyWindow(inputDisplay_, 20s))
        throw std::runtime_error("mutter showed no window");
}

void Session::startKwinWayland()
{
    // Nested in the Xvfb as mutter is, for the same reason. Debian's kwin_wayland carries a
    // file capability that root in a container may not take, so it will not even start; a
    // copy without it runs. kwin knows itself by its file name, which the copy keeps.
    const std::string kwin = runtimeDir_.path + "/kwin_wayland";
    std::filesystem::copy_file("/usr/bin/kwin_wayland", kwin);
    parkPointer();
    // Unlike mutter and weston, kwin takes the Xvfb's own repeats of a held key for fresh
    // presses, a key-up and a key-down now and then a millisecond apart: a held Return would
    // reach the game as a player pressing it again and again. On a real seat the keyboard
    // sends one press and one release, and kwin's XWayland repeats the key itself.
    input({ "xset", "-r" });
    // kwin starts the programs it is given once its XWayland is up, on it: this one tells us
    // which display that is. A locked screen would take the keyboard from the game.
    const std::string told = runtimeDir_.path + "/kwin-xwayland";
    std::vector<std::string> command { kwin, "--x11-display", inputDisplay_, "--xwayland",
        "--socket", "wayland-zorvik", "--width", "1280", "--height", "1024", "--no-lockscreen",
        "sh -c 'echo $DISPLAY >" + told + ".new; mv " + told + ".new " + told + "'" };
    // A native game's kwin is the session bus's, and what its scripts print is read back.
    if (options_.desktop == Desktop::KwinNative) {
        kwinLog_ = runtimeDir_.path + "/kwin.log";
        waylandSocket_ = runtimeDir_.path + "/wayland-zorvik";
        command.insert(command.begin(), { "sh", "-c", "exec \"$@\" 2>" + kwinLog_, "sh" });
    } else {
        command.insert(command.begin(), { "dbus-run-session", "--" });
    }
    desktopProcess_ = ChildProcess(launch(command));
    std::string xwayland;
    waitUntil(
        [&] {
            std::ifstream in(told);
            return std::getline(in, xwayland) && !xwayland.empty();
        },
        20s, 50ms);
    if (xwayland.empty())
        throw std::runtime_error("kwin_wayland started no XWayland");
    display_ = xwayland;
    // Its one window on the Xvfb has only a UTF-8 name, as mutter's has.
    if (!focusOnlyWindow(inputDisplay_, 20s))
        throw std::runtime_error("kwin_wayland showed no window");
}

void Session::startSway()
{
    // sway runs as no root: as the first ordinary user, in a runtime directory of its own,
    // nested in the Xvfb as weston is. Its XWayland lets the session's root programs in.
    const std::string home = runtimeDir_.path + "/sway";
    std::filesystem::create_directory(home);
    std::filesystem::permissions(
        runtimeDir_.path, std::filesystem::perms::others_exec, std::filesystem::perm_options::add);
    if (chown(home.c_str(), swayUser, swayUser) != 0)
        throw std::runtime_error("cannot hand " + home + " to sway's user");
    const std::string xwaylandFile = home + "/xwayland";
    const int scale = options_.outputScale;
    std::ofstream(home + "/config")
        << "xwayland enable\n"
        << "output * resolution " << 1280 * scale << "x" << 1024 * scale << " position 0,0 scale "
        << scale << "\n"
        << "exec sh -c 'xhost +si:localuser:root && echo $DISPLAY $WAYLAND_DISPLAY > "
        << xwaylandFile << "'\n";
    const std::string socket = home + "/sway.sock";
    parkPointer();
    desktopProcess_ = ChildProcess(launch({ "setpriv", "--reuid=" + std::to_string(swayUser),
        "--regid=" + std::to_string(swayUser), "--clear-groups", "env", "-i", "PATH=/usr/bin:/bin",
        "HOME=" + home, "XDG_RUNTIME_DIR=" + home, "DISPLAY=" + display_, "SWAYSOCK=" + socket,
        "WLR_BACKENDS=x11", "WLR_RENDERER=pixman", "WLR_LIBINPUT_NO_DEVICES=1", "sway", "-c",
        home + "/config" }));
    std::string xwayland, wayland;
    waitUntil(
        [&] {
            std::ifstream in(xwaylandFile);
            return in >> xwayland >> wayland && !wayland.empty();
        },
        20s, 50ms);
    if (wayland.empty())
        throw std::runtime_error("sway started no XWayland");
    display_ = xwayland;
    waylandSocket_ = home + "/" + wayland;
    // What sway gives the programs it starts: where its sockets are.
    environment_.push_back("SWAYSOCK=" + socket);
    environment_.push_back("WAYLAND_DISPLAY=" + waylandSocket_);
    if (!focusOnlyWindow(inputDisplay_, 20s))
        throw std::runtime_error("sway showed no window");
}

void Session::startNestedServer(int width, int height)
{
    // Xephyr offers RandR sizes up to its host's: the outer screen is the largest it may take.
    int fds[2];
    if (pipe2(fds, 0) != 0)
        throw std::runtime_error("pipe failed");
    nestedServer_ = ChildProcess(launch({ "Xephyr", "-displayfd", std::to_string(fds[1]), "-screen",
        std::to_string(width) + "x" + std::to_string(height), "-resizeable", "-dpi", "96",
        "-nolisten", "tcp", "-noreset" }));
    const std::string number = readLine(fds);
    if (number.empty())
        throw std::runtime_error("Xephyr did not start");
    display_ = inputDisplay_ = ":" + number;
}

void Session::resizeScreen(int width, int height) const
{
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    runTool({ "xrandr", "-s", size });
    if (!waitUntil(
            [&] {
                return captureTool({ "xdpyinfo" }).find(" " + size + " pixels")
                    != std::string::npos;
            },
            5s, 50ms))
        throw std::runtime_error("the screen never became " + size);
}

Margins Session::frameExtents(Window window) const
{
    // "_NET_FRAME_EXTENTS(CARDINAL) = 1, 1, 16, 1": left, right, top, bottom.
    const std::string extents
        = captureTool({ "xprop", "-id", std::to_string(window), "_NET_FRAME_EXTENTS" });
    Margins margins;
    const auto equals = extents.find('=');
    if (equals != std::string::npos)
        std::sscanf(extents.c_str() + equals + 1, " %d, %d, %d, %d", &margins.left, &margins.right,
            &margins.top, &margins.bottom);
    return margins;
}

void Session::startBuses()
{
    int fds[2];
    if (pipe2(fds, 0) != 0)
        throw std::runtime_error("pipe failed");
    // The bus and the services it starts are chatty on both outputs. The accessibility bus
    // keeps its IsEnabled in the desktop's settings, which a screen reader turns on: in the
    // user's own settings it would outlive the session, and every later session (and the
    // user's desktop) would start with accessibility on. The session's settings die with it.
    Launch bus = launch({ "dbus-daemon", "--session", "--nofork", "--nopidfile",
        "--print-address=" + std::to_string(fds[1]) });
    bus.environment.push_back("GSETTINGS_BACKEND=memory");
    sessionBus_ = ChildProcess(bus);
    const std::string address = readLine(fds);
    if (address.empty())
        throw std::runtime_error("the session bus did not start");
    environment_.push_back("DBUS_SESSION_BUS_ADDRESS=" + address);
    if (options_.accessibility == Accessibility::Activatable)
        return; // the bus starts the accessibility bus itself when a program asks for it
    // The accessibility bus's socket goes into the session's own runtime directory, so
    // sessions side by side never share it.
    Launch accessibility = launch({ "/usr/libexec/at-spi-bus-launcher", "--launch-immediately" });
    accessibility.environment.push_back("GSETTINGS_BACKEND=memory");
    accessibilityBus_ = ChildProcess(accessibility);
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
    if (options_.accessibility == Accessibility::Spoken)
        spokenReader_ = std::make_unique<SpokenReader>(environment(), runtimeDir_.path);
    else
        reader_ = std::make_unique<AccessibilityReader>(
            environment(), options_.accessibility == Accessibility::ScreenReader);
}

void Session::startSoundServer()
{
    const std::string socket = runtimeDir_.path + "/pulse/native";
    environment_.push_back("PULSE_SERVER=unix:" + socket);
    if (!options_.soundServer)
        return; // nothing listens there
    // Its state and socket in the session's own directory; no login session, no D-Bus.
    environment_.push_back("PULSE_RUNTIME_PATH=" + runtimeDir_.path + "/pulse");
    environment_.push_back("PULSE_STATE_PATH=" + runtimeDir_.path + "/pulse");
    runSoundServer();
}

void Session::restartSoundServer()
{
    soundServer_.stop();
    runSoundServer();
}

void Session::runSoundServer()
{
    soundServer_ = ChildProcess(launch({ "pulseaudio", "--daemonize=no", "--exit-idle-time=-1",
        "-n", "--use-pid-file=no", "--disable-shm=yes",
        std::string("--load=module-null-sink rate=48000 sink_name=") + soundSink,
        "--load=module-native-protocol-unix auth-anonymous=1 socket=" + runtimeDir_.path
            + "/pulse/native" }));
    if (!waitUntil([&] { return runTool({ "pactl", "info" }) == 0; }, 10s, 50ms))
        throw std::runtime_error("the sound server did not start");
}

Session::Started Session::startGame(
    const std::string& program, const std::vector<std::string>& arguments)
{
    std::vector<std::string> args { program };
    args.insert(args.end(), options_.gameArguments.begin(), options_.gameArguments.end());
    args.insert(args.end(), arguments.begin(), arguments.end());
    Launch game = launch(args);
    game.quiet = false; // the game's own output stays visible
    // The game's own words, whatever the locale the tests run in, unless a test asks for another.
    game.environment.insert(
        game.environment.end(), { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG=C.UTF-8" });
    game.environment.insert(
        game.environment.end(), options_.gameEnvironment.begin(), options_.gameEnvironment.end());
    if (options_.accessibility == Accessibility::Read)
        game.environment.push_back("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1");
    if (nativeWayland(options_.desktop))
        game.environment.insert(game.environment.end(),
            { "QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=" + waylandSocket_ });
    const auto at = std::chrono::steady_clock::now();
    game_ = ChildProcess(game);
    const auto shown
        = nativeWayland(options_.desktop) ? waitUntilMapped() : waitUntilShown(playWindows, 10s);
    if (!shown)
        throw std::runtime_error(program + ": its windows were never mapped and painted");
    if (reader_)
        reader_->follow(game_.pid());
    if (options_.accessibility == Accessibility::Read) {
        const bool read = waitUntil(
            [&] {
                const GameTree tree = reader_->tree();
                return tree.window(playWindows[0]) && tree.window(playWindows[1]);
            },
            10s, 50ms);
        if (!read)
            throw std::runtime_error("the game's windows never reached the accessibility bus");
    }
    // The first paint may come in parts, and weston may still be moving a window: a picture
    // that stays put is what the player sees. (No X server holds a Wayland window's picture.)
    if (nativeWayland(options_.desktop))
        return { at, *shown };
    Frame last[2];
    waitUntil(
        [&] {
            bool still = true;
            for (std::size_t i = 0; i < 2; ++i) {
                Frame now = grab(waitForWindow(playWindows[i]));
                still = still && now == last[i];
                last[i] = std::move(now);
            }
            return still;
        },
        5s, 50ms);
    return { at, *shown };
}

std::optional<XDisplay::Shown> Session::waitUntilMapped() const
{
    std::vector<std::pair<Window, std::string>> mapped;
    const auto bothMapped = [&] {
        mapped = mappedWindows();
        return std::all_of(playWindows.begin(), playWindows.end(), [&](const std::string& name) {
            return std::any_of(mapped.begin(), mapped.end(),
                [&](const auto& window) { return window.second == name; });
        });
    };
    if (!waitUntil(bothMapped, 10s, 20ms))
        return std::nullopt;
    const auto now = std::chrono::steady_clock::now();
    Shown shown { now, now, {} };
    // sway lists its floating windows in the order they were mapped.
    for (const auto& window : mapped)
        shown.order.push_back(window.second);
    return shown;
}

std::optional<int> Session::waitForExit(std::chrono::milliseconds timeout)
{
    return game_.wait(timeout);
}

void Session::endGame()
{
    game_.stop(5s);
}

AccessibilityReader& Session::reader() const
{
    if (!reader_)
        throw std::logic_error("a session without an accessibility reader");
    return *reader_;
}

void Session::startOrca()
{
    if (!spokenReader_)
        throw std::logic_error("a session without a screen reader");
    spokenReader_->start();
}

const SpokenReader& Session::spokenReader() const
{
    if (!spokenReader_)
        throw std::logic_error("a session without a screen reader");
    return *spokenReader_;
}

int Session::runTool(const std::vector<std::string>& args) const
{
    return run(launch(args));
}

std::string Session::captureTool(const std::vector<std::string>& args) const
{
    return capture(launch(args));
}

void Session::requestSize(Window window, int width, int height) const
{
    const std::string size = " resize set " + std::to_string(width) + " " + std::to_string(height);
    if (options_.desktop == Desktop::KwinNative)
        runKwinCommand(window,
            "w.frameGeometry = { x: w.frameGeometry.x, y: w.frameGeometry.y, width: "
                + std::to_string(width) + ", height: " + std::to_string(height) + " }");
    else if (options_.desktop == Desktop::SwayNative)
        runTool({ "swaymsg", "[con_id=" + compositorId(window) + "]" + size });
    else if (options_.desktop == Desktop::Sway)
        runTool({ "swaymsg", "[id=" + std::to_string(window) + "]" + size });
    else
        runTool({ "xdotool", "windowsize", std::to_string(window), std::to_string(width),
            std::to_string(height) });
}

std::optional<Window> Session::boxOf(Window owner) const
{
    if (const auto box = XDisplay::boxOf(owner))
        return box;
    if (boxInside(owner))
        return owner;
    return std::nullopt;
}

std::optional<Rect> Session::boxInside(Window owner) const
{
    if (!reader_ || !boxesInsideWindows(options_.desktop))
        return std::nullopt;
    // Asked often, in loops that read the ball: a window's name is looked up once.
    if (!windowNames_.contains(owner))
        for (const auto& [window, name] : mappedWindows())
            windowNames_[window] = name;
    const auto named = windowNames_.find(owner);
    if (named == windowNames_.end())
        return std::nullopt;
    std::optional<Rect> box = reader_->boxInside(named->second);
    // A Wayland window never learns where it is: it tells places from its own corner.
    if (box && nativeWayland(options_.desktop)) {
        const Rect client = clientRect(owner);
        box->x += client.x;
        box->y += client.y;
    }
    return box;
}

std::vector<CompositorWindow> Session::compositorWindows() const
{
    const std::string name = nextKwinScriptName();
    std::vector<CompositorWindow> windows = options_.desktop == Desktop::KwinNative
        ? parseCompositorWindows(runKwinScript(name, kwinWindowsScript(name)), name)
        : parseCompositorWindows(captureTool(swayTreeCommand()));
    for (const CompositorWindow& window : windows)
        windowIds_.try_emplace(window.id, windowIds_.size() + 1);
    return windows;
}

std::optional<CompositorWindow> Session::compositorWindow(Window window) const
{
    for (CompositorWindow& found : compositorWindows())
        if (windowIds_.at(found.id) == window)
            return std::move(found);
    return std::nullopt;
}

std::string Session::compositorId(Window window) const
{
    for (const auto& [id, number] : windowIds_)
        if (number == window)
            return id;
    return {};
}

std::string Session::nextKwinScriptName() const
{
    return "zorvik-harness-" + std::to_string(++scripts_);
}

std::string Session::runKwinScript(const std::string& name, const std::string& script) const
{
    // kwin runs a script from a file, once started, and prints what it prints on its error
    // output, which goes to the log; the script's last line tells it has run.
    const std::string file = runtimeDir_.path + "/" + name + ".js";
    std::ofstream(file) << script;
    const auto kwin = [&](const std::string& method, std::vector<std::string> arguments) {
        std::vector<std::string> command { "dbus-send", "--session", "--print-reply",
            "--dest=org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting." + method };
        command.insert(command.end(), arguments.begin(), arguments.end());
        return captureTool(command);
    };
    kwin("loadScript", { "string:" + file, "string:" + name });
    kwin("start", {});
    std::string printed;
    waitUntil(
        [&] {
            std::ifstream in(kwinLog_);
            printed.assign(std::istreambuf_iterator<char>(in), {});
            return printed.find(name + "\tend") != std::string::npos;
        },
        5s, 10ms);
    kwin("unloadScript", { "string:" + name });
    std::filesystem::remove(file);
    return printed;
}

std::vector<std::pair<Window, std::string>> Session::mappedWindows() const
{
    if (!nativeWayland(options_.desktop))
        return XDisplay::mappedWindows();
    std::vector<std::pair<Window, std::string>> mapped;
    for (const CompositorWindow& window : compositorWindows())
        mapped.emplace_back(windowIds_.at(window.id), window.name);
    return mapped;
}

Rect Session::clientRect(Window window) const
{
    if (!nativeWayland(options_.desktop))
        return XDisplay::clientRect(window);
    // sway's tree says where sway drew the window; kwin's scripts, only where its frame is: there
    // the place is seen on the output, which kwin's one window on the outer display shows.
    const auto found = compositorWindow(window);
    if (!found || options_.desktop == Desktop::SwayNative)
        return found ? found->client : Rect {};
    const XDisplay outer(inputDisplay_);
    return clientAreaIn(outer.grab(outer.mappedWindows().front().first), found->client);
}

Window Session::focused() const
{
    if (!nativeWayland(options_.desktop))
        return XDisplay::focused();
    for (const CompositorWindow& window : compositorWindows())
        if (window.focused)
            return windowIds_.at(window.id);
    return 0;
}

void Session::requestClose(Window window) const
{
    if (options_.desktop == Desktop::SwayNative)
        runTool({ "swaymsg", "[con_id=" + compositorId(window) + "] kill" });
    else if (options_.desktop == Desktop::KwinNative)
        runKwinCommand(window, "w.closeWindow()");
    else
        XDisplay::requestClose(window);
}

void Session::requestMaximize(Window window) const
{
    // sway maximizes no window; its X11 side ignores the request, and a Wayland window has
    // nobody else to ask.
    if (!nativeWayland(options_.desktop))
        XDisplay::requestMaximize(window);
}

std::string Session::windowClass(Window window) const
{
    if (!nativeWayland(options_.desktop))
        return XDisplay::windowClass(window);
    const auto found = compositorWindow(window);
    return found ? found->appId : std::string {};
}

void Session::runKwinCommand(Window window, const std::string& command) const
{
    const std::string name = nextKwinScriptName();
    runKwinScript(name,
        kwinWindowList + std::string(".forEach(function (w) { if (w.internalId.toString() === '")
            + compositorId(window) + "') " + command + "; });\nprint('" + name + "\\tend');\n");
}

int Session::input(std::vector<std::string> args) const
{
    return run(launch(std::move(args), inputDisplay_));
}

void Session::parkPointer() const
{
    // The screen's bottom left corner: under weston, outside its window.
    input({ "xdotool", "mousemove", "0", "10000", "sleep", "0.05" });
}

void Session::click(Window window) const
{
    if (options_.desktop == Desktop::Bare) // no window manager to activate what is clicked
        runTool({ "xdotool", "windowfocus", std::to_string(window) });
    const Rect client = clientRect(window);
    // Near the top right corner: clear of the labels and of a box's button, and far enough in
    // for no desktop to take it for a grab at the frame's edge. The pointer comes in from
    // where it was parked, as a player's hand comes to a window.
    parkPointer();
    input({ "xdotool", "mousemove", std::to_string(client.x + client.width - 16),
        std::to_string(client.y + 16), "sleep", "0.05", "click", "1" });
}

void Session::focus(Window window) const
{
    // A nested compositor on a busy machine can take a while to act on a click.
    const auto until = std::chrono::steady_clock::now() + 6s;
    do {
        if (options_.desktop == Desktop::Bare)
            runTool({ "xdotool", "windowfocus", "--sync", std::to_string(window) });
        else if (focused() != window)
            click(window);
        if (waitUntil([&] { return focused() == window; }, 500ms))
            return;
    } while (std::chrono::steady_clock::now() < until);
    throw std::runtime_error("the focus never reached window " + std::to_string(window)
        + ": it is on " + std::to_string(focused()));
}

void Session::type(const std::vector<std::string>& xdotoolArgs) const
{
    std::vector<std::string> command { "xdotool" };
    command.insert(command.end(), xdotoolArgs.begin(), xdotoolArgs.end());
    input(command);
}

void Session::key(Window window, const std::string& keys) const
{
    focus(window);
    type({ "key", keys });
}

void Session::keyDown(Window window, const std::string& key) const
{
    focus(window);
    type({ "keydown", key });
}

void Session::keyUp(Window window, const std::string& key) const
{
    focus(window);
    type({ "keyup", key });
}

} // namespace zorvik::harness

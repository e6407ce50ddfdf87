// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

struct _XDisplay;

namespace zorvik::e2e {

using namespace std::chrono_literals;

// An X window id; Xlib itself stays out of the tests, its macros clash with GoogleTest.
using Window = unsigned long;

// A window's client area in screen pixels.
struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Pixels read from a window, 0xRRGGBB each.
class Frame {
public:
    Frame() = default;
    Frame(int width, int height, std::vector<unsigned> pixels);
    int width() const { return width_; }
    int height() const { return height_; }
    unsigned at(int x, int y) const;
    bool dark(int x, int y) const;
    // Dark/light changes along one row between x0 and x1: text has many, a bar two.
    int transitions(int y, int x0, int x1) const;
    // The ball's centre: the only shape with dark runs at least 30 pixels tall at the given
    // drawing scale (two platforms stacked are 18 pixels at most, times the scale). A platform
    // joined to it moves the centre found up or down by half a platform's height at most.
    std::optional<std::pair<double, double>> ballCentre(double scale = 1) const;
    friend bool operator==(const Frame&, const Frame&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<unsigned> pixels_;
};

// Where the game runs: a bare X server, a window manager on it, or XWayland under a Wayland
// compositor. Each starts on an X server of its own.
enum class Desktop { Bare, Openbox, Mutter, Weston, Kwin, Xfwm4 };
std::string desktopName(Desktop desktop);
// How GoogleTest names a desktop in its output.
inline void PrintTo(Desktop desktop, std::ostream* out)
{
    *out << desktopName(desktop);
}
// The desktops named in a comma-separated list ("bare,openbox,mutter,weston").
std::vector<Desktop> desktopsNamed(const std::string& list);

// How a session is set up; the defaults are a bare X server with a 1280 x 800 screen at 96 dpi
// and the game in the test's own environment.
struct SessionOptions {
    Desktop desktop = Desktop::Bare;
    int screenWidth = 1280;
    int screenHeight = 0; // 0: 800 on a bare server, 1024 under a desktop
    // Added to the game's environment, "NAME=value" each: a scale, a theme, a font dpi.
    std::vector<std::string> gameEnvironment;
    // A private session bus with the accessibility bus on it, and the game's accessibility on,
    // as under a screen reader.
    bool accessibilityBus = false;
};

// Xvfb on a free display, the desktop on it, the real game, and the ways a player reaches it.
class XSession {
public:
    explicit XSession(SessionOptions options = {});
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    const std::string& display() const { return display_; }
    Desktop desktop() const { return desktop_; }
    // Starts the game binary and waits until both play windows are on screen and painted.
    void startGame();
    pid_t gamePid() const { return game_; }
    // Top-level windows whose name is exactly this, bottom to top.
    std::vector<Window> windowsNamed(const std::string& name) const;
    // Names of the mapped top-level windows, bottom to top.
    std::vector<std::string> stackingOrder() const;
    // The "Game Over" box that belongs to this play window, if one is open.
    std::optional<Window> boxOf(Window owner) const;
    Window waitForWindow(const std::string& name, std::chrono::milliseconds timeout = 5s) const;
    bool waitForNoWindow(const std::string& name, std::chrono::milliseconds timeout = 5s) const;
    ScreenRect clientRect(Window window) const;
    Frame grab(Window window) const;
    Frame grab(Window window, int x, int y, int width, int height) const;

    // Gives the window the keyboard focus, checks it arrived, then types the keys (xdotool).
    // Under a desktop the player's way is used: a click on a blank spot of the window.
    void focus(Window window) const;
    // Clicks a blank spot of the window's client area, as a player activates a window.
    void click(Window window) const;
    // The window that has the keyboard focus now (0 if none).
    Window focused() const;
    // Keys typed into whatever window has the focus, as a player's hands do.
    void type(const std::vector<std::string>& xdotoolArgs) const;
    void key(Window window, const std::string& keys) const;
    void keyDown(Window window, const std::string& key) const;
    void keyUp(Window window, const std::string& key) const;
    // Widths of the icons the window offers the desktop (_NET_WM_ICON), in pixels.
    std::vector<int> iconSizes(Window window) const;
    // What the window's close button does: a WM_DELETE_WINDOW message.
    void requestClose(Window window) const;
    // Another X client destroys the window behind the game's back (`xdotool windowclose`).
    void destroy(Window window) const;
    // What a maximize button asks of the desktop: _NET_WM_STATE maximized both ways.
    void requestMaximize(Window window) const;
    // Waits for the game to exit; its exit status, or nullopt on time-out or a signal.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout = 5s);
    int runTool(const std::vector<std::string>& args) const;
    // Runs a tool and returns what it wrote to its standard output.
    std::string captureTool(const std::vector<std::string>& args) const;

private:
    // Mapped top-level windows with their names, bottom to top.
    std::vector<std::pair<Window, std::string>> mappedWindows() const;
    pid_t spawn(const std::vector<std::string>& args, bool quiet = true,
        const std::vector<std::string>& moreEnvironment = {}, int standardOutput = -1,
        const std::string& display = {}) const;
    void startAccessibilityBus();
    void startDesktop();
    void startWeston();
    void parkPointer() const;
    static constexpr int parkingStrip = 16;
    // xdotool on the display the player's keyboard and mouse are on.
    int input(std::vector<std::string> args) const;
    SessionOptions options_;
    Desktop desktop_;
    // Set for everything the session starts: its runtime directory, its session bus.
    std::vector<std::string> environment_;
    pid_t sessionBus_ = -1;
    pid_t accessibilityBus_ = -1;
    pid_t xvfb_ = -1;
    pid_t desktopProcess_ = -1;
    pid_t game_ = -1;
    std::string display_; // where the game's windows are
    std::string inputDisplay_; // where keys and clicks go in: the outer Xvfb under weston
    std::string runtimeDir_;
    _XDisplay* connection_ = nullptr;
};

// Path of the game binary under test.
std::string gameBinary();

void sleepFor(std::chrono::milliseconds duration);

// Polls the condition every `every` until it holds (true) or the time runs out (false).
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout,
    std::chrono::milliseconds every = std::chrono::milliseconds(10))
{
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= until)
            return false;
        sleepFor(every);
    }
    return true;
}

} // namespace zorvik::e2e

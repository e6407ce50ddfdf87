// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>
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
    // Centre of the columns that carry a dark run at least 30 pixels tall: only the ball is.
    std::optional<std::pair<double, double>> ballCentre() const;
    // Pixels of a region, to compare a label before and after.
    std::vector<unsigned> region(int x, int y, int width, int height) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<unsigned> pixels_;
};

// How a session is set up; the defaults are a 1280 x 800 screen at 96 dpi and the game in the
// test's own environment.
struct SessionOptions {
    int screenWidth = 1280;
    int screenHeight = 800;
    // Added to the game's environment, "NAME=value" each: a scale, a theme, a font dpi.
    std::vector<std::string> gameEnvironment;
    // A private session bus with the accessibility bus on it, and the game's accessibility on,
    // as under a screen reader.
    bool accessibilityBus = false;
};

// Xvfb on a free display, the real game on it, and the ways a player reaches it.
class XSession {
public:
    explicit XSession(SessionOptions options = {});
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    const std::string& display() const { return display_; }
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
    void focus(Window window) const;
    void key(Window window, const std::string& keys) const;
    void keyDown(Window window, const std::string& key) const;
    void keyUp(Window window, const std::string& key) const;
    // What the window's close button does: a WM_DELETE_WINDOW message.
    void requestClose(Window window) const;
    // Waits for the game to exit; its exit status, or nullopt on time-out or a signal.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout = 5s);
    int runTool(const std::vector<std::string>& args) const;
    // Runs a tool and returns what it wrote to its standard output.
    std::string captureTool(const std::vector<std::string>& args) const;

private:
    // Mapped top-level windows with their names, bottom to top.
    std::vector<std::pair<Window, std::string>> mappedWindows() const;
    pid_t spawn(const std::vector<std::string>& args, bool quiet = true,
        const std::vector<std::string>& moreEnvironment = {}, int standardOutput = -1) const;
    void startAccessibilityBus();
    SessionOptions options_;
    // Set for everything the session starts, such as the session bus's address.
    std::vector<std::string> environment_;
    std::string runtimeDirectory_;
    pid_t sessionBus_ = -1;
    pid_t accessibilityBus_ = -1;
    pid_t xvfb_ = -1;
    pid_t game_ = -1;
    std::string display_;
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

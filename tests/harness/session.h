// SPDX-License-Identifier: MIT
#pragma once

#include "accessibility_reader.h"
#include "child_process.h"
#include "compositor_windows.h"
#include "desktop.h"
#include "spoken_reader.h"
#include "x_display.h"

#include <map>
#include <memory>

namespace zorvik::harness {

// What a desktop puts around a window's client area, in pixels.
struct Margins {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

// Who the game finds on the session's buses.
enum class Accessibility {
    // No session bus at all, as on a bare X server.
    None,
    // A private session bus on which the accessibility bus starts when a program asks for it,
    // as a desktop's does; the game is not made accessible and no screen reader listens.
    Activatable,
    // The accessibility bus up, and the session's reader listening as a screen reader does,
    // having told the bus it runs.
    ScreenReader,
    // The accessibility bus up, the game's accessibility on from its start, and the session's
    // reader reading the game's state: what the end-to-end checks use.
    Read,
    // The accessibility bus up, as a desktop's, and a blind player's screen reader, Orca, which
    // the test starts when it likes (startOrca), before or after the game; what it says is
    // read back (spokenReader). The game is left to notice the reader on its own.
    Spoken,
};

// How a session is set up; the defaults are a bare X server with a 1280 x 800 screen at 96 dpi
// and the game in the test's own environment.
struct SessionOptions {
    Desktop desktop = Desktop::Bare;
    int screenWidth = 1280;
    int screenHeight = 0; // 0: 800 on a bare server, 1024 under a desktop
    // Added to the game's environment, "NAME=value" each: a scale, a theme, a font dpi.
    std::vector<std::string> gameEnvironment {};
    Accessibility accessibility = Accessibility::None;
    // Xvfb resets itself whenever its last client leaves unless told not to (-noreset); a
    // session that starts program after program keeps one server all along, as a desktop's.
    bool xServerResets = false;
    // An X server whose screen can change size while the game runs (RandR, as when a monitor
    // is unplugged): Xephyr nested in the Xvfb, which has one size only.
    bool screenCanChange = false;
    // The game's arguments after its name, e.g. --sound.
    std::vector<std::string> gameArguments {};
    // A sound server of the session's own, PulseAudio playing into a null sink whose monitor
    // a SoundRecorder hears. Without one the game finds no sound server at all, whatever the
    // machine runs.
    bool soundServer = false;
    // sway's output scale (Desktop::Sway only): at 2 its output has twice the pixels each way
    // for the same 1280 x 1024 of desktop, and it enlarges what XWayland's windows draw.
    int outputScale = 1;
};

// Path of the game binary under test.
std::string gameBinary();

// Xvfb on a free display, the desktop on it, the session and accessibility buses, the game,
// and the ways a player reaches it; the session's own X connection looks at the windows.
// Everything it started goes when it does.
class Session : public XDisplay {
public:
    explicit Session(SessionOptions options = {});
    ~Session();

    const std::string& display() const { return display_; }
    Desktop desktop() const { return options_.desktop; }
    pid_t xServerPid() const { return xvfb_.pid(); }
    pid_t soundServerPid() const { return soundServer_.pid(); }
    // Ends the sound server and starts it again, as when the user's audio restarts.
    void restartSoundServer();
    pid_t sessionBusPid() const { return sessionBus_.pid(); }
    pid_t accessibilityBusPid() const { return accessibilityBus_.pid(); }
    // What a program started in the session finds in its environment: "NAME=value" to set,
    // a bare "NAME" to remove.
    std::vector<std::string> environment() const { return launch({}).environment; }

    // Where the session's sound server plays: its null sink's name.
    static constexpr const char* soundSink = "zorvik";

    // Starts the game, or another program with the same two windows, and waits until both
    // windows are on screen and painted; with the reader, until their tree is read too. When
    // the program started, and when its windows were mapped and painted. `arguments` follow
    // the session's own game arguments.
    struct Started {
        std::chrono::steady_clock::time_point at;
        Shown shown;
    };
    Started startGame(
        const std::string& program = gameBinary(), const std::vector<std::string>& arguments = {});
    pid_t gamePid() const { return game_.pid(); }
    // Waits for the game to exit; its exit status, or nullopt on time-out.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout = 5s);
    // Ends the game as a desktop logging out does (SIGTERM), and waits for its exit.
    void endGame();
    // The session's accessibility reader; only where one was asked for.
    AccessibilityReader& reader() const;
    // Starts Orca (Accessibility::Spoken only); what it says from then on is spokenReader()'s.
    void startOrca();
    const SpokenReader& spokenReader() const;

    // The "Game Over" box of this play window, if one is open: a window of its own, or, where
    // the desktop gives every new window the keyboard, the play window itself, which shows
    // the box inside (boxInside tells where).
    std::optional<Window> boxOf(Window owner) const;
    std::optional<Rect> boxInside(Window owner) const;

    // A native Wayland game's windows are sway's containers, found and handled through sway;
    // an X11 game's, X windows.
    std::vector<std::pair<Window, std::string>> mappedWindows() const override;
    Rect clientRect(Window window) const override;
    Window focused() const override;
    void requestClose(Window window) const override;
    void requestMaximize(Window window) const override;
    // An X11 window's class; a Wayland window's app id.
    std::string windowClass(Window window) const override;

    // A player's hands, on the display the keyboard and mouse are on (the outer X server
    // under weston). Gives the window the keyboard focus and checks it arrived; under a
    // desktop the player's way, a click on a blank spot of the window.
    void focus(Window window) const;
    // Clicks a blank spot of the window's client area, as a player activates a window.
    void click(Window window) const;
    // Keys typed into whatever window has the focus (xdotool's arguments).
    void type(const std::vector<std::string>& xdotoolArgs) const;
    void key(Window window, const std::string& keys) const;
    void keyDown(Window window, const std::string& key) const;
    void keyUp(Window window, const std::string& key) const;

    // Resizes the window as the desktop's own resizing does: sway's resize command, or
    // elsewhere another client's request, which a window manager holds to the window's hints.
    void requestSize(Window window, int width, int height) const;
    // Changes the screen's size through RandR (screenCanChange only) and waits until it has.
    void resizeScreen(int width, int height) const;
    // What the desktop puts around the window's client area (_NET_FRAME_EXTENTS).
    Margins frameExtents(Window window) const;

    // A tool run on the session's display; its exit status, or what it printed.
    int runTool(const std::vector<std::string>& args) const;
    std::string captureTool(const std::vector<std::string>& args) const;

private:
    Launch launch(std::vector<std::string> args, const std::string& display = {}) const;
    void startWindowManager();
    void startWeston();
    void startMutterWayland();
    void startKwinWayland();
    void startSway();
    // A native game's windows as its compositor lists them, each known here by a number.
    std::vector<CompositorWindow> compositorWindows() const;
    std::optional<CompositorWindow> compositorWindow(Window window) const;
    std::string compositorId(Window window) const;
    // Has kwin run the script, named `name`, and returns what kwin printed meanwhile; the
    // script prints `name` and "end" last.
    std::string runKwinScript(const std::string& name, const std::string& script) const;
    // Has kwin run `command` on the window, as `w`.
    void runKwinCommand(Window window, const std::string& command) const;
    // A name no script of the session has had.
    std::string nextKwinScriptName() const;
    // A Wayland game's windows are mapped: sway lists them (there is no X picture to watch).
    std::optional<Shown> waitUntilMapped() const;
    void startNestedServer(int width, int height);
    void startBuses();
    void startSoundServer();
    void runSoundServer();
    void parkPointer() const;
    int input(std::vector<std::string> args) const;

    // A private XDG_RUNTIME_DIR, removed after everything in it has stopped.
    struct RuntimeDirectory {
        RuntimeDirectory();
        ~RuntimeDirectory();
        std::string path;
    };

    static constexpr int parkingStrip = 16;
    static constexpr uid_t swayUser = 1000;
    SessionOptions options_;
    RuntimeDirectory runtimeDir_;
    std::string display_; // where the game's windows are
    std::string inputDisplay_; // where keys and clicks go in
    std::string waylandSocket_; // the compositor's, for a native game
    std::string kwinLog_; // where kwin prints
    mutable std::map<std::string, Window> windowIds_; // a compositor's ids, numbered
    mutable int scripts_ = 0;
    mutable std::map<Window, std::string> windowNames_; // of windows that show boxes inside
    // Set for everything the session starts: its runtime directory, its session bus.
    std::vector<std::string> environment_;
    // Declared in the order they start, so that they stop the other way round.
    ChildProcess xvfb_;
    ChildProcess nestedServer_;
    ChildProcess desktopProcess_;
    ChildProcess sessionBus_;
    ChildProcess accessibilityBus_;
    ChildProcess soundServer_;
    std::unique_ptr<AccessibilityReader> reader_;
    std::unique_ptr<SpokenReader> spokenReader_;
    ChildProcess game_;
};

} // namespace zorvik::harness

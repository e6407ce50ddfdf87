// SPDX-License-Identifier: MIT
// The ways the game ends: with "Game Over" boxes on screen, by the close button and signals,
// and beside neighbours that stop answering.
#include "game_test.h"

#include <csignal>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace zorvik::e2e {
namespace {

// Plays a game to its end in the window and waits for its box.
bool playToGameOver(Session& x, Window window)
{
    x.key(window, "Return");
    const auto until = std::chrono::steady_clock::now() + longestGame;
    while (!x.boxOf(window) && std::chrono::steady_clock::now() < until)
        sleepFor(20ms);
    return x.boxOf(window).has_value();
}

// The close button works on a window whose "Game Over" box is open: the window goes with its
// box, the other plays on, and closing that one too ends the game with 0.
TEST_P(DesktopTest, AWindowClosesWithItsBoxOpen)
{
    ASSERT_TRUE(playToGameOver(x, tower));
    x.requestClose(tower);
    EXPECT_TRUE(x.waitForNoWindow("Zorvik!")) << "the tower ignores its close button";
    EXPECT_TRUE(x.waitForNoWindow("Zorvik")) << "its box outlives it";
    EXPECT_FALSE(x.waitForExit(200ms)) << "the hopper is still open";
    x.requestClose(hopper);
    EXPECT_EQ(x.waitForExit(10s), 0);
}

// SIGTERM and SIGINT end the game with 0 while both windows have their "Game Over" box
// open: no box or window left behind stops the exit, and in the sanitized build nothing
// leaks on the way out.
TEST(Signals, EndTheGameCleanlyWithBothBoxesOpen)
{
    for (const int signal : { SIGTERM, SIGINT }) {
        SCOPED_TRACE(signal == SIGTERM ? "SIGTERM" : "SIGINT");
        Session x;
        x.startGame();
        const Window tower = x.waitForWindow("Zorvik!");
        const Window hopper = x.waitForWindow("Zorvik Again!");
        // Steered sideways, the hopper's ball soon misses its platform.
        x.keyDown(hopper, "Left");
        ASSERT_TRUE(playToGameOver(x, hopper));
        x.keyUp(hopper, "Left");
        ASSERT_TRUE(playToGameOver(x, tower));
        ASSERT_TRUE(x.boxOf(hopper));
        kill(x.gamePid(), signal);
        EXPECT_EQ(x.waitForExit(10s), 0);
    }
}

// A display that stops answering holds up the clean close a signal asks for; a second signal
// ends the game at once.
TEST(Signals, ASecondEndsTheGameWhileTheDisplayIsStopped)
{
    Session x;
    x.startGame();
    kill(x.xServerPid(), SIGSTOP);
    kill(x.gamePid(), SIGTERM);
    std::this_thread::sleep_for(300ms);
    kill(x.gamePid(), SIGTERM);
    const std::optional<int> status = x.waitForExit(2s);
    kill(x.xServerPid(), SIGCONT);
    EXPECT_EQ(status, 0);
}

// A window destroyed by another X client goes as if closed; with both gone, the game ends
// with 0 rather than run on with no window.
TEST_P(DesktopTest, WindowsDestroyedByAnotherClientEndTheGame)
{
    if (nativeWayland(x.desktop()))
        GTEST_SKIP() << "no other Wayland client can destroy the game's windows";
    x.destroy(tower);
    EXPECT_FALSE(x.waitForExit(500ms)) << "the hopper is still open";
    x.destroy(hopper);
    EXPECT_EQ(x.waitForExit(5s), 0);
}

// A Unix socket that never answers, its queue full: a blocking connect to it waits for good.
struct SilentSocket {
    static std::string path() { return "/tmp/zorvik-silent-" + std::to_string(getpid()); }
    SilentSocket()
    {
        sockaddr_un address { AF_UNIX, {} };
        path().copy(address.sun_path, sizeof address.sun_path - 1);
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(fd, 0);
        connect(queued, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    ~SilentSocket() { close(queued), close(fd), unlink(path().c_str()); }
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int queued = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
};

struct HungCase {
    const char* name;
    SessionOptions options;
    pid_t (Session::*neighbour)() const; // the one stopped (SIGSTOP), if any
    bool beforeTheStart; // or during play
};

void PrintTo(const HungCase& c, std::ostream* out)
{
    *out << c.name;
}

class HungNeighbour : public ::testing::TestWithParam<HungCase> { };

// A neighbour that stops answering delays the windows by 3 s at most and holds neither the
// play nor the end: both windows closed, the game ends with 0 within 1 s.
TEST_P(HungNeighbour, NeitherHoldsThePlayNorTheEnd)
{
    const HungCase& c = GetParam();
    const SilentSocket silent;
    Session x(c.options);
    const pid_t hung = c.neighbour ? (x.*c.neighbour)() : 0;
    if (hung && c.beforeTheStart)
        kill(hung, SIGSTOP);
    const Session::Started started = x.startGame();
    const std::chrono::duration<double> delay = started.shown.painted - started.at;
    std::printf("windows shown %.2f s after the start\n", delay.count());
    if (!ZORVIK_GAME_SANITIZED) {
        EXPECT_LT(delay, 5s);
    }
    if (hung && !c.beforeTheStart)
        kill(hung, SIGSTOP);
    const Window tower = x.waitForWindow("Zorvik!"), hopper = x.waitForWindow("Zorvik Again!");
    ASSERT_TRUE(playToGameOver(x, tower));
    x.requestClose(tower);
    x.requestClose(hopper);
    EXPECT_EQ(x.waitForExit(ZORVIK_GAME_SANITIZED ? 10s : 2s), 0);
}

const SessionOptions withSound { .gameArguments = { "--sound" }, .soundServer = true };

INSTANTIATE_TEST_SUITE_P(Exit, HungNeighbour,
    ::testing::Values(
        HungCase { "SoundServerStoppedDuringPlay", withSound, &Session::soundServerPid, false },
        HungCase { "SoundServerStoppedBeforeTheStart", withSound, &Session::soundServerPid, true },
        HungCase { "SwaySocketSilent",
            { .gameEnvironment = { "SWAYSOCK=" + SilentSocket::path() } }, nullptr, true },
        HungCase { "SessionBusSilent", { .accessibility = Accessibility::Activatable },
            &Session::sessionBusPid, true },
        HungCase { "AccessibilityBusSilent", { .accessibility = Accessibility::ScreenReader },
            &Session::accessibilityBusPid, true }),
    [](const ::testing::TestParamInfo<HungCase>& info) { return info.param.name; });

} // namespace
} // namespace zorvik::e2e

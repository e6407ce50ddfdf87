// SPDX-License-Identifier: MIT
// The game's sound as a player hears it: the session's own sound server plays into a null
// sink, and the test records its monitor while it plays the hopper.
#include "ball_keeper.h"
#include "session.h"
#include "sound/listening.h"
#include "sound/synthesizer.h"
#include "sound_recorder.h"
#include "support/fake_host.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <numbers>

namespace zorvik::e2e {
namespace {

using namespace harness;
using Clock = std::chrono::steady_clock;

constexpr auto tick = std::chrono::microseconds(15625);

SessionOptions optionsFor(std::vector<std::string> arguments, Accessibility accessibility)
{
    SessionOptions options;
    options.accessibility = accessibility;
    options.gameArguments = std::move(arguments);
    options.soundServer = true;
    return options;
}

// The game with the session's own sound server, the recording on, both windows up.
struct Played {
    explicit Played(
        std::vector<std::string> arguments, Accessibility accessibility = Accessibility::None)
        : x(optionsFor(std::move(arguments), accessibility))
        , ears(x)
    {
        x.startGame();
        hopper = x.waitForWindow("Zorvik Again!");
        if (!ears.waitUntilHearing())
            throw std::runtime_error("nothing was recorded from the sound server");
    }
    // Starts the hopper's game with a key sent straight to it; when it was sent.
    Clock::time_point startHopper() const
    {
        const auto at = Clock::now();
        x.sendKey(hopper, "Return");
        return at;
    }

    Session x;
    SoundRecorder ears;
    Window hopper = 0;
};

std::int16_t loudest(const SoundRecorder::Heard& heard)
{
    int most = 0;
    for (const std::int16_t sample : heard.samples)
        most = std::max(most, std::abs(static_cast<int>(sample)));
    return static_cast<std::int16_t>(most);
}

struct HearingCase {
    const char* name;
    std::vector<std::string> arguments;
    Accessibility accessibility;
    bool readerStartsLater;
    bool heard;
};

void PrintTo(const HearingCase& c, std::ostream* out)
{
    *out << c.name;
}

class Hearing : public ::testing::TestWithParam<HearingCase> { };

// Silent as it always was, unless a screen reader runs (also one started after the game) or
// the player asks for sound; --no-sound wins over a reader.
TEST_P(Hearing, SoundsOnlyWithAReaderOrWhenAsked)
{
    const HearingCase c = GetParam();
    Played game(c.arguments, c.accessibility);
    if (c.readerStartsLater && c.accessibility == Accessibility::Spoken)
        game.x.startOrca(); // by hand: it turns on the bus's IsEnabled alone
    else if (c.readerStartsLater) { // the desktop's switch
        ASSERT_EQ(
            game.x.runTool({ "dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
                "string:ScreenReaderEnabled", "variant:boolean:true" }),
            0);
    }
    sleepFor(500ms); // the reader's news reaches the game; its sound starts
    const auto started = game.startHopper();
    sleepFor(700ms);
    const SoundRecorder::Heard heard = game.ears.since(started);
    ASSERT_GT(heard.frames(), 0.5 * SoundRecorder::rate) << "the recording stalled";
    std::printf("heard at rms %.4f left, %.4f right\n", level(heard, 0), level(heard, 1));
    if (c.heard) {
        EXPECT_GT(std::max(level(heard, 0), level(heard, 1)), 0.03);
    } else {
        EXPECT_EQ(loudest(heard), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Sound, Hearing,
    ::testing::Values(
        HearingCase { "SilentByDefault", {}, Accessibility::Activatable, false, false },
        HearingCase { "SoundAskedFor", { "--sound" }, Accessibility::None, false, true },
        HearingCase { "ScreenReader", {}, Accessibility::ScreenReader, false, true },
        HearingCase { "ReaderStartedAfterTheGame", {}, Accessibility::Activatable, true, true },
        HearingCase { "OrcaStartedByHand", {}, Accessibility::Spoken, true, true },
        HearingCase {
            "NoSoundDespiteAReader", { "--no-sound" }, Accessibility::ScreenReader, false, false }),
    [](const ::testing::TestParamInfo<HearingCase>& info) { return info.param.name; });

// When the rules say the hopper's first landing comes, and the note it sounds: the ball
// falls straight from its start onto the brick.
struct FirstLanding {
    int tick = 0;
    float pitch = 0;
};

FirstLanding firstLanding()
{
    testing::Hopper h;
    h.form.Form_Load();
    h.form.Form_KeyDown(keys::Return, 0);
    FirstLanding landing;
    while (h.host.played(SoundCue::Landing) == 0 && landing.tick < 1000) {
        h.form.tmrMovement_Timer();
        ++landing.tick;
    }
    landing.pitch = 2 * ballPitch(listenTo(h.form).ballHeight); // an octave above the ball
    return landing;
}

// How strongly the frames from `first` on, for 10 ms, carry the pitch (Goertzel, both
// channels together).
double strength(const SoundRecorder::Heard& heard, std::size_t first, float pitch)
{
    constexpr std::size_t length = SoundRecorder::rate / 100;
    const double turn = 2 * std::cos(2 * std::numbers::pi * pitch / SoundRecorder::rate);
    double previous = 0, beforeThat = 0;
    for (std::size_t f = first; f < first + length && f < heard.frames(); ++f) {
        const double sample = heard.samples[2 * f] + heard.samples[2 * f + 1];
        const double now = sample + turn * previous - beforeThat;
        beforeThat = previous;
        previous = now;
    }
    return std::sqrt(previous * previous + beforeThat * beforeThat - turn * previous * beforeThat);
}

// The sound follows the play within a tick. Measured from the Return that starts the game
// to the landing's note as recorded; allowed three ticks, for the time the key takes to arrive
// and the 10 ms the note takes to stand out, on a machine that may be busy.
TEST(Sound, LandingIsHeardWithinATick)
{
    const FirstLanding landing = firstLanding();
    Played game({ "--sound" });
    const auto started = game.startHopper();
    const auto landed = started + landing.tick * tick;
    sleepFor(std::chrono::duration_cast<std::chrono::milliseconds>(landed - Clock::now()) + 300ms);
    const SoundRecorder::Heard heard = game.ears.since(started);
    double loudest = 0;
    for (std::size_t f = 0; f < heard.frames(); f += 48)
        loudest = std::max(loudest, strength(heard, f, landing.pitch));
    std::optional<Clock::time_point> heardAt;
    for (std::size_t f = 0; f < heard.frames() && !heardAt; f += 48)
        if (strength(heard, f, landing.pitch) > loudest / 2)
            heardAt = game.ears.heardAt(heard.firstFrame + f + SoundRecorder::rate / 200);
    ASSERT_TRUE(heardAt) << "no landing heard";
    const auto late = std::chrono::duration<double, std::milli>(*heardAt - landed);
    std::printf("the landing was heard %.1f ms after its tick\n", late.count());
    if (ZORVIK_GAME_SANITIZED)
        GTEST_SKIP() << "a sanitized game's delays say nothing of the real one's";
    EXPECT_LT(late, 3 * tick); // 12.5-14.5 ms measured on an idle machine
    EXPECT_GT(late, -tick) << "heard before it happened: the landing came on another tick";
}

// While no game runs the game holds no stream on the sound server, so that the server and the
// device can sleep. A server that goes away and comes back (the user's audio restarted) is
// heard again, the game playing on.
TEST(Sound, LeavesTheServerAloneInSilenceAndFindsItAgain)
{
    Played game({ "--sound" });
    sleepFor(500ms); // whatever the start sounded has died away
    EXPECT_EQ(game.x.captureTool({ "pactl", "list", "short", "sink-inputs" }), "");
    BallKeeper player(game.x);
    ASSERT_TRUE(player.startGames());
    player.keepPlayingUntil(Clock::now() + 1s);
    const SoundRecorder::Heard before = game.ears.latest(SoundRecorder::rate / 2);
    game.x.restartSoundServer();
    const SoundRecorder ears(game.x);
    player.keepPlayingUntil(Clock::now() + 4s); // the game tries the server once a second
    ASSERT_FALSE(player.ballLost());
    const SoundRecorder::Heard after = ears.latest(SoundRecorder::rate / 2);
    std::printf("rms before the restart %.3f, after %.3f\n",
        std::max(level(before, 0), level(before, 1)), std::max(level(after, 0), level(after, 1)));
    EXPECT_GT(std::max(level(after, 0), level(after, 1)), 0.03);
}

// Two differences in a row: the platform's low hum all but goes, the ball's tone stays.
SoundRecorder::Heard treble(const SoundRecorder::Heard& heard)
{
    SoundRecorder::Heard high;
    high.samples.resize(heard.samples.size() > 4 ? heard.samples.size() - 4 : 0);
    for (std::size_t i = 0; i < high.samples.size(); ++i)
        high.samples[i] = static_cast<std::int16_t>(
            (heard.samples[i + 4] - 2 * heard.samples[i + 2] + heard.samples[i]) / 4);
    return high;
}

// The treble of every 10 ms that went out whole. Where the sound server ran short of the
// game's frames it played silence on both sides, and the step into it would sound on both.
SoundRecorder::Heard trebleWithoutDropouts(const SoundRecorder::Heard& heard)
{
    constexpr std::size_t piece = SoundRecorder::rate / 100;
    SoundRecorder::Heard kept;
    for (std::size_t first = 0; first + piece <= heard.frames(); first += piece) {
        SoundRecorder::Heard part;
        const auto from = heard.samples.begin() + static_cast<long>(2 * first);
        part.samples.assign(from, from + 2 * piece);
        bool silentFrame = false;
        for (std::size_t f = 0; f < piece; ++f)
            silentFrame = silentFrame || (part.samples[2 * f] == 0 && part.samples[2 * f + 1] == 0);
        if (silentFrame)
            continue;
        const SoundRecorder::Heard high = treble(part);
        kept.samples.insert(kept.samples.end(), high.samples.begin(), high.samples.end());
    }
    return kept;
}

class EdgeHeard : public ::testing::TestWithParam<const char*> { };

// Steered past an edge of the hopper, the ball is heard from that side alone.
TEST_P(EdgeHeard, FromItsSideOnly)
{
    const std::string side = GetParam();
    Played game({ "--sound" });
    game.startHopper();
    game.x.sendKey(game.hopper, "Up"); // high enough to stay up while it crosses
    game.x.keyDown(game.hopper, side);
    sleepFor(1500ms); // 96 ticks at 65 twips: from the middle past the edge
    const SoundRecorder::Heard heard
        = trebleWithoutDropouts(game.ears.latest(SoundRecorder::rate / 5));
    game.x.keyUp(game.hopper, side);
    ASSERT_GT(heard.frames(), SoundRecorder::rate / 10) << "the sound kept dropping out";
    const double left = level(heard, 0), right = level(heard, 1);
    const double near = side == "Left" ? left : right, far = side == "Left" ? right : left;
    EXPECT_GT(near, 0.001);
    EXPECT_LT(far, near / 10) << "left " << left << ", right " << right;
}

INSTANTIATE_TEST_SUITE_P(Sound, EdgeHeard, ::testing::Values("Left", "Right"),
    [](const ::testing::TestParamInfo<const char*>& info) { return info.param; });

} // namespace
} // namespace zorvik::e2e

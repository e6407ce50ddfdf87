// SPDX-License-Identifier: MIT
// Plays the hopper by ear: a player who hears only the game's stereo sound, as recorded from
// the session's own sound server, and sees nothing. It places the ball and the platform from
// left to right by their balance between the two channels (the ball's tone, the platform's
// low hum), steers the ball over the platform, and leaps when the ball's pitch says it has
// dropped below any platform. Compared with a player who presses the arrow keys at random,
// a key a second. Prints each player's game lengths and their medians; measures, checks
// nothing.
//
//   sound_player [--games N] [--longest SECONDS] [--players ear,steering,random] [--seed N]
//                [--speed PERCENT]
//
// "steering" is the ear player without its leaps: how long the platform's place alone keeps
// the ball up. A game that outlasts --longest is stopped there and counted that long. --speed
// runs the game slower, as a player who needs time would; the players keep their pace, and
// --longest counts seconds of full-speed play (at 50 % a game may last twice as long).

#include "session.h"
#include "sound/synthesizer.h"
#include "sound_recorder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zorvik::bench {

namespace {

using namespace harness;
using Clock = std::chrono::steady_clock;
using KeyStroke = XDisplay::KeyStroke;

struct Options {
    int games = 20;
    double longestSeconds = 20;
    std::vector<std::string> players { "ear", "steering", "random" };
    unsigned seed = 16;
    int speedPercent = 100;
};

Options parse(int argc, char* argv[])
{
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i], value = argv[i + 1];
        if (name == "--games")
            o.games = std::stoi(value);
        else if (name == "--longest")
            o.longestSeconds = std::stod(value);
        else if (name == "--speed")
            o.speedPercent = std::stoi(value);
        else if (name == "--seed")
            o.seed = static_cast<unsigned>(std::stoul(value));
        else if (name == "--players") {
            o.players.clear();
            std::stringstream list(value);
            for (std::string player; std::getline(list, player, ',');)
                o.players.push_back(player);
        } else
            throw std::invalid_argument("unknown option " + name);
    }
    return o;
}

// What the ear makes of the last few hundredths of a second of sound.
struct Hearing {
    bool ballHeard = false;
    double ballPan = 0.5;
    double ballPitch = 0;
    bool platformHeard = false;
    double platformPan = 0.5;
};

// 40 ms at a time: fine enough in pitch to tell the platform's hum from the ball's lowest
// tone, short enough to follow the ball.
constexpr std::size_t listened = SoundRecorder::rate / 25;

const std::vector<double>& hannWindow()
{
    static const std::vector<double> window = [] {
        std::vector<double> w(listened);
        for (std::size_t f = 0; f < listened; ++f)
            w[f] = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(f) / listened);
        return w;
    }();
    return window;
}

// A tone's strength in each channel over the frames (Goertzel, Hann-windowed).
std::pair<double, double> strength(const SoundRecorder::Heard& heard, double pitch)
{
    const double turn = 2 * std::cos(2 * std::numbers::pi * pitch / SoundRecorder::rate);
    const std::vector<double>& hann = hannWindow();
    double result[2];
    const std::size_t frames = std::min(heard.frames(), listened);
    for (int channel = 0; channel < 2; ++channel) {
        double previous = 0, beforeThat = 0;
        for (std::size_t f = 0; f < frames; ++f) {
            const double now
                = hann[f] * heard.samples[2 * f + channel] + turn * previous - beforeThat;
            beforeThat = previous;
            previous = now;
        }
        result[channel] = std::sqrt(std::max(
            0.0, previous * previous + beforeThat * beforeThat - turn * previous * beforeThat));
    }
    return { result[0], result[1] };
}

double panOf(std::pair<double, double> leftRight)
{
    return std::atan2(leftRight.second, leftRight.first) / (std::numbers::pi / 2);
}

Hearing listen(const SoundRecorder& ears)
{
    const SoundRecorder::Heard heard = ears.latest(listened);
    Hearing hearing;
    if (heard.frames() < listened)
        return hearing;
    constexpr double audible = 2e4; // well above the recording's silence, well below any voice
    const auto hum = strength(heard, platformPitch);
    hearing.platformHeard = hum.first + hum.second > audible;
    hearing.platformPan = panOf(hum);
    // The ball: the strongest tone of the two octaves it sings in, by quarter tones.
    double loudest = 0;
    for (double pitch = ballPitch(0); pitch <= ballPitch(1) * 1.01; pitch *= std::exp2(1 / 24.0)) {
        const auto tone = strength(heard, pitch);
        if (tone.first + tone.second > loudest) {
            loudest = tone.first + tone.second;
            hearing.ballPitch = pitch;
            hearing.ballPan = panOf(tone);
        }
    }
    hearing.ballHeard = loudest > audible;
    return hearing;
}

// The player's hands on the hopper: keys sent straight to it, a held arrow remembered.
class Hands {
public:
    Hands(const Session& x, Window hopper)
        : x_(x)
        , hopper_(hopper)
    {
    }
    void hold(const std::string& arrow)
    {
        if (arrow == held_)
            return;
        letGo();
        if (!arrow.empty())
            x_.sendKey(hopper_, arrow, KeyStroke::Press);
        held_ = arrow;
    }
    void letGo()
    {
        if (!held_.empty())
            x_.sendKey(hopper_, held_, KeyStroke::Release);
        held_.clear();
    }
    void tap(const std::string& key) { x_.sendKey(hopper_, key); }

private:
    const Session& x_;
    Window hopper_;
    std::string held_;
};

// Where the ball must be for its pitch to say it fell past every place the platform takes:
// the platform's lowest top (4750 twips) in a 6585-twip window, the ball's centre below it.
constexpr double belowEveryPlatform = 0.17;

void playByEar(const SoundRecorder& ears, Hands& hands, bool leaps, Clock::time_point& lastLeap)
{
    const Hearing hearing = listen(ears);
    if (!hearing.ballHeard || !hearing.platformHeard) {
        hands.letGo();
        return;
    }
    const double off = hearing.ballPan - hearing.platformPan;
    constexpr double closeEnough = 0.02;
    hands.hold(off > closeEnough ? "Left" : off < -closeEnough ? "Right" : "");
    const double height = std::log2(hearing.ballPitch / ballPitch(0)) / 2;
    if (leaps && height < belowEveryPlatform && Clock::now() - lastLeap > 400ms) {
        hands.tap("Up");
        lastLeap = Clock::now();
    }
}

void playAtRandom(std::mt19937& random, Hands& hands, Clock::time_point& lastKey)
{
    if (Clock::now() - lastKey < 1s)
        return;
    lastKey = Clock::now();
    const char* keys[] = { "Left", "Right", "Up", "Down" };
    const std::string key = keys[std::uniform_int_distribution<int>(0, 3)(random)];
    if (key == "Left" || key == "Right")
        hands.hold(key);
    else
        hands.tap(key);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One game of the hopper; its length in seconds, from Return to the "Game Over" box.
double playOne(Session& x, const SoundRecorder& ears, Window hopper, const std::string& player,
    double longest, std::mt19937& random)
{
    Hands hands(x, hopper);
    hands.tap("Return");
    const auto started = Clock::now();
    auto lastLeap = started, lastKey = started - 1s;
    while (!x.boxOf(hopper)) {
        const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
        if (seconds >= longest) {
            // Ended the quickest way: the ball steered far off, left to fall.
            hands.hold("Left");
            if (!waitUntil([&] { return x.boxOf(hopper).has_value(); }, 10s, 20ms))
                throw std::runtime_error("the ball never dropped out: is the game still there?");
            break;
        }
        if (player == "random")
            playAtRandom(random, hands, lastKey);
        else
            playByEar(ears, hands, player == "ear", lastLeap);
        sleepFor(10ms);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    hands.letGo();
    // The box has the keys now: Return dismisses it, and the hopper is ready again.
    sleepFor(100ms);
    // A box still open at the next Return would end that game at once: asked until it goes.
    for (int attempt = 0; attempt < 5 && x.boxOf(hopper); ++attempt) {
        if (const auto box = x.boxOf(hopper))
            x.sendKey(*box, "Return");
        waitUntil([&] { return !x.boxOf(hopper); }, 2s, 20ms);
    }
    if (x.boxOf(hopper))
        throw std::runtime_error("the \"Game Over\" box does not go");
    sleepFor(200ms);
    return std::min(seconds, longest);
}

} // namespace

} // namespace zorvik::bench

int main(int argc, char* argv[])
{
    using namespace zorvik::bench;
    try {
        Options options = parse(argc, argv);
        options.longestSeconds = options.longestSeconds * 100 / options.speedPercent;
        SessionOptions sessionOptions;
        sessionOptions.gameArguments
            = { "--sound", "--speed", std::to_string(options.speedPercent) };
        sessionOptions.soundServer = true;
        Session x(sessionOptions);
        SoundRecorder ears(x);
        x.startGame();
        const Window hopper = x.waitForWindow("Zorvik Again!");
        if (!ears.waitUntilHearing())
            throw std::runtime_error("nothing was recorded from the sound server");
        std::mt19937 random(options.seed);
        std::vector<std::pair<std::string, double>> medians;
        for (const std::string& player : options.players) {
            std::vector<double> lengths;
            std::printf("%-9s", player.c_str());
            for (int game = 0; game < options.games; ++game) {
                lengths.push_back(playOne(x, ears, hopper, player, options.longestSeconds, random));
                std::printf(" %.1f", lengths.back());
                std::fflush(stdout);
            }
            medians.emplace_back(player, median(lengths));
            std::printf("  -> median %.2f s\n", medians.back().second);
        }
        std::printf("\nHopper games at %d %% speed, %d per player, each stopped at %.0f s at the "
                    "longest:\n",
            options.speedPercent, options.games, options.longestSeconds);
        for (const auto& [player, m] : medians)
            std::printf("  %-9s median %6.2f s\n", player.c_str(), m);
        const auto randomMedian = std::find_if(
            medians.begin(), medians.end(), [](const auto& m) { return m.first == "random"; });
        if (randomMedian != medians.end() && randomMedian->second > 0)
            for (const auto& [player, m] : medians)
                if (player != "random")
                    std::printf("  %s / random: %.2f (goal >= 3)\n", player.c_str(),
                        m / randomMedian->second);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "sound_player: %s\n", error.what());
        return 1;
    }
}

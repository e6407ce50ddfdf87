// SPDX-License-Identifier: MIT
// What the game sounds like, measured on the synthesizer's samples: where a voice sits between
// the speakers, its pitch, its silence, and how soon a cue starts and ends.
#include "sound/listening.h"
#include "sound/synthesizer.h"
#include "support/fake_host.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace zorvik {
namespace {

constexpr int rate = Synthesizer::sampleRate;

struct Heard {
    double left = 0; // root mean square, of full scale
    double right = 0;
    int crossings = 0; // upward zero crossings of the left channel
    bool audible = false;
};

// Renders `seconds` in chunks as the audio thread does; measures the part after `skip`.
Heard render(Synthesizer& synth, double seconds, double skip = 0)
{
    std::vector<std::int16_t> chunk(2 * 240);
    Heard heard;
    double sumLeft = 0, sumRight = 0;
    long frames = 0;
    int previous = 0;
    const long skipFrames = std::lround(skip * rate);
    for (long at = 0; at < std::lround(seconds * rate); at += 240) {
        heard.audible = synth.render(chunk);
        for (std::size_t i = 0; i < chunk.size(); i += 2) {
            if (at + static_cast<long>(i / 2) < skipFrames)
                continue;
            sumLeft += std::pow(chunk[i] / 32768.0, 2);
            sumRight += std::pow(chunk[i + 1] / 32768.0, 2);
            heard.crossings += previous < 0 && chunk[i] >= 0;
            previous = chunk[i];
            ++frames;
        }
    }
    heard.left = std::sqrt(sumLeft / std::max(frames, 1L));
    heard.right = std::sqrt(sumRight / std::max(frames, 1L));
    return heard;
}

Listening ballAt(float pan, float height)
{
    Listening listening;
    listening.playing = true;
    listening.ballPan = pan;
    listening.ballHeight = height;
    return listening;
}

struct PlaceCase {
    float pan;
    float height;
    double rightShare; // of the louder channel's level
    double pitch; // Hz
};

void PrintTo(const PlaceCase& c, std::ostream* out)
{
    *out << "pan " << c.pan << ", height " << c.height;
}

class BallVoice : public ::testing::TestWithParam<PlaceCase> { };

TEST_P(BallVoice, IsPlacedByPanAndPitchedByHeight)
{
    const PlaceCase c = GetParam();
    Synthesizer synth;
    synth.listen(Timbre::Round, ballAt(c.pan, c.height));
    const Heard heard = render(synth, 0.5, 0.05);
    ASSERT_GT(std::max(heard.left, heard.right), 0.05);
    EXPECT_NEAR(heard.right / std::max(heard.left, heard.right), c.rightShare, 0.02);
    if (heard.left > 0.01) {
        EXPECT_NEAR(heard.crossings / 0.45, c.pitch, c.pitch * 0.03);
    }
}

INSTANTIATE_TEST_SUITE_P(Places, BallVoice,
    ::testing::Values(PlaceCase { 0.0f, 0.0f, 0.0, 220 }, PlaceCase { 0.5f, 0.5f, 1.0, 440 },
        PlaceCase { 1.0f, 1.0f, 1.0, 880 }, PlaceCase { -3.0f, 7.0f, 0.0, 880 }));

TEST(Sound, SilentUntilToldAndAfterTheGameStops)
{
    Synthesizer synth;
    Heard heard = render(synth, 0.1);
    EXPECT_EQ(heard.left + heard.right, 0);
    EXPECT_FALSE(heard.audible);
    synth.listen(Timbre::Reedy, ballAt(0.3f, 0.6f));
    EXPECT_TRUE(render(synth, 0.1).audible);
    synth.listen(Timbre::Reedy, {});
    render(synth, 0.05); // fading out
    heard = render(synth, 0.1);
    EXPECT_EQ(heard.left + heard.right, 0);
    EXPECT_FALSE(heard.audible);
}

// Each cue starts in the first chunk after it is told, and is over within a quarter second.
TEST(Sound, CuesStartAtOnceAndStayShort)
{
    for (int c = 0; c < soundCueCount; ++c) {
        Synthesizer synth;
        synth.cue(Timbre::Round, static_cast<SoundCue>(c));
        EXPECT_GT(render(synth, 240.0 / rate).left, 0.02) << "cue " << c;
        render(synth, 0.25);
        const Heard after = render(synth, 0.1);
        EXPECT_EQ(after.left + after.right, 0) << "cue " << c;
        EXPECT_FALSE(after.audible) << "cue " << c;
    }
}

// The window's places as heard: fractions of its play area, the hopper's platform too.
TEST(Sound, ListensToBallAndLonePlatform)
{
    testing::Hopper h;
    h.form.Form_Load();
    EXPECT_FALSE(listenTo(h.form).playing);
    h.form.Form_KeyDown(keys::Return, 0);
    h.form.ball.Left = -5000;
    h.form.ball.Top = 6585 - 615 / 2.0f;
    h.form.brick.Left = 7155 - 615;
    Listening heard = listenTo(h.form);
    EXPECT_TRUE(heard.playing);
    EXPECT_EQ(heard.ballPan, 0);
    EXPECT_EQ(heard.ballHeight, 0);
    EXPECT_TRUE(heard.platformHeard);
    EXPECT_NEAR(heard.platformPan, 1 - 307.5 / 7155, 1e-4);
    testing::Tower t;
    t.form.Form_Load();
    EXPECT_FALSE(listenTo(t.form).platformHeard); // seven could not be told apart
}

} // namespace
} // namespace zorvik

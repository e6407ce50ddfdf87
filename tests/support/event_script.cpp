// SPDX-License-Identifier: MIT
#include "support/event_script.h"

#include "support/seeded_random.h"

#include <array>
#include <limits>

namespace zorvik::testing {

namespace {

constexpr float towerHeight = 8220;
constexpr float hopperHeight = 6585;

constexpr std::array<KeyCode, 5> gameKeys { keys::Return, keys::Left, keys::Up, keys::Right,
    keys::Down };

constexpr std::array<Speed, 8> edgeSpeeds { -32768, -32767, -32763, -1000, 0, 1, 32762, 32767 };

// Places at the edges that matter: the bottom edges, where the 32-bit rectangle saturates, a
// billion twips away, and the ends of float.
constexpr std::array<float, 16> edgePlaces { 0, 2.5f, towerHeight - 0.5f, towerHeight, hopperHeight,
    -5250, 1e9f, -1e9f, 3e9f, -3e9f, 2147483520.0f, -2147483648.0f, 1e30f, -1e30f,
    std::numeric_limits<float>::max(), std::numeric_limits<float>::lowest() };

// Scores a very long game reaches, up to centuries of play.
constexpr std::array<double, 8> edgeScores { 0, 1, 999999, 1000000, 2147483647, 4294967295,
    4294967296, 1e12 };

} // namespace

class TwoWindowPlay::Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes)
        : bytes_(bytes)
    {
    }
    bool more() const { return next_ < bytes_.size(); }
    // 0 once the script has ended; ended() then tells the event to give up.
    std::uint8_t byte() { return more() ? bytes_[next_++] : (overrun_ = true, 0); }
    bool ended() const { return overrun_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
    bool overrun_ = false;
};

TwoWindowPlay::TwoWindowPlay(std::uint8_t seed)
    : towerHost_(towerHeight)
    , tower_(std::make_unique<Form1>(towerHost_, std::make_unique<SeededRandom>(2 * seed)))
{
    // The tower's load handler opens the hopper; giving it one of our own first keeps its
    // platform seeded too.
    towerHost_.hopper = std::make_unique<Form2>(
        towerHost_.hopperHost(), std::make_unique<SeededRandom>(2 * seed + 1));
    tower_->Form_Load();
    towerWatch_.emplace(*tower_, towerHeight);
    hopperWatch_.emplace(*towerHost_.hopper, hopperHeight);
}

TwoWindowPlay::~TwoWindowPlay() = default;

WindowWatch* TwoWindowPlay::watch(int window)
{
    auto& slot = window == 0 ? towerWatch_ : hopperWatch_;
    return slot ? &*slot : nullptr;
}

std::string TwoWindowPlay::problem() const
{
    if (towerWatch_ && !towerWatch_->ok())
        return towerWatch_->problem();
    if (hopperWatch_ && !hopperWatch_->ok())
        return hopperWatch_->problem();
    return {};
}

std::uint64_t TwoWindowPlay::ticksRun() const
{
    return closedTicksRun_ + (towerWatch_ ? towerWatch_->ticksRun() : 0)
        + (hopperWatch_ ? hopperWatch_->ticksRun() : 0);
}

std::uint64_t TwoWindowPlay::gamesOver() const
{
    return closedGamesOver_ + (towerWatch_ ? towerWatch_->gamesOver() : 0)
        + (hopperWatch_ ? hopperWatch_->gamesOver() : 0);
}

void TwoWindowPlay::play(std::span<const std::uint8_t> events)
{
    Reader in(events);
    while (in.more() && problem().empty()) {
        const std::uint8_t op = in.byte();
        const int window = op & 1;
        WindowWatch* target = watch(window); // null once the window is closed
        switch ((op >> 1) & 7) {
        case 0:
        case 1:
            keyEvent(target, in, ((op >> 1) & 7) == 0);
            break;
        case 2:
        case 3: {
            const int a = in.byte() + 1;
            const int count = ((op >> 1) & 7) == 2 ? a : a * 16;
            // Once a tick is ignored the rest are too: one shows the guard holds.
            for (int i = 0; target && !in.ended() && i < count && target->ok(); ++i) {
                const PlayWindow& form = target->form();
                const bool runs = form.tmrMovement.Enabled && !form.gameOverBoxOpen();
                target->tick();
                if (!runs)
                    break;
            }
            break;
        }
        case 4:
            if (target)
                target->dismissBox();
            break;
        case 5:
            close(window);
            break;
        case 6: {
            const std::uint8_t a = in.byte();
            if (target && !in.ended())
                pokeSpeeds(target, a);
            break;
        }
        default: {
            const std::uint8_t a = in.byte();
            const std::uint8_t b = in.byte();
            if (target && !in.ended())
                pokePlace(target, a, b);
            break;
        }
        }
    }
}

void TwoWindowPlay::keyEvent(WindowWatch* target, Reader& in, bool down)
{
    const std::uint8_t a = in.byte();
    KeyCode code = gameKeys[a % gameKeys.size()];
    if (a >= 0x80) {
        const std::uint8_t low = in.byte();
        code = static_cast<KeyCode>(low | in.byte() << 8);
    }
    const int shift = (a >> 4) & 7;
    if (!target || in.ended())
        return;
    if (down)
        target->keyDown(code, shift);
    else
        target->keyUp(code, shift);
}

void TwoWindowPlay::pokeSpeeds(WindowWatch* target, std::uint8_t a)
{
    const Speed value = edgeSpeeds[(a >> 2) & 7];
    const PlayWindow& form = target->form();
    switch (a & 3) {
    case 0:
        target->setSpeeds(form.xSpeed, value);
        break;
    case 1:
        target->setSpeeds(value, form.ySpeed);
        break;
    default:
        target->setSpeeds(value, value);
        break;
    }
}

void TwoWindowPlay::pokePlace(WindowWatch* target, std::uint8_t a, std::uint8_t b)
{
    std::vector<Control*> shapes { &target->form().ball };
    if (target == watch(0))
        shapes.insert(shapes.end(), tower_->bricks.begin(), tower_->bricks.end());
    else
        shapes.push_back(&towerHost_.hopper->brick);
    const std::size_t which = a % (shapes.size() + 1);
    if (which == shapes.size())
        target->setScore(edgeScores[b & 7]);
    else
        target->place(*shapes[which], edgePlaces[b & 15], edgePlaces[b >> 4]);
}

void TwoWindowPlay::close(int window)
{
    // Like the host, a closed window just goes: its box, if open, goes with it unanswered.
    // play() stops at the first broken rule, so a window that goes has kept all of them.
    auto& watch = window == 0 ? towerWatch_ : hopperWatch_;
    if (!watch)
        return;
    closedTicksRun_ += watch->ticksRun();
    closedGamesOver_ += watch->gamesOver();
    watch.reset();
    if (window == 0)
        tower_.reset();
    else
        towerHost_.hopper.reset();
}

std::string playScript(std::span<const std::uint8_t> script)
{
    if (script.empty())
        return {};
    TwoWindowPlay play(script[0]);
    play.play(script.subspan(1));
    return play.problem();
}

} // namespace zorvik::testing

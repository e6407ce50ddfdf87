// SPDX-License-Identifier: MIT
// The game as a blind player hears it: the Orca screen reader on a desktop (openbox), speaking
// through a silent voice, and what it says read from its log.
#include "ball_keeper.h"
#include "game_test.h"

#include <algorithm>
#include <regex>

namespace zorvik::e2e {
namespace {

SessionOptions withOrca()
{
    SessionOptions options;
    options.desktop = Desktop::Openbox;
    options.accessibility = Accessibility::Spoken;
    return options;
}

// What Orca said after the first `from` utterances.
std::vector<std::string> saidSince(const Session& x, std::size_t from)
{
    std::vector<std::string> said = x.spokenReader().said();
    said.erase(
        said.begin(), said.begin() + static_cast<std::ptrdiff_t>(std::min(from, said.size())));
    return said;
}

const std::string newHighScore
    = "Final score: ([1-9][0-9]*)\\. High score: \\1\\. New high score\\.";

std::string quoted(const std::vector<std::string>& said)
{
    std::string out;
    for (const std::string& utterance : said)
        out += "\n  \"" + utterance + "\"";
    return out;
}

// Waits until Orca has said these, in this order (others may come between), after the first
// `from` utterances; each expected one is a regular expression.
::testing::AssertionResult hears(const Session& x, std::size_t from,
    const std::vector<std::string>& expected, std::chrono::milliseconds timeout = 10s)
{
    const auto heard = [&] {
        const std::vector<std::string> said = saidSince(x, from);
        auto next = said.begin();
        for (const std::string& pattern : expected) {
            const std::regex wanted(pattern);
            next = std::find_if(next, said.end(),
                [&](const std::string& utterance) { return std::regex_match(utterance, wanted); });
            if (next == said.end())
                return false;
            ++next;
        }
        return true;
    };
    if (waitUntil(heard, timeout, 50ms))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << "expected " << quoted(expected) << "\nOrca said" << quoted(saidSince(x, from));
}

// Each window's name and prompt as it gets the focus; both "Game Over" boxes: the one that
// takes the keyboard read as an alert with the score on its button, the one that opens in the
// window not being played announced without taking it, with whose game it was and the score;
// the keyboard back on each box's own window as it closes; and no flood of score news while
// both games run.
TEST(Orca, ReadsWindowsBoxesAndStaysQuietDuringPlay)
{
    Session x(withOrca());
    x.startOrca();
    x.startGame();
    const Window tower = x.waitForWindow("Zorvik!");
    const Window hopper = x.waitForWindow("Zorvik Again!");
    const std::string towerRead[] = { "Zorvik! frame\\.", "PRESS THE ENTER BUTTON TO START\\." };
    const std::string hopperRead[] = { "Zorvik Again! frame\\.", "PRESS ENTER TO START\\." };
    EXPECT_TRUE(hears(x, 0, { towerRead[0] })); // alone at start-up, never the hopper
    EXPECT_FALSE(hears(x, 0, { hopperRead[0] }, 0ms)) << quoted(saidSince(x, 0));
    std::size_t from = x.spokenReader().said().size();
    x.focus(hopper);
    EXPECT_TRUE(hears(x, from, { hopperRead[0], hopperRead[1] }));

    // The hopper's game is started first and runs out after the tower's, at the tower.
    x.type({ "key", "Return" });
    from = x.spokenReader().said().size();
    x.focus(tower);
    EXPECT_TRUE(hears(x, from, { towerRead[0], towerRead[1] }));
    x.type({ "key", "Return" });
    EXPECT_TRUE(hears(x, from, { "alert Zorvik!: Game Over\\.", "OK push button\\.", newHighScore },
        longestGame));
    EXPECT_TRUE(
        hears(x, from, { "notification Zorvik Again!: Game Over\\.", newHighScore }, longestGame));
    // "Where am I" (keypad Enter, Orca's own) at the tower's box tells the score.
    from = x.spokenReader().said().size();
    x.type({ "key", "KP_Enter" });
    EXPECT_TRUE(hears(x, from, { "OK push button " + newHighScore }));
    from = x.spokenReader().said().size();
    x.type({ "key", "Return" });
    // Orca tells of the hopper's box still open.
    EXPECT_TRUE(hears(x, from, { "Zorvik! frame 1 unfocused dialog\\.", towerRead[1] }))
        << "back at the tower";
    from = x.spokenReader().said().size();
    // Its box takes the keyboard as the player comes back, here as a window switcher brings
    // windows back. (After a click Orca 43 reads the button and the score, not the box's name:
    // the click tells it of the new window before the window says it is active.)
    x.runTool({ "xdotool", "windowactivate", std::to_string(hopper) });
    EXPECT_TRUE(
        hears(x, from, { "alert Zorvik Again!: Game Over\\.", "OK push button\\.", newHighScore }));
    from = x.spokenReader().said().size();
    x.type({ "key", "Return" });
    EXPECT_TRUE(hears(x, from, { hopperRead[0], hopperRead[1] })) << "back at the hopper";

    BallKeeper player(x);
    ASSERT_TRUE(player.startGames());
    from = x.spokenReader().said().size();
    player.keepPlayingUntil(std::chrono::steady_clock::now() + 6s);
    // The player's own keys are echoed; the game says nothing while both play.
    std::vector<std::string> gameSaid = saidSince(x, from);
    const std::regex keyEcho("(up|return|left|right) ?");
    gameSaid.erase(std::remove_if(gameSaid.begin(), gameSaid.end(),
                       [&](const std::string& said) { return std::regex_match(said, keyEcho); }),
        gameSaid.end());
    EXPECT_TRUE(gameSaid.empty()) << "said during play:" << quoted(gameSaid);
}

// Orca started while a box is open finds it: it reads the box as it opened, and the
// other as the player goes there.
TEST(Orca, StartedAfterTheGameReadsIt)
{
    Session x(withOrca());
    x.startGame();
    const Window tower = x.waitForWindow("Zorvik!");
    const Window hopper = x.waitForWindow("Zorvik Again!");
    x.key(tower, "Return");
    ASSERT_TRUE(waitUntil([&] { return x.boxOf(tower).has_value(); }, longestGame));
    x.startOrca();
    EXPECT_TRUE(hears(x, 0, { "alert Zorvik!: Game Over\\.", "OK push button\\.", newHighScore }));
    const std::size_t from = x.spokenReader().said().size();
    x.runTool({ "xdotool", "windowactivate", std::to_string(hopper) }); // a click races Orca
    EXPECT_TRUE(
        hears(x, from, { "Zorvik Again! frame 1 unfocused dialog\\.", "PRESS ENTER TO START\\." }));
}

} // namespace
} // namespace zorvik::e2e

// SPDX-License-Identifier: MIT
// The fuzzer's checked-in inputs, its hand-made seeds and every finding kept as a regression,
// replayed through the same rules in the ordinary build: no clang needed to see them pass.
#include "support/event_script.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace zorvik {
namespace {

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

TEST(FuzzCorpus, EveryInputKeepsEveryRule)
{
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZORVIK_FUZZ_CORPUS)) {
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_EQ(testing::playScript(readBytes(entry.path())), "");
        ++inputs;
    }
    EXPECT_GE(inputs, 5);
}

// The seeds do what their names say, so the fuzzer starts from games that really end,
// reset and lose their windows.
TEST(FuzzCorpus, SeedsReachGameOverAndClosing)
{
    const auto play = [](const char* name) {
        const auto script = readBytes(std::filesystem::path(ZORVIK_FUZZ_CORPUS) / name);
        auto game = std::make_unique<testing::TwoWindowPlay>(script.at(0));
        game->play(std::span(script).subspan(1));
        return game;
    };
    const auto over = play("game-over-then-dismiss");
    EXPECT_EQ(over->gamesOver(), 2u);
    EXPECT_GT(over->ticksRun(), 100u);
    const auto closed = play("close-tower-with-box-open-then-hopper");
    EXPECT_EQ(closed->openWindows(), 0);
}

} // namespace
} // namespace zorvik

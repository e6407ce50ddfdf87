// SPDX-License-Identifier: MIT
#pragma once

#include "support/fake_host.h"
#include "support/invariants.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace zorvik::testing {

// Both play windows on fake hosts, played from a script of bytes: the fuzzer's input, and
// the form its findings are replayed in. Every event goes through a WindowWatch.
//
// Byte 0 seeds both windows' platforms. Then each event is an opcode byte: bit 0 picks the
// window (0 tower, 1 hopper), bits 1-3 the action, and the action reads its arguments:
//   0 key-down, 1 key-up  a: below 0x80 one of Return, Left, Up, Right, Down (a % 5);
//                         from 0x80 any code, in the next two bytes (little-endian)
//   2 ticks               a + 1 ticks
//   3 a long run          (a + 1) * 16 ticks
//   4 dismiss the "Game Over" box
//   5 close the window; later events to it are dropped
//   6 poke speeds         a: bits 0-1 ySpeed, xSpeed or both; bits 2-4 the value (edgeSpeeds)
//   7 poke a place        a: the shape (a % shapes; one past the last sets the score instead),
//                         b: the Left (low 4 bits) and Top (high 4 bits) from edgePlaces,
//                         or the score from edgeScores
// A script that ends in the middle of an event ends there.
class TwoWindowPlay {
public:
    explicit TwoWindowPlay(std::uint8_t seed);
    ~TwoWindowPlay();
    TwoWindowPlay(const TwoWindowPlay&) = delete;
    TwoWindowPlay& operator=(const TwoWindowPlay&) = delete;

    // Plays events until the script ends or a rule breaks.
    void play(std::span<const std::uint8_t> events);
    // The first rule broken, "" while all hold.
    std::string problem() const;
    // Totals over both windows, closed ones included: what a script got to exercise.
    std::uint64_t ticksRun() const;
    std::uint64_t gamesOver() const;
    int openWindows() const { return (towerWatch_ ? 1 : 0) + (hopperWatch_ ? 1 : 0); }

private:
    class Reader;
    WindowWatch* watch(int window);
    void keyEvent(WindowWatch* watch, Reader& in, bool down);
    void pokeSpeeds(WindowWatch* watch, std::uint8_t a);
    void pokePlace(WindowWatch* watch, std::uint8_t a, std::uint8_t b);
    void close(int window);

    FakeHost towerHost_;
    std::unique_ptr<Form1> tower_;
    std::optional<WindowWatch> towerWatch_;
    std::optional<WindowWatch> hopperWatch_;
    std::uint64_t closedTicksRun_ = 0;
    std::uint64_t closedGamesOver_ = 0;
};

// Plays a whole script, seed byte included; returns the first rule broken, or "".
std::string playScript(std::span<const std::uint8_t> script);

} // namespace zorvik::testing

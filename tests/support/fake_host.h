// SPDX-License-Identifier: MIT
#pragma once

#include "forms/form1.h"
#include "forms/form2.h"
#include "game/form_host.h"
#include "game/random_source.h"

#include <array>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace zorvik::testing {

// Hands out the given draws in turn, then repeats the last one; counts the reseeds.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> draws = { 0.5 })
        : draws_(std::move(draws))
    {
    }
    void reseedFromClock() override { ++reseeds; }
    double draw() override
    {
        const double r = draws_[std::min(next_, draws_.size() - 1)];
        ++next_;
        return r;
    }
    int reseeds = 0;

private:
    std::vector<double> draws_;
    std::size_t next_ = 0;
};

// Stands in for the windowing system: a fixed client height (which a test may change), a
// "Game Over" box that stays open until the test dismisses it, and a hopper it can open.
class FakeHost final : public FormHost {
public:
    explicit FakeHost(float height)
        : height_(height)
    {
    }
    float clientHeight() const override
    {
        ++heightReads;
        return height_;
    }
    void showGameOverBox() override { ++boxesShown; }
    void openHopper() override
    {
        ++hopperOpens;
        if (!hopper)
            hopper = std::make_unique<Form2>(hopperHost(), std::make_unique<ScriptedRandom>());
        hopper->Form_Load();
    }
    FakeHost& hopperHost()
    {
        if (!hopperHost_)
            hopperHost_ = std::make_unique<FakeHost>(6585);
        return *hopperHost_;
    }
    // Counted, not listed: the allocation benchmarks tick the forms through this host.
    void playCue(SoundCue cue) override { ++cuesPlayed[static_cast<std::size_t>(cue)]; }
    int played(SoundCue cue) const { return cuesPlayed[static_cast<std::size_t>(cue)]; }
    void setClientHeight(float height) { height_ = height; }

    mutable int heightReads = 0;
    int boxesShown = 0;
    int hopperOpens = 0;
    std::array<int, soundCueCount> cuesPlayed {};
    std::unique_ptr<Form2> hopper;

private:
    float height_;
    std::unique_ptr<FakeHost> hopperHost_;
};

// A play window with its own fake host and scripted draws.
template <typename Form, int clientHeight> struct WindowUnderTest {
    explicit WindowUnderTest(std::vector<double> draws = { 0.5 })
        : host(clientHeight)
        , random(new ScriptedRandom(std::move(draws)))
        , form(host, std::unique_ptr<RandomSource>(random))
    {
    }
    FakeHost host;
    ScriptedRandom* random; // owned by the form
    Form form;
};

using Tower = WindowUnderTest<Form1, 8220>;
using Hopper = WindowUnderTest<Form2, 6585>;

} // namespace zorvik::testing

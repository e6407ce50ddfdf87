// SPDX-License-Identifier: MIT
#include "host/view/window_arrangement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <map>
#include <tuple>

namespace zorvik {

namespace {

// More windows than this are placed one by one: the search grows as 9 to their number.
constexpr std::size_t mostArrangedTogether = 3;

long long area(const QRect& rect)
{
    return rect.isEmpty() ? 0 : static_cast<long long>(rect.width()) * rect.height();
}

// The places a window's frame may take along one axis: first its home moved onto the area,
// then either end of the area. The frame's start never leaves the area: the title bar stays there.
std::vector<int> framePlaces(int home, int size, int areaStart, int areaSize)
{
    const auto onArea = [&](int place) {
        return std::max(areaStart, std::min(place, areaStart + areaSize - size));
    };
    std::vector<int> places { onArea(home) };
    for (const int end : { onArea(areaStart), onArea(areaStart + areaSize) })
        if (std::find(places.begin(), places.end(), end) == places.end())
            places.push_back(end);
    return places;
}

QRect frameOf(const WindowOnScreen& window, QPoint clientTopLeft)
{
    return QRect(clientTopLeft, window.home.size()) + window.frame;
}

// What a choice of places costs, least first: keep-clear parts hidden by another window, then
// the windows' overlap, then how far they are from home.
using Cost = std::tuple<long long, long long, long long>;

Cost costOf(const std::vector<WindowOnScreen>& windows, const std::vector<QPoint>& places,
    const std::vector<QPoint>& fitted)
{
    long long hidden = 0, overlap = 0, distance = 0;
    for (std::size_t a = 0; a < windows.size(); ++a) {
        distance
            += std::abs(places[a].x() - fitted[a].x()) + std::abs(places[a].y() - fitted[a].y());
        for (std::size_t b = 0; b < windows.size(); ++b) {
            if (a == b)
                continue;
            const QRect cover = frameOf(windows[b], places[b]);
            for (const QRect& part : windows[a].keepClear)
                hidden += area(part.translated(places[a]).intersected(cover));
            if (a < b)
                overlap += area(frameOf(windows[a], places[a]).intersected(cover));
        }
    }
    return { hidden, overlap, distance };
}

} // namespace

std::vector<QPoint> arrange(const std::vector<WindowOnScreen>& windows, const QRect& available)
{
    // Each window's candidate places, the first being its home moved onto the screen.
    std::vector<std::vector<QPoint>> candidates;
    std::vector<QPoint> fitted;
    for (const WindowOnScreen& window : windows) {
        const QRect home = window.home + window.frame;
        const QPoint toClient(window.frame.left(), window.frame.top());
        std::vector<QPoint> places;
        for (const int y : framePlaces(home.y(), home.height(), available.y(), available.height()))
            for (const int x :
                framePlaces(home.x(), home.width(), available.x(), available.width()))
                places.push_back(QPoint(x, y) + toClient);
        const QPoint homeOnScreen
            = QPoint(framePlaces(home.x(), home.width(), available.x(), available.width())[0],
                  framePlaces(home.y(), home.height(), available.y(), available.height())[0])
            + toClient;
        fitted.push_back(homeOnScreen);
        candidates.push_back(places);
    }
    if (windows.size() > mostArrangedTogether || available.isEmpty())
        return fitted;

    std::vector<QPoint> best = fitted, places(windows.size());
    Cost bestCost = costOf(windows, fitted, fitted);
    std::vector<std::size_t> choice(windows.size(), 0);
    while (true) {
        for (std::size_t i = 0; i < windows.size(); ++i)
            places[i] = candidates[i][choice[i]];
        if (const Cost cost = costOf(windows, places, fitted); cost < bestCost) {
            bestCost = cost;
            best = places;
        }
        std::size_t i = 0;
        while (i < choice.size() && ++choice[i] == candidates[i].size())
            choice[i++] = 0;
        if (i == choice.size())
            break;
    }
    return best;
}

WindowArrangement& WindowArrangement::instance()
{
    static auto* arrangement = new WindowArrangement;
    return *arrangement;
}

WindowArrangement::WindowArrangement()
    : QObject(qApp)
{
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watch(screen);
        arrangeSoon();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, &WindowArrangement::arrangeSoon);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, &WindowArrangement::arrangeSoon);
}

void WindowArrangement::watch(QScreen* screen)
{
    connect(screen, &QScreen::availableGeometryChanged, this, &WindowArrangement::arrangeSoon);
}

void WindowArrangement::add(ArrangedWindow& window)
{
    windows_.push_back(&window);
}

void WindowArrangement::remove(ArrangedWindow& window)
{
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
}

void WindowArrangement::arrangeSoon()
{
    if (pending_)
        return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (pending_)
            arrangeNow();
    });
}

void WindowArrangement::arrangeNow()
{
    pending_ = false;
    // Each screen's windows together, on that screen's available area.
    std::map<QScreen*, std::vector<ArrangedWindow*>> byScreen;
    for (ArrangedWindow* window : windows_)
        byScreen[window->homeScreen()].push_back(window);
    for (const auto& [screen, windows] : byScreen) {
        if (!screen)
            continue;
        std::vector<WindowOnScreen> seen;
        for (const ArrangedWindow* window : windows)
            seen.push_back(window->onScreen());
        const std::vector<QPoint> places = arrange(seen, screen->availableGeometry());
        for (std::size_t i = 0; i < windows.size(); ++i)
            windows[i]->placeAt(places[i]);
    }
}

} // namespace zorvik

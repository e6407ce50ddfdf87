// SPDX-License-Identifier: MIT
// The game as players with other needs meet it: through a screen reader (the accessibility tree
// read over AT-SPI), under a dark or light desktop theme, on dense screens and with large fonts.
#include "game_view.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <future>
#include <map>
#include <sstream>

namespace zorvik::e2e {
namespace {

// What atspi_probe.py reads: the program's windows and every label in them.
struct AccessibleWindow {
    std::string role, name, description;
    Rect box;
};
struct AccessibleLabel {
    std::string window, name, text;
    Rect box;
    std::optional<Rect> textBox; // from its first to its last character
};
struct AccessibleTree {
    std::vector<AccessibleWindow> windows;
    std::vector<AccessibleLabel> labels;

    const AccessibleWindow* window(const std::string& name) const
    {
        const auto found = std::find_if(windows.begin(), windows.end(),
            [&](const AccessibleWindow& window) { return window.name == name; });
        return found == windows.end() ? nullptr : &*found;
    }
    std::string text(const std::string& window, const std::string& label) const
    {
        for (const AccessibleLabel& found : labels)
            if (found.window == window && found.name == label)
                return found.text;
        return "(no label named " + label + ")";
    }
};

bool isNumber(const std::string& text)
{
    return !text.empty()
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        out.push_back(field);
    return out;
}

std::optional<Rect> rect(const std::string& text)
{
    Rect r;
    std::istringstream in(text);
    if (!(in >> r.x >> r.y >> r.width >> r.height))
        return std::nullopt;
    return r;
}

std::vector<std::string> probe(const Session& x, const std::vector<std::string>& args)
{
    std::vector<std::string> command { ZORVIK_SYSTEM_PYTHON, ZORVIK_ATSPI_PROBE };
    command.insert(command.end(), args.begin(), args.end());
    std::vector<std::string> lines;
    std::istringstream out(x.captureTool(command));
    for (std::string line; std::getline(out, line);)
        lines.push_back(line);
    return lines;
}

AccessibleTree readTree(const Session& x)
{
    AccessibleTree tree;
    for (const std::string& line : probe(x, { "tree", std::to_string(x.gamePid()) })) {
        const auto f = fields(line);
        if (f.size() == 5 && f[0] == "window")
            tree.windows.push_back({ f[1], f[2], f[3], rect(f[4]).value_or(Rect {}) });
        else if (f.size() == 6 && f[0] == "label")
            tree.labels.push_back({ f[1], f[2], f[3], rect(f[4]).value_or(Rect {}), rect(f[5]) });
    }
    return tree;
}

// The tree once both play windows are on the accessibility bus.
AccessibleTree waitForTree(const Session& x)
{
    AccessibleTree tree;
    waitUntil(
        [&] {
            tree = readTree(x);
            return tree.window("Zorvik!") && tree.window("Zorvik Again!");
        },
        10s, 200ms);
    return tree;
}

// Text and name changes a listening reader is told of in each window over the time given.
std::map<std::string, int> countEvents(const Session& x, double seconds)
{
    std::map<std::string, int> counts;
    for (const std::string& line :
        probe(x, { "events", std::to_string(x.gamePid()), std::to_string(seconds) })) {
        const auto f = fields(line);
        if (f.size() == 3 && f[0] == "events")
            counts[f[1]] = std::stoi(f[2]);
    }
    return counts;
}

bool inside(const Rect& inner, const Rect& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y
        && inner.x + inner.width <= outer.x + outer.width
        && inner.y + inner.height <= outer.y + outer.height;
}

bool overlap(const Rect& a, const Rect& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height
        && b.y < a.y + a.height;
}

std::string show(const Rect& r)
{
    return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) + "x"
        + std::to_string(r.height);
}

SessionOptions withScreenReader()
{
    SessionOptions options;
    options.accessibility = Accessibility::Read;
    return options;
}

// Each window's labels as a reader finds them: name, then text.
using Labels = std::vector<std::pair<std::string, std::string>>;

Labels labelsOf(const AccessibleTree& tree, const std::string& window)
{
    Labels labels;
    for (const AccessibleLabel& label : tree.labels)
        if (label.window == window)
            labels.emplace_back(label.name, label.text);
    std::sort(labels.begin(), labels.end());
    return labels;
}

// A reader finds both windows as frames named by their captions, the prompt as the window's
// description, every label by the text it shows and the score values by what they are; after
// a game the "Game Over" alert tells the final score, which becomes the high score.
TEST(ScreenReader, ReadsWindowsLabelsAndTheGameOverAlert)
{
    Session x(withScreenReader());
    x.startGame();
    const AccessibleTree tree = waitForTree(x);
    const struct {
        const char* window;
        const char* prompt;
    } windows[] = { { "Zorvik!", "PRESS THE ENTER BUTTON TO START" },
        { "Zorvik Again!", "PRESS ENTER TO START" } };
    for (const auto& [name, prompt] : windows) {
        SCOPED_TRACE(name);
        const AccessibleWindow* window = tree.window(name);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->role, "frame");
        EXPECT_EQ(window->description, prompt);
        Labels expected { { "High Score", "0" }, { "High Score:", "High Score:" }, { "Score", "0" },
            { "Score:", "Score:" }, { prompt, prompt } };
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(labelsOf(tree, name), expected);
    }

    const Window tower = x.waitForWindow("Zorvik!");
    x.key(tower, "Return");
    std::optional<Window> box;
    ASSERT_TRUE(waitUntil([&] { return (box = x.boxOf(tower)).has_value(); }, longestGame));
    AccessibleTree over;
    const AccessibleWindow* alert = nullptr;
    waitUntil(
        [&] {
            over = readTree(x);
            alert = over.window("Zorvik");
            return alert != nullptr;
        },
        5s, 100ms);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->role, "alert");
    const std::string finalScore = over.text("Zorvik!", "Score");
    EXPECT_TRUE(isNumber(finalScore) && finalScore != "0") << finalScore;
    EXPECT_EQ(alert->description, "Final score: " + finalScore);
    EXPECT_EQ(over.window("Zorvik!")->description, "") << "no prompt while the game is on";
    EXPECT_TRUE(
        std::any_of(over.labels.begin(), over.labels.end(), [](const AccessibleLabel& label) {
            return label.window == "Zorvik" && label.name == "Game Over";
        }));

    x.key(*box, "Return");
    ASSERT_TRUE(x.waitForNoWindow("Zorvik"));
    const AccessibleTree after = readTree(x);
    EXPECT_EQ(after.text("Zorvik!", "High Score"), finalScore);
    EXPECT_EQ(after.text("Zorvik!", "Score"), "0");
    EXPECT_EQ(after.window("Zorvik!")->description, "PRESS THE ENTER BUTTON TO START");
}

// While both windows play, a reader asking for the score gets the current one, but is told of
// changes only a few times a second: no window floods it 64 times a second, and none is silent.
TEST(ScreenReader, HearsScoresChangeAtAPaceAPersonCanFollow)
{
    Session x(withScreenReader());
    x.startGame();
    ASSERT_TRUE(waitForTree(x).window("Zorvik!"));
    const Window tower = x.waitForWindow("Zorvik!");
    const Window hopper = x.waitForWindow("Zorvik Again!");
    // Up now and then keeps both balls in the air: games of many seconds.
    const auto keepPlaying = [&] {
        x.key(tower, "Up");
        x.key(hopper, "Up");
    };
    // Up before Return: the ball leaps on the first tick, however late a slow machine is.
    x.key(tower, "Up");
    x.key(tower, "Return");
    x.key(hopper, "Up");
    x.key(hopper, "Return");

    constexpr double seconds = 6;
    constexpr int mostPerSecond = 4;
    auto events = std::async(std::launch::async, [&] { return countEvents(x, seconds); });
    // Per window: the last score read in the running game, and whether a read ever rose.
    struct Reading {
        const char* window = nullptr;
        Window id = 0;
        std::optional<long> last;
        int reads = 0;
        bool rose = false;
    };
    std::array<Reading, 2> readings;
    readings[0].window = "Zorvik!";
    readings[0].id = tower;
    readings[1].window = "Zorvik Again!";
    readings[1].id = hopper;
    while (events.wait_for(700ms) != std::future_status::ready) {
        keepPlaying();
        const AccessibleTree tree = readTree(x);
        for (Reading& reading : readings) {
            // A game that ran out (a slow, sanitized game can) is started again: the score
            // read must follow the new game from 0.
            if (const auto box = x.boxOf(reading.id)) {
                x.key(*box, "Return");
                x.key(reading.id, "Up");
                x.key(reading.id, "Return");
                reading.last.reset();
                continue;
            }
            const std::string score = tree.text(reading.window, "Score");
            if (!isNumber(score))
                continue;
            const long now = std::stol(score);
            ++reading.reads;
            if (reading.last) {
                EXPECT_GE(now, *reading.last) << reading.window << ": a score read never goes back";
                reading.rose = reading.rose || now > *reading.last;
            }
            reading.last = now;
        }
    }
    const auto counts = events.get();
    for (const Reading& reading : readings) {
        SCOPED_TRACE(reading.window);
        ASSERT_GE(reading.reads, 3);
        EXPECT_TRUE(reading.rose) << "the score read is the current one";
        ASSERT_TRUE(counts.count(reading.window));
        EXPECT_GE(counts.at(reading.window), 1) << "score changes are told";
        EXPECT_LE(counts.at(reading.window), mostPerSecond * seconds) << "but not every tick";
    }
}

// WCAG's contrast ratio of two colours, 0xRRGGBB.
double contrast(unsigned a, unsigned b)
{
    const auto luminance = [](unsigned rgb) {
        const auto linear = [](unsigned channel) {
            const double c = channel / 255.0;
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF)
            + 0.0722 * linear(rgb & 0xFF);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

unsigned background(const Frame& frame)
{
    std::map<unsigned, int> counts;
    for (int y = 0; y < frame.height(); y += 2)
        for (int x = 0; x < frame.width(); x += 2)
            ++counts[frame.at(x, y)];
    return std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
        return a.second < b.second;
    })->first;
}

// The strongest contrast any pixel of the box makes with the background: a label's strokes.
double strongestContrast(const Frame& frame, const LabelBox& box, unsigned behind)
{
    double best = 1;
    for (int y = box.y; y < box.y + box.height; ++y)
        for (int x = box.x; x < box.x + box.width; ++x)
            best = std::max(best, contrast(frame.at(x, y), behind));
    return best;
}

// Under a dark desktop theme the ball, the platforms and the labels stand out at least 3:1
// from the window; under a light one the shapes are pure black, as the layouts draw them.
TEST(Themes, ShapesAndLabelsStandOutOnDarkAndLightPalettes)
{
    const struct {
        const char* theme;
        bool dark;
    } themes[] = { { "Adwaita:dark", true }, { "Adwaita", false } };
    for (const auto& [theme, dark] : themes) {
        SCOPED_TRACE(theme);
        SessionOptions options;
        options.gameEnvironment
            = { "QT_QPA_PLATFORMTHEME=gtk3", std::string("GTK_THEME=") + theme };
        Session x(options);
        x.startGame();
        const struct {
            const char* window;
            std::pair<int, int> ball, platform;
            LabelBox prompt, score;
        } windows[] = {
            { "Zorvik!", { 205, 356 }, { 201, 487 }, towerPrompt, towerScore },
            { "Zorvik Again!", { 244, 244 }, { 236, 412 }, hopperPrompt, hopperScore },
        };
        for (const auto& [name, ball, platform, prompt, score] : windows) {
            SCOPED_TRACE(name);
            const Frame frame = x.grab(x.waitForWindow(name));
            const unsigned behind = background(frame);
            EXPECT_EQ(contrast(0, behind) < 3, dark) << "the theme took: " << std::hex << behind;
            for (const auto& [px, py] : { ball, platform }) {
                const unsigned shape = frame.at(px, py);
                EXPECT_GE(contrast(shape, behind), 3.0) << std::hex << shape << " on " << behind;
                if (!dark) {
                    EXPECT_EQ(shape, 0x000000u) << std::hex << shape;
                }
            }
            EXPECT_GE(strongestContrast(frame, prompt, behind), 3.0);
            EXPECT_GE(strongestContrast(frame, score, behind), 3.0);
        }
    }
}

constexpr double ballRadius = 41 / 2.0;

// The game at Qt's scales 1, 1.5 and 2, and with fonts at 192 dpi on an unscaled screen:
// windows at their places and sizes times the scale; a ball with crisp, antialiased edges at
// its place times the scale; and every label whole, inside its window, clear of the others.
TEST(Scales, PlacesSizesAndLabelsHoldAtEveryScale)
{
    const struct {
        const char* name;
        double scale;
        std::vector<std::string> environment;
        int screenWidth = 0, screenHeight = 0; // 0: 1280 x 800 times the scale
    } rows[] = {
        { "scale 1", 1, {} },
        { "scale 1.5", 1.5, { "QT_SCALE_FACTOR=1.5" } },
        { "scale 2", 2, { "QT_SCALE_FACTOR=2" } },
        { "fonts at 192 dpi", 1, { "QT_ENABLE_HIGHDPI_SCALING=0", "QT_FONT_DPI=192" } },
        // Too small for the fixed places: each window moves just enough, the tower's top row
        // and title stay on screen.
        { "1920 x 1080 at scale 2", 2, { "QT_SCALE_FACTOR=2" }, 1920, 1080 },
    };
    for (const auto& [name, scale, environment, screenWidth, screenHeight] : rows) {
        SCOPED_TRACE(name);
        SessionOptions options = withScreenReader();
        options.screenWidth = screenWidth ? screenWidth : static_cast<int>(1280 * scale);
        options.screenHeight = screenHeight ? screenHeight : static_cast<int>(800 * scale);
        options.gameEnvironment = environment;
        Session x(options);
        x.startGame();
        const auto scaled = [&](double v) { return static_cast<int>(std::lround(v * scale)); };
        const struct {
            const char* window;
            Rect client;
            std::pair<double, double> ballHome;
        } windows[] = { { "Zorvik!", { 121, 32, 414, 548 }, towerBallHome },
            { "Zorvik Again!", { 626, 59, 477, 439 }, hopperBallHome } };
        for (const auto& [window, client, home] : windows) {
            SCOPED_TRACE(window);
            const Window id = x.waitForWindow(window);
            const Rect placed = x.clientRect(id);
            const auto fit = [](int place, int size, int screen) {
                return std::max(0, std::min(place, screen - size));
            };
            const int width = scaled(client.width), height = scaled(client.height);
            EXPECT_EQ(show(placed),
                show({ fit(scaled(client.x), width, options.screenWidth),
                    fit(scaled(client.y), height, options.screenHeight), width, height }));
            if (screenWidth)
                continue; // the windows overlap there: the pixels of one hide the other's
            const Frame frame = x.grab(id);
            const auto ball = frame.ballCentre(scale);
            ASSERT_TRUE(ball);
            // A platform dealt against the ball at load joins its columns and shifts the
            // measured centre by up to half its height, as at scale 1.
            EXPECT_NEAR(ball->first, home.first * scale, 1.5 * scale);
            EXPECT_NEAR(ball->second, home.second * scale, 5 * scale);
            // Out from the ball's centre along its middle row and column, each edge goes from
            // black to the background through at most one part-covered pixel: drawn at the
            // scale, not a blurred enlargement, which spreads every edge over two or more. A
            // platform against the ball can blur one edge's count, so two edges of the four
            // must be crisp.
            const unsigned behind = background(frame);
            const int reach = static_cast<int>(std::ceil(ballRadius * scale)) + 2;
            const int middleCol = static_cast<int>(std::lround(ball->first));
            const int middleRow = static_cast<int>(std::lround(ball->second));
            const auto partCoveredAtEdge = [&](int dx, int dy) {
                int col = middleCol, row = middleRow;
                for (int step = 0; frame.at(col, row) == 0 && step <= 2 * reach; ++step) {
                    col += dx;
                    row += dy;
                }
                int partCovered = 0;
                for (unsigned pixel = frame.at(col, row); pixel != behind && pixel != 0;) {
                    if (++partCovered > reach)
                        break;
                    col += dx;
                    row += dy;
                    pixel = frame.at(col, row);
                }
                return partCovered;
            };
            const std::array<int, 4> edges { partCoveredAtEdge(-1, 0), partCoveredAtEdge(1, 0),
                partCoveredAtEdge(0, -1), partCoveredAtEdge(0, 1) };
            const auto crisp
                = std::count_if(edges.begin(), edges.end(), [](int n) { return n <= 1; });
            EXPECT_GE(*std::max_element(edges.begin(), edges.end()), 1) << "antialiased";
            EXPECT_GE(crisp, 2) << "part-covered pixels at the edges: " << edges[0] << ", "
                                << edges[1] << ", " << edges[2] << ", " << edges[3];
        }

        const AccessibleTree tree = waitForTree(x);
        ASSERT_EQ(tree.labels.size(), 10u);
        for (const AccessibleLabel& label : tree.labels) {
            SCOPED_TRACE(label.window + ": " + label.text);
            const AccessibleWindow* window = tree.window(label.window);
            ASSERT_TRUE(window);
            EXPECT_TRUE(inside(label.box, window->box))
                << show(label.box) << " in " << show(window->box);
            ASSERT_TRUE(label.textBox) << "the label offers its text";
            EXPECT_TRUE(inside(*label.textBox, label.box))
                << show(*label.textBox) << " in " << show(label.box);
            for (const AccessibleLabel& other : tree.labels)
                if (&other != &label && other.window == label.window && other.textBox) {
                    EXPECT_FALSE(overlap(*label.textBox, *other.textBox)) << other.text;
                }
        }
    }
}

} // namespace
} // namespace zorvik::e2e

// SPDX-License-Identifier: MIT
// The game as players with other needs meet it: through a screen reader (the accessibility tree
// read over AT-SPI), under a dark or light desktop theme, on dense screens and with large fonts.
#include "ball_keeper.h"
#include "game_test.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace zorvik::e2e {
namespace {

SessionOptions withReader()
{
    SessionOptions options;
    options.accessibility = Accessibility::Read;
    return options;
}

bool isNumber(const std::string& text)
{
    return !text.empty()
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Each window's labels as a reader finds them: name, then text.
using Labels = std::vector<std::pair<std::string, std::string>>;

Labels labelsOf(const AccessibleWindow& window)
{
    Labels labels;
    for (const AccessibleLabel& label : window.labels)
        labels.emplace_back(label.name, label.text);
    std::sort(labels.begin(), labels.end());
    return labels;
}

// The game's words in a language, as the desktop's locale asks for it.
struct Language {
    const char* locale; // LANG
    const char* towerPrompt;
    const char* hopperPrompt;
    const char* scoreLabel;
    const char* highScoreLabel;
    const char* score; // the values' names
    const char* highScore;
    const char* gameOver;
    const char* finalScore; // %1 the score
    const char* boxName; // of the tower's box
    const char* helpLine; // --sound's, in --help
};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.locale;
}

std::string withNumber(std::string text, const std::string& number)
{
    return text.replace(text.find("%1"), 2, number);
}

// Every label whole, inside its window, its text clear of the others'.
void expectLabelsWholeAndApart(const GameTree& tree)
{
    std::size_t labels = 0;
    for (const char* window : { "Zorvik!", "Zorvik Again!" }) {
        const AccessibleWindow* read = tree.window(window);
        ASSERT_TRUE(read);
        for (const AccessibleLabel& label : read->labels) {
            SCOPED_TRACE(std::string(window) + ": " + label.text);
            ++labels;
            EXPECT_TRUE(label.box.inside(read->box)) << label.box << " in " << read->box;
            ASSERT_TRUE(label.textBox) << "the label offers its text";
            EXPECT_TRUE(label.textBox->inside(label.box)) << *label.textBox << " in " << label.box;
            for (const AccessibleLabel& other : read->labels)
                if (&other != &label && other.textBox) {
                    EXPECT_FALSE(label.textBox->overlaps(*other.textBox)) << other.text;
                }
        }
    }
    EXPECT_EQ(labels, 10u);
}

class Translated : public testing::TestWithParam<Language> { };

// In the desktop's language, a reader finds both windows as frames named by their captions,
// the prompt as the window's description, every label by the text it shows and the score
// values by what they are; after a game the "Game Over" alert, named for its window, shows the
// final score, which becomes the high score. Every label fits, at scales 1 and 2, and --help
// speaks the language too.
TEST_P(Translated, ScreenReaderReadsWindowsLabelsAndTheGameOverAlert)
{
    const Language& words = GetParam();
    SessionOptions options = withReader();
    options.gameEnvironment = { std::string("LANG=") + words.locale };
    Session x(options);
    x.startGame();
    const GameTree tree = x.reader().tree();
    const struct {
        const char* window;
        const char* prompt;
    } windows[] = { { "Zorvik!", words.towerPrompt }, { "Zorvik Again!", words.hopperPrompt } };
    for (const auto& [name, prompt] : windows) {
        SCOPED_TRACE(name);
        const AccessibleWindow* window = tree.window(name);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->role, "frame");
        EXPECT_EQ(window->description, prompt);
        Labels expected { { words.highScore, "0" }, { words.highScoreLabel, words.highScoreLabel },
            { words.score, "0" }, { words.scoreLabel, words.scoreLabel }, { prompt, prompt } };
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(labelsOf(*window), expected);
    }
    expectLabelsWholeAndApart(tree);

    const Window tower = x.waitForWindow("Zorvik!");
    x.key(tower, "Return");
    std::optional<Window> box;
    ASSERT_TRUE(waitUntil([&] { return (box = x.boxOf(tower)).has_value(); }, longestGame));
    GameTree over;
    ASSERT_TRUE(
        waitUntil([&] { return (over = x.reader().tree()).window(words.boxName); }, 5s, 50ms));
    const AccessibleWindow& alert = *over.window(words.boxName);
    EXPECT_EQ(alert.role, "alert");
    const std::string finalScore = over.window("Zorvik!")->text(words.score);
    EXPECT_TRUE(isNumber(finalScore) && finalScore != "0") << finalScore;
    // The final score under "Game Over", where a review of the box reads it.
    const std::string shown = words.gameOver + (" " + withNumber(words.finalScore, finalScore));
    EXPECT_EQ(alert.text(shown), shown);
    EXPECT_FALSE(over.window("Zorvik!")->promptShown()) << "no prompt while the game is on";

    x.key(*box, "Return");
    ASSERT_TRUE(x.waitForNoWindow("Zorvik"));
    AccessibleWindow after;
    EXPECT_TRUE(waitUntil(
        [&] {
            after = x.reader().window("Zorvik!").value_or(AccessibleWindow {});
            return after.promptShown();
        },
        2s, 20ms));
    EXPECT_EQ(after.text(words.highScore), finalScore);
    EXPECT_EQ(after.text(words.score), "0");
    EXPECT_EQ(after.description, words.towerPrompt);

    if (std::string(words.locale) != "C.UTF-8") { // the English labels: see Scales
        SCOPED_TRACE("scale 2");
        options.gameEnvironment.push_back("QT_SCALE_FACTOR=2");
        options.screenWidth = 2 * 1280;
        options.screenHeight = 2 * 800;
        Session scaled(options);
        scaled.startGame();
        expectLabelsWholeAndApart(scaled.reader().tree());
    }

    const std::string printed = x.captureTool({ "env", std::string("LANG=") + words.locale,
        "LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", gameBinary(), "--help" });
    EXPECT_NE(printed.find(words.helpLine), std::string::npos) << printed;
}

const Language languages[] = {
    { "C.UTF-8", "PRESS THE ENTER BUTTON TO START", "PRESS ENTER TO START",
        "Score:", "High Score:", "Score", "High Score", "Game Over", "Final score: %1",
        "Zorvik!: Game Over", "Zorvik, a keyboard-driven arcade game in two windows: the tower\n" },
    { "de_DE.UTF-8", "ZUM STARTEN EINGABETASTE DRÜCKEN", "ZUM STARTEN ENTER DRÜCKEN", "Punkte:",
        "Rekord:", "Punkte", "Rekord", "Spiel vorbei", "Ergebnis: %1", "Zorvik!: Spiel vorbei",
        "Zorvik, ein Arcade-Spiel für die Tastatur in zwei Fenstern: der Turm\n" },
    { "fr_FR.UTF-8", "APPUYEZ SUR ENTRÉE POUR COMMENCER", "TAPEZ ENTRÉE POUR COMMENCER",
        "Score :", "Record :", "Score", "Record", "Partie terminée", "Score final : %1",
        "Zorvik! : Partie terminée", "Zorvik, un jeu d'arcade au clavier en deux fenêtres" },
    { "es_ES.UTF-8", "PULSE LA TECLA INTRO PARA EMPEZAR", "PULSE INTRO PARA EMPEZAR",
        "Puntos:", "Récord:", "Puntos", "Récord", "Fin de la partida", "Puntuación final: %1",
        "Zorvik!: Fin de la partida",
        "Zorvik, un juego de arcade para teclado en dos ventanas: la torre\n" },
    { "pt_BR.UTF-8", "APERTE A TECLA ENTER PARA COMEÇAR", "APERTE ENTER PARA COMEÇAR",
        "Pontos:", "Recorde:", "Pontos", "Recorde", "Fim de jogo", "Pontuação final: %1",
        "Zorvik!: Fim de jogo",
        "Zorvik, um jogo de arcade controlado pelo teclado, em duas janelas: a torre\n" },
    { "ja_JP.UTF-8", "Enterキーを押してスタート", "Enterでスタート", "スコア:", "ハイスコア:",
        "スコア", "ハイスコア", "ゲームオーバー", "最終スコア: %1", "Zorvik!: ゲームオーバー",
        "Zorvik は、2 つのウィンドウで遊ぶキーボード操作のアーケードゲームです。\n" },
    { "ar_EG.UTF-8", "اضغط مفتاح Enter للبدء", "اضغط Enter للبدء",
        "النتيجة:", "أعلى نتيجة:", "النتيجة", "أعلى نتيجة", "انتهت اللعبة", "النتيجة النهائية: %1",
        "Zorvik!: انتهت اللعبة", "Zorvik لعبة آركيد تلعب بلوحة المفاتيح في نافذتين" },
};
INSTANTIATE_TEST_SUITE_P(Languages, Translated, testing::ValuesIn(languages),
    [](const testing::TestParamInfo<Language>& row) {
        const std::string locale = row.param.locale;
        return locale.substr(0, locale.find('.'));
    });

// While both windows play, a reader asking for the score gets the current one, but is told of
// changes only a few times a second: no window floods it 64 times a second, and none is silent.
TEST(ScreenReader, HearsScoresChangeAtAPaceAPersonCanFollow)
{
    Session x(withReader());
    x.startGame();
    x.reader().listen();
    BallKeeper player(x);
    ASSERT_TRUE(player.startGames());
    constexpr int mostPerSecond = 4;
    // Per window: the last score read in the running game, and whether a read ever rose.
    struct Reading {
        const char* window;
        std::optional<long> last;
        int reads = 0;
        bool rose = false;
    };
    std::array<Reading, 2> readings { { { "Zorvik!", {} }, { "Zorvik Again!", {} } } };
    x.reader().takeChangeCounts();
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < start + 6s) {
        sleepFor(300ms);
        player.leapIfDue();
        // A game that ran out (a slow, sanitized game can) is started again: the score read
        // must follow the new game from 0.
        for (const Window restarted : player.restartLostGames())
            readings[restarted == x.waitForWindow("Zorvik!") ? 0 : 1].last.reset();
        const GameTree tree = x.reader().tree();
        for (Reading& reading : readings) {
            const AccessibleWindow* window = tree.window(reading.window);
            const std::string score = window ? window->text("Score") : "";
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
    const auto counts = x.reader().takeChangeCounts();
    const double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const Reading& reading : readings) {
        SCOPED_TRACE(reading.window);
        ASSERT_GE(reading.reads, 3);
        EXPECT_TRUE(reading.rose) << "the score read is the current one";
        ASSERT_TRUE(counts.count(reading.window));
        EXPECT_GE(counts.at(reading.window), 1) << "score changes are told";
        EXPECT_LE(counts.at(reading.window), mostPerSecond * seconds) << "but not every tick";
    }
}

// At --speed 50 both windows tick 32 times a second. The score, one a tick, counts a game's
// ticks; a busy machine makes ticks late but never closer than a period, so a game holds no
// more than 32 a second of the time from its Return to its box, plus the first.
TEST(ScreenReader, SlowerGameTicksAtItsSpeed)
{
    Session x({ .accessibility = Accessibility::Read, .gameArguments = { "--speed", "50" } });
    x.startGame();
    for (const char* name : { "Zorvik!", "Zorvik Again!" }) {
        SCOPED_TRACE(name);
        const Window window = x.waitForWindow(name);
        x.focus(window);
        const auto start = std::chrono::steady_clock::now();
        x.type({ "key", "Return" });
        ASSERT_TRUE(waitUntil([&] { return x.boxOf(window).has_value(); }, 2 * longestGame));
        const std::chrono::duration<double> played = std::chrono::steady_clock::now() - start;
        const std::string ticks = x.reader().text(name, "Score");
        ASSERT_TRUE(isNumber(ticks)) << ticks;
        EXPECT_LE(std::stol(ticks), 32 * played.count() + 1) << "in " << played.count() << " s";
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
double strongestContrast(const Frame& frame, const Rect& box, unsigned behind)
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
        SessionOptions options = withReader();
        options.gameEnvironment
            = { "QT_QPA_PLATFORMTHEME=gtk3", std::string("GTK_THEME=") + theme };
        Session x(options);
        x.startGame();
        const GameTree tree = x.reader().tree();
        for (const char* name : { "Zorvik!", "Zorvik Again!" }) {
            SCOPED_TRACE(name);
            const AccessibleWindow* window = tree.window(name);
            ASSERT_TRUE(window && window->ball() && !window->platforms().empty());
            const Frame frame = x.grab(x.waitForWindow(name));
            const unsigned behind = background(frame);
            EXPECT_EQ(contrast(0, behind) < 3, dark) << "the theme took: " << std::hex << behind;
            // The ball, and bricks(0) or the hopper's brick.
            for (const Rect& shape : { *window->ball(), window->platforms().back() }) {
                const Point middle = shape.centre();
                const unsigned pixel
                    = frame.at(static_cast<int>(middle.x), static_cast<int>(middle.y));
                EXPECT_GE(contrast(pixel, behind), 3.0) << std::hex << pixel << " on " << behind;
                if (!dark) {
                    EXPECT_EQ(pixel, 0x000000u) << std::hex << pixel;
                }
            }
            for (const AccessibleLabel& label : window->labels) {
                SCOPED_TRACE(label.name);
                ASSERT_TRUE(label.textBox);
                EXPECT_GE(
                    strongestContrast(frame, label.textBox->relativeTo(window->box), behind), 3.0);
            }
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
        // Too small for the fixed places: the windows move onto the screen side by side, the
        // tower's top row and title on screen.
        { "1920 x 1080 at scale 2", 2, { "QT_SCALE_FACTOR=2" }, 1920, 1080 },
    };
    for (const auto& [name, scale, environment, screenWidth, screenHeight] : rows) {
        SCOPED_TRACE(name);
        SessionOptions options = withReader();
        options.screenWidth = screenWidth ? screenWidth : static_cast<int>(1280 * scale);
        options.screenHeight = screenHeight ? screenHeight : static_cast<int>(800 * scale);
        options.gameEnvironment = environment;
        Session x(options);
        x.startGame();
        const GameTree tree = x.reader().tree();
        const auto scaled = [&](double v) { return static_cast<int>(std::lround(v * scale)); };
        const struct {
            const char* window;
            Rect client;
            Point ballHome;
        } windows[] = { { "Zorvik!", { 121, 32, 414, 548 }, towerBallHome },
            { "Zorvik Again!", { 626, 59, 477, 439 }, hopperBallHome } };
        for (const auto& [window, client, home] : windows) {
            SCOPED_TRACE(window);
            const Window id = x.waitForWindow(window);
            const int width = scaled(client.width), height = scaled(client.height);
            const Rect placed = x.clientRect(id);
            if (screenWidth) {
                // On the screen, side by side, a window taller than the screen from its top.
                EXPECT_EQ(placed.width, width);
                EXPECT_EQ(placed.height, height);
                EXPECT_TRUE(placed.x >= 0 && placed.x + width <= options.screenWidth);
                EXPECT_TRUE(
                    placed.y == 0 || (placed.y > 0 && placed.y + height <= options.screenHeight));
                const Window other = x.waitForWindow(
                    id == x.waitForWindow("Zorvik!") ? "Zorvik Again!" : "Zorvik!");
                const Rect beside = x.clientRect(other);
                EXPECT_TRUE(
                    placed.x + placed.width <= beside.x || beside.x + beside.width <= placed.x);
                continue;
            }
            EXPECT_EQ(placed, (Rect { scaled(client.x), scaled(client.y), width, height }));
            // The tree tells where the ball is in the game's own pixels, the screen's are
            // the scale times as many.
            const AccessibleWindow* read = tree.window(window);
            ASSERT_TRUE(read && read->ball());
            const Point ball = read->ball()->centre();
            EXPECT_NEAR(ball.x * scale, home.x * scale, scale);
            EXPECT_NEAR(ball.y * scale, home.y * scale, scale);
            // Out from the ball's centre along its middle row and column, each edge goes from
            // black to the background through at most one part-covered pixel: drawn at the
            // scale, not a blurred enlargement, which spreads every edge over two or more. A
            // platform against the ball can blur one edge's count, so two edges of the four
            // must be crisp.
            const Frame frame = x.grab(id);
            const unsigned behind = background(frame);
            const int reach = static_cast<int>(std::ceil(ballRadius * scale)) + 2;
            const int middleCol = static_cast<int>(std::lround(ball.x * scale));
            const int middleRow = static_cast<int>(std::lround(ball.y * scale));
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

        expectLabelsWholeAndApart(tree);
    }
}

} // namespace
} // namespace zorvik::e2e

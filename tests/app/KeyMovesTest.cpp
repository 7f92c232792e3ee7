#include "app/KeyMoves.h"

#include <gtest/gtest.h>
#include <optional>

using namespace horavine;

namespace {

constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers kMain = Qt::NoModifier;
// A 1366 x 768 screen less a 40-pixel panel.
const Monitor kScreen{{0, 0, 1366, 768}, {0, 0, 1366, 728}};
constexpr int kSize = 400;
const QPoint kFrom(100, 50);

struct MoveCase
{
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    std::optional<QPoint> placed; // nothing: the clock stays where it is
};

TEST(KeyMoves, EveryKeyOfTheTableOnA1366By728WorkArea)
{
    // W - S + 1 = 967, H - S = 328, (W - S) / 2 = 483, (H - S) / 2 = 164.
    const MoveCase cases[] = {
        // numeric pad, Num Lock on
        {"pad 7", Qt::Key_7, kPad, QPoint(-1, -1)},
        {"pad 8", Qt::Key_8, kPad, QPoint(100, -1)},
        {"pad 9", Qt::Key_9, kPad, QPoint(967, -1)},
        {"pad 4", Qt::Key_4, kPad, QPoint(-1, 50)},
        {"pad 5", Qt::Key_5, kPad, QPoint(483, 164)},
        {"pad 6", Qt::Key_6, kPad, QPoint(967, 50)},
        {"pad 1", Qt::Key_1, kPad, QPoint(0, 328)},
        {"pad 2", Qt::Key_2, kPad, QPoint(100, 328)},
        {"pad 3", Qt::Key_3, kPad, QPoint(967, 328)},
        {"pad 0", Qt::Key_0, kPad, std::nullopt},
        // main keyboard
        {"Home", Qt::Key_Home, kMain, QPoint(-1, -1)},
        {"Page Up", Qt::Key_PageUp, kMain, QPoint(967, -1)},
        {"End", Qt::Key_End, kMain, QPoint(0, 328)},
        {"Page Down", Qt::Key_PageDown, kMain, QPoint(967, 328)},
        {"Left", Qt::Key_Left, kMain, QPoint(95, 50)},
        {"Up", Qt::Key_Up, kMain, QPoint(100, 45)},
        {"Right", Qt::Key_Right, kMain, QPoint(105, 50)},
        {"Down", Qt::Key_Down, kMain, QPoint(100, 55)},
        {"digit 7 of the main keyboard", Qt::Key_7, kMain, std::nullopt},
        {"letter", Qt::Key_A, kMain, std::nullopt},
        {"Shift+Home", Qt::Key_Home, Qt::ShiftModifier, QPoint(-1, -1)},
        // numeric pad, Num Lock off: the same keys as the main keyboard's
        {"pad 7 as Home", Qt::Key_Home, kPad, QPoint(-1, -1)},
        {"pad 9 as Page Up", Qt::Key_PageUp, kPad, QPoint(967, -1)},
        {"pad 1 as End", Qt::Key_End, kPad, QPoint(0, 328)},
        {"pad 3 as Page Down", Qt::Key_PageDown, kPad, QPoint(967, 328)},
        {"pad 8 as Up", Qt::Key_Up, kPad, QPoint(100, 45)},
        {"pad 4 as Left", Qt::Key_Left, kPad, QPoint(95, 50)},
        {"pad 6 as Right", Qt::Key_Right, kPad, QPoint(105, 50)},
        {"pad 2 as Down", Qt::Key_Down, kPad, QPoint(100, 55)},
        {"pad 5 as Clear", Qt::Key_Clear, kPad, std::nullopt},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MoveForKey(c.key, c.modifiers, kFrom, kSize, kScreen), c.placed);
    }
}

TEST(KeyMoves, CentreRoundsHalvesToTheEvenNeighbour)
{
    const struct
    {
        QSize area;
        int size;
        QPoint placed;
    } cases[] = {
        {{1366, 728}, 400, {483, 164}},
        {{1365, 728}, 400, {482, 164}}, // 482.5
        {{1367, 729}, 400, {484, 164}}, // 483.5, 164.5
        {{400, 400}, 403, {-2, -2}}, // -1.5: a clock larger than the work area
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.area.width() << " x " << c.area.height() << ", S " << c.size);
        EXPECT_EQ(
            MoveForKey(Qt::Key_5, kPad, QPoint(7, 7), c.size, Monitor{{QPoint(0, 0), c.area}, {QPoint(0, 0), c.area}}),
            c.placed);
    }
}

// Presses the key until it stops moving the clock; returns where it stopped and how many presses moved it.
std::pair<QPoint, int> pressUntilStopped(int key, QPoint from, int size)
{
    QPoint at = from;
    int moves = 0;
    while (const std::optional<QPoint> next = MoveForKey(key, kMain, at, size, kScreen)) {
        at = *next;
        if (++moves > 1000)
            break;
    }
    return {at, moves};
}

TEST(KeyMoves, ArrowsStopAboutHalfTheClockBeyondEachEdge)
{
    const struct
    {
        const char* name;
        int key;
        QPoint from;
        int size;
        QPoint stopped;
        int moves;
    } cases[] = {
        {"forty Left presses reach -200", Qt::Key_Left, {0, 0}, 400, {-200, 0}, 40},
        {"Up", Qt::Key_Up, {0, 0}, 400, {0, -200}, 40},
        {"Right: while left < 1366 - 200", Qt::Key_Right, {1160, 0}, 400, {1170, 0}, 2},
        {"Down: while top < 728 - 200", Qt::Key_Down, {0, 500}, 400, {0, 530}, 6},
        // S / 2 is not truncated: with S = 401, -200 is still above -200.5
        {"odd size, Left", Qt::Key_Left, {0, 0}, 401, {-205, 0}, 41},
        {"odd size, Right", Qt::Key_Right, {1160, 0}, 401, {1170, 0}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [stopped, moves] = pressUntilStopped(c.key, c.from, c.size);
        EXPECT_EQ(stopped, c.stopped);
        EXPECT_EQ(moves, c.moves);
    }
}

TEST(KeyMoves, PadPlusAndMinusStepTheSizeByTen)
{
    const struct
    {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        int size;
        int step;
    } cases[] = {
        {"plus", Qt::Key_Plus, kPad, 400, 10},
        {"plus, one below the height", Qt::Key_Plus, kPad, 727, 10},
        {"plus, as high as the work area", Qt::Key_Plus, kPad, 728, 0},
        {"plus, higher than the work area", Qt::Key_Plus, kPad, 800, 0},
        {"minus at 60", Qt::Key_Minus, kPad, 60, -10},
        {"minus at 51", Qt::Key_Minus, kPad, 51, -10},
        {"minus at 50", Qt::Key_Minus, kPad, 50, 0},
        {"main keyboard plus", Qt::Key_Plus, kMain, 400, 0},
        {"main keyboard minus", Qt::Key_Minus, kMain, 400, 0},
        {"pad asterisk", Qt::Key_Asterisk, kPad, 400, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SizeStepForKey(c.key, c.modifiers, c.size, kScreen.workArea.height()), c.step);
    }
}

TEST(KeyMoves, CharactersActInEitherCase)
{
    const struct
    {
        char typed;
        CharAction action;
    } cases[] = {
        // clang-format off
        {'H', CharAction::Hide}, {'h', CharAction::Hide}, {'M', CharAction::Hide}, {'m', CharAction::Hide},
        {'O', CharAction::Options}, {'o', CharAction::Options}, {'T', CharAction::Timer}, {'t', CharAction::Timer},
        {'5', CharAction::None}, {'x', CharAction::None}, {' ', CharAction::None}, {'+', CharAction::None},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(ActionForCharacter(QLatin1Char(c.typed)), c.action);
    }
}

} // namespace

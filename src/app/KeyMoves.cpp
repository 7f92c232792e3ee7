#include "app/KeyMoves.h"

#include "face/FaceGeometry.h"

namespace horavine {

namespace {

enum class Move { None, TopLeft, Top, TopRight, Left, Centre, Right, BottomLeft, Bottom, BottomRight, Nudge };

Move padDigitMove(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_7:
        return Move::TopLeft;
    case Qt::Key_8:
        return Move::Top;
    case Qt::Key_9:
        return Move::TopRight;
    case Qt::Key_4:
        return Move::Left;
    case Qt::Key_5:
        return Move::Centre;
    case Qt::Key_6:
        return Move::Right;
    case Qt::Key_1:
        return Move::BottomLeft;
    case Qt::Key_2:
        return Move::Bottom;
    case Qt::Key_3:
        return Move::BottomRight;
    default:
        return Move::None;
    }
}

Move navigationMove(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Home:
        return Move::TopLeft;
    case Qt::Key_PageUp:
        return Move::TopRight;
    case Qt::Key_End:
        return Move::BottomLeft;
    case Qt::Key_PageDown:
        return Move::BottomRight;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return Move::Nudge;
    default:
        return Move::None;
    }
}

// Arrows: a nudge happens while the corner is less than half the clock beyond that edge. The
// bounds are compared doubled so that an odd size is not truncated.
std::optional<QPoint> nudge(int qtKey, QPoint at, int s, QSize area)
{
    constexpr int kStep = 5;
    switch (qtKey) {
    case Qt::Key_Left:
        if (2 * at.x() > -s)
            return QPoint(at.x() - kStep, at.y());
        break;
    case Qt::Key_Up:
        if (2 * at.y() > -s)
            return QPoint(at.x(), at.y() - kStep);
        break;
    case Qt::Key_Right:
        if (2 * at.x() < 2 * area.width() - s)
            return QPoint(at.x() + kStep, at.y());
        break;
    case Qt::Key_Down:
        if (2 * at.y() < 2 * area.height() - s)
            return QPoint(at.x(), at.y() + kStep);
        break;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<QPoint> MoveForKey(int qtKey, Qt::KeyboardModifiers modifiers, QPoint topLeft, int clockSize,
                                 QSize workArea)
{
    const Move move = modifiers.testFlag(Qt::KeypadModifier) && padDigitMove(qtKey) != Move::None
        ? padDigitMove(qtKey)
        : navigationMove(qtKey);

    const int s = clockSize;
    const int w = workArea.width();
    const int h = workArea.height();
    // The corners and edges lie one pixel past the top, left and right of the work area, but
    // the bottom row sits flush with its bottom, and its left corner at 0, not -1.
    const int pastLeft = -1;
    const int pastTop = -1;
    const int pastRight = w - s + 1;
    const int flushBottom = h - s;
    const int x = topLeft.x();
    const int y = topLeft.y();

    switch (move) {
    case Move::TopLeft:
        return QPoint(pastLeft, pastTop);
    case Move::Top:
        return QPoint(x, pastTop);
    case Move::TopRight:
        return QPoint(pastRight, pastTop);
    case Move::Left:
        return QPoint(pastLeft, y);
    case Move::Centre:
        return QPoint(NearestInt((w - s) / 2.0), NearestInt((h - s) / 2.0));
    case Move::Right:
        return QPoint(pastRight, y);
    case Move::BottomLeft:
        return QPoint(0, flushBottom);
    case Move::Bottom:
        return QPoint(x, flushBottom);
    case Move::BottomRight:
        return QPoint(pastRight, flushBottom);
    case Move::Nudge:
        return nudge(qtKey, topLeft, s, workArea);
    case Move::None:
        break;
    }
    return std::nullopt;
}

int SizeStepForKey(int qtKey, Qt::KeyboardModifiers modifiers, int clockSize, int workAreaHeight)
{
    // The main keyboard's plus and minus are ordinary typing keys and do nothing.
    if (!modifiers.testFlag(Qt::KeypadModifier))
        return 0;
    // Twice the size control's own increment, so a press is felt.
    constexpr int kStep = 10;
    if (qtKey == Qt::Key_Plus && workAreaHeight > clockSize)
        return kStep;
    if (qtKey == Qt::Key_Minus && clockSize > 50)
        return -kStep;
    return 0;
}

CharAction ActionForCharacter(QChar character)
{
    switch (character.toUpper().unicode()) {
    case 'H':
    case 'M':
        return CharAction::Hide;
    case 'O':
        return CharAction::Options;
    case 'T':
        return CharAction::Timer;
    default:
        return CharAction::None;
    }
}

} // namespace horavine

#include "app/KeyMoves.h"

namespace horavine {

namespace {

std::optional<PadPlace> padDigitPlace(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_7:
        return PadPlace::TopLeft;
    case Qt::Key_8:
        return PadPlace::Top;
    case Qt::Key_9:
        return PadPlace::TopRight;
    case Qt::Key_4:
        return PadPlace::Left;
    case Qt::Key_5:
        return PadPlace::Centre;
    case Qt::Key_6:
        return PadPlace::Right;
    case Qt::Key_1:
        return PadPlace::BottomLeft;
    case Qt::Key_2:
        return PadPlace::Bottom;
    case Qt::Key_3:
        return PadPlace::BottomRight;
    default:
        return std::nullopt;
    }
}

std::optional<PadPlace> navigationPlace(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Home:
        return PadPlace::TopLeft;
    case Qt::Key_PageUp:
        return PadPlace::TopRight;
    case Qt::Key_End:
        return PadPlace::BottomLeft;
    case Qt::Key_PageDown:
        return PadPlace::BottomRight;
    default:
        return std::nullopt;
    }
}

std::optional<Nudge> arrowNudge(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
        return Nudge::Left;
    case Qt::Key_Up:
        return Nudge::Up;
    case Qt::Key_Right:
        return Nudge::Right;
    case Qt::Key_Down:
        return Nudge::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<QPoint> MoveForKey(int qtKey, Qt::KeyboardModifiers modifiers, QPoint topLeft, int clockSize,
                                 const Monitor& monitor)
{
    std::optional<PadPlace> place = modifiers.testFlag(Qt::KeypadModifier) ? padDigitPlace(qtKey) : std::nullopt;
    if (!place)
        place = navigationPlace(qtKey);
    if (place)
        return PadPosition(*place, topLeft, clockSize, monitor);
    if (const std::optional<Nudge> nudge = arrowNudge(qtKey))
        return NudgePosition(*nudge, topLeft, clockSize, monitor);
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

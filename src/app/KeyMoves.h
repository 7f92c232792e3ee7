#pragma once

// The clock's keyboard vocabulary as pure arithmetic: where a key puts the window, how it
// changes the size, what a typed character does. The window only applies the answers.
//
// Keys are the numeric pad's and the arrows. With Num Lock on the pad sends digits with the
// keypad modifier: 7 8 9 / 4 5 6 / 1 2 3 are the corners, edges and centre. With Num Lock off
// it sends Home, Up, Page Up, Left, Clear, Right, End, Down and Page Down (keypad modifier set),
// and those act exactly as the same keys of the main keyboard: Home, Page Up, End and Page Down
// go to their corners (as pad 7, 9, 1 and 3), the arrows nudge by 5, Clear does nothing. So
// with Num Lock off the pad's 8, 4, 6 and 2 nudge rather than jump to an edge.

#include "common/WindowPlacement.h"

#include <QChar>
#include <QPoint>
#include <QSize>
#include <Qt>
#include <optional>

namespace horavine {

// The new top-left corner for a key, or nothing when the key does not move the clock (not a
// move key, or an arrow at its limit). topLeft is the window's; clockSize is the skin's
// ClockSize S (the window is S x S); monitor is the one the clock is on (WindowPlacement.h says
// where each place lies). Modifiers other than the keypad flag do not matter.
std::optional<QPoint> MoveForKey(int qtKey, Qt::KeyboardModifiers modifiers, QPoint topLeft, int clockSize,
                                 const Monitor& monitor);

// +10 for the pad's plus while the work area is taller than the clock, -10 for the pad's minus
// while the clock is larger than 50, else 0. The caller adds it to seSize, which keeps 50..1000.
int SizeStepForKey(int qtKey, Qt::KeyboardModifiers modifiers, int clockSize, int workAreaHeight);

enum class CharAction { None, Hide, Options, Timer };

// "H" and "M" hide, "O" opens the options window, "T" starts timer mode, in either case.
CharAction ActionForCharacter(QChar character);

} // namespace horavine

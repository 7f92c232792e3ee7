#pragma once

#include <QPoint>
#include <QRgb>

class QPainter;

namespace horavine {

// A solid, aliased line the way the face draws its tics and hands: one pixel wide below 2
// (no end pixel, like a thin platform pen), otherwise `width` wide with round ends.
void DrawFaceLine(QPainter& painter, QPoint from, QPoint to, QRgb color, int width);

} // namespace horavine

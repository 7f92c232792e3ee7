#include "designer/PatternRowDelegate.h"

#include "face/FaceOverlay.h"
#include "face/TexturePatterns.h"

#include <QApplication>
#include <QPainter>
#include <array>

namespace horavine {

namespace {

// Pattern numbers 0..7 as Qt brushes; "None" has none.
constexpr std::array<Qt::BrushStyle, kFirstPatternPicture> kStyleBrushes = {
    Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
    Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern,
};

} // namespace

void PatternRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect row = option.rect;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group
        = option.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;

    painter->save();
    painter->fillRect(row, option.palette.brush(group, selected ? QPalette::Highlight : QPalette::Base));
    drawSwatch(*painter, row, index.row());

    painter->setFont(option.font);
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect text(row.left() + kTextLeft, row.top() + 1, row.width() - kTextLeft, row.height() - 1);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());

    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

QSize PatternRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width() + kTextLeft, kRowHeight);
}

void PatternRowDelegate::drawSwatch(QPainter& painter, const QRect& row, int number)
{
    if (number < 0 || number >= kPatternCount || number == bsClear)
        return;
    // From 2 to 16 pixels across, 2 pixels in from the row's top and bottom.
    const QRect swatch(QPoint(row.left() + 2, row.top() + 2), QPoint(row.left() + 15, row.bottom() - 2));
    painter.save();
    painter.setBrushOrigin(swatch.topLeft());
    if (number < kFirstPatternPicture)
        painter.fillRect(swatch, QBrush(Qt::black, kStyleBrushes[std::size_t(number)]));
    else // in full colour, so the white shows instead of a one-bit brush's transparency
        painter.fillRect(swatch,
                         QBrush(LoadPattern(number - kFirstPatternPicture).convertToFormat(QImage::Format_RGB32)));
    painter.restore();
}

} // namespace horavine

#pragma once

// The rows of the texture editor's pattern list: a small black swatch of the pattern, then its name.
// The row's position in the list is its pattern number.

#include <QStyledItemDelegate>

namespace horavine {

class PatternRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 16;
    static constexpr int kTextLeft = 20;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The swatch of a pattern number within a row; nothing for "None" or an unknown number.
    static void drawSwatch(QPainter& painter, const QRect& row, int number);
};

} // namespace horavine

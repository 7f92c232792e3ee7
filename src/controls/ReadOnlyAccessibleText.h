#pragma once

// The text interface of something that shows a text to read and nothing to edit or select: screen
// readers take the text of a label or a read-out from here, not from its name.

#include <QAccessibleTextInterface>

namespace horavine {

class ReadOnlyAccessibleText : public QAccessibleTextInterface
{
public:
    virtual QString shownText() const = 0;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    int selectionCount() const override { return 0; }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
};

} // namespace horavine

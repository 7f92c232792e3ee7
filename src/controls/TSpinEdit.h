#pragma once

// The designer's spin edit. Unlike QSpinBox, its value is whatever number its text holds while
// the user types, also outside the range: every keystroke is a change that reaches the face at
// once, and only leaving the box holds the value to its range. Text that is not a number counts
// as the minimum. "Arrows only" boxes take no typing at all.

#include <QAbstractSpinBox>

namespace horavine {

class TSpinEdit : public QAbstractSpinBox
{
    Q_OBJECT
    // QAccessibleAbstractSpinBox reads these, so screen readers hear the value and the range.
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true)
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int singleStep READ singleStep WRITE setSingleStep)

public:
    enum Typing { TypingAllowed, ArrowsOnly };

    explicit TSpinEdit(QWidget* parent = nullptr);
    TSpinEdit(int minimum, int maximum, int step, Typing typing, QWidget* parent = nullptr);

    using QAbstractSpinBox::lineEdit; // tests and the window's key handling type into it

    int value() const; // the number in the text, not held to the range
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int singleStep() const { return m_step; }
    Typing typing() const { return m_typing; }

    void setMinimum(int minimum); // the value follows a limit that passes it, which is a change
    void setMaximum(int maximum);
    void setRange(int minimum, int maximum);
    void setSingleStep(int step) { m_step = step; }

    // Characters a typing box takes: digits, signs and the decimal separator.
    static bool isTypable(QChar c);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

public Q_SLOTS:
    void setValue(int value); // shown held to the range

Q_SIGNALS:
    void valueChanged(int value);

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onTextEdited();
    void setText(int value);

    int m_minimum = 0;
    int m_maximum = 99;
    int m_step = 1;
    Typing m_typing = TypingAllowed;
};

} // namespace horavine

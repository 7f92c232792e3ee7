#include "controls/TSpinEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace horavine {

TSpinEdit::TSpinEdit(QWidget* parent)
    : TSpinEdit(0, 99, 1, TypingAllowed, parent)
{
}

TSpinEdit::TSpinEdit(int minimum, int maximum, int step, Typing typing, QWidget* parent)
    : QAbstractSpinBox(parent)
    , m_minimum(minimum)
    , m_maximum(std::max(minimum, maximum))
    , m_step(step)
    , m_typing(typing)
{
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setText(minimum);
    lineEdit()->setReadOnly(typing == ArrowsOnly);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { onTextEdited(); });
}

bool TSpinEdit::isTypable(QChar c)
{
    const QLocale locale;
    return c.isDigit() || c == u'-' || c == u'+' || c == locale.decimalPoint().front();
}

int TSpinEdit::value() const
{
    // The number as typed; a decimal part is dropped, as an integer box reads "12.5" as 12.
    const QString text = lineEdit()->text().trimmed();
    bool ok = false;
    const double number = QLocale().toDouble(text, &ok);
    if (!ok || !std::isfinite(number))
        return m_minimum;
    return int(std::clamp(std::trunc(number), -2147483648.0, 2147483647.0));
}

void TSpinEdit::setText(int value)
{
    lineEdit()->setText(QString::number(value));
}

void TSpinEdit::setValue(int value)
{
    const int held = std::clamp(value, m_minimum, m_maximum);
    if (lineEdit()->text() == QString::number(held))
        return;
    setText(held);
    Q_EMIT valueChanged(held);
}

void TSpinEdit::setMinimum(int minimum)
{
    setRange(minimum, std::max(minimum, m_maximum));
}

void TSpinEdit::setMaximum(int maximum)
{
    setRange(std::min(m_minimum, maximum), maximum);
}

void TSpinEdit::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    const int v = value();
    if (v < m_minimum || v > m_maximum)
        setValue(v);
}

void TSpinEdit::stepBy(int steps)
{
    const long long next = (long long)value() + (long long)steps * m_step;
    setValue(int(std::clamp<long long>(next, m_minimum, m_maximum)));
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    const int v = value();
    StepEnabled enabled = StepNone;
    if (v < m_maximum)
        enabled |= StepUpEnabled;
    if (v > m_minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State TSpinEdit::validate(QString& input, int&) const
{
    for (const QChar c : input) {
        if (!isTypable(c))
            return QValidator::Invalid;
    }
    return QValidator::Acceptable; // out-of-range numbers stay until the box loses focus
}

void TSpinEdit::fixup(QString& input) const
{
    input = QString::number(std::clamp(value(), m_minimum, m_maximum));
}

void TSpinEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool typing = !text.isEmpty() && text.at(0).isPrint();
    if (typing && (m_typing == ArrowsOnly || !std::all_of(text.begin(), text.end(), isTypable))) {
        QApplication::beep();
        event->accept();
        return;
    }
    if (m_typing == ArrowsOnly && (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)) {
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void TSpinEdit::focusOutEvent(QFocusEvent* event)
{
    const int v = value();
    if (v < m_minimum || v > m_maximum || lineEdit()->text() != QString::number(v))
        setValue(v);
    QAbstractSpinBox::focusOutEvent(event);
}

void TSpinEdit::onTextEdited()
{
    // Every keystroke is a change, even one that leaves the number as it was ("5" -> "05").
    Q_EMIT valueChanged(value());
}

} // namespace horavine

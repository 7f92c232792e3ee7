#pragma once

// A label that shows a value under a name of its own, such as the active skin's name in a box
// called "Active skin". Qt's label speaks only its name when it has one; this one also gives
// screen readers its text, as the value and through the text interface.

#include <QLabel>

namespace horavine {

class ValueLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ValueLabel(QWidget* parent = nullptr);
};

} // namespace horavine

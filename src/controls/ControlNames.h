#pragma once

#include <QString>
#include <QWidget>

namespace horavine {

// Names a control for the code and, through its hint, for the user: the hint is also the name
// screen readers announce.
template <typename W> W* Named(W* widget, const char* name, const QString& hint = {})
{
    widget->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) {
        widget->setToolTip(hint);
        widget->setAccessibleName(hint);
    }
    return widget;
}

} // namespace horavine

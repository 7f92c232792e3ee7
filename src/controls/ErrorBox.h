#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QWidget;

namespace horavine {

// The application's standard error box: an error that ended a handler is shown with its text
// and the program goes on. Tests put a recorder in place of the modal box.
void ShowErrorBox(QWidget* parent, const QString& text);
// A plain message box ("Texture file not found."); the same recorder takes it in tests.
void ShowMessageBox(QWidget* parent, const QString& text);
void SetErrorBoxHandler(std::function<void(const QString&)> handler);
// A box without a parent (the clock may be hidden, and a box owned by a hidden window may be
// hidden with it) opens centred on the area this gives: the clock's monitor.
void SetMessageBoxArea(std::function<QRect()> area);

} // namespace horavine

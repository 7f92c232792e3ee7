#include "controls/ErrorBox.h"

#include "controls/Monitors.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace horavine {

namespace {
std::function<void(const QString&)>& Handler()
{
    static std::function<void(const QString&)> handler;
    return handler;
}
QPointer<const QWidget>& Anchor()
{
    static QPointer<const QWidget> anchor;
    return anchor;
}

void ShowBox(QMessageBox::Icon icon, QWidget* parent, const QString& text)
{
    if (Handler()) {
        Handler()(text);
        return;
    }
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    // Qt puts a box with a parent over its parent; one without would go to the monitor under
    // the mouse pointer.
    if (!parent)
        CentreOnMonitorOf(&box, Anchor().data(), MonitorPart::WorkArea);
    box.exec();
}

} // namespace

void ShowErrorBox(QWidget* parent, const QString& text)
{
    ShowBox(QMessageBox::Critical, parent, text);
}

void ShowMessageBox(QWidget* parent, const QString& text)
{
    ShowBox(QMessageBox::Information, parent, text);
}

void SetMessageBoxAnchor(const QWidget* anchor)
{
    Anchor() = anchor;
}

void SetErrorBoxHandler(std::function<void(const QString&)> handler)
{
    Handler() = std::move(handler);
}

} // namespace horavine

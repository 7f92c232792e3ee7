#include "controls/ErrorBox.h"

#include "controls/Monitors.h"

#include <QApplication>
#include <QMessageBox>
#include <QShowEvent>

namespace horavine {

namespace {
std::function<void(const QString&)>& Handler()
{
    static std::function<void(const QString&)> handler;
    return handler;
}
std::function<QRect()>& BoxArea()
{
    static std::function<QRect()> area;
    return area;
}

// A message box sizes itself to its text as it is shown: it is placed from there on.
class PlacedBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;
    std::function<QRect()> area;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        if (event->spontaneous() || !area)
            return;
        // By its inside: its frame is not known before it shows.
        move(CentredPosition(area(), size()));
    }
};

void ShowBox(QMessageBox::Icon icon, QWidget* parent, const QString& text)
{
    if (Handler()) {
        Handler()(text);
        return;
    }
    PlacedBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    // Qt puts a box with a parent over its parent; one without would go to the monitor under
    // the mouse pointer.
    if (!parent)
        box.area = BoxArea();
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

void SetMessageBoxArea(std::function<QRect()> area)
{
    BoxArea() = std::move(area);
}

void SetErrorBoxHandler(std::function<void(const QString&)> handler)
{
    Handler() = std::move(handler);
}

} // namespace horavine

#include "app/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace horavine {

namespace {
std::function<void(const QString&)>& Handler()
{
    static std::function<void(const QString&)> handler;
    return handler;
}
} // namespace

void ShowErrorBox(QWidget* parent, const QString& text)
{
    if (Handler()) {
        Handler()(text);
        return;
    }
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), text);
}

void ShowMessageBox(QWidget* parent, const QString& text)
{
    if (Handler()) {
        Handler()(text);
        return;
    }
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
}

void SetErrorBoxHandler(std::function<void(const QString&)> handler)
{
    Handler() = std::move(handler);
}

} // namespace horavine

#pragma once

#include "../app/ShellTestApp.h"
#include "controls/TDsFancyButton.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace horavine::test {

// A shown window on a white background holding one fancy button at (20, 20). The pointer is driven
// through the window, so Qt delivers enter, leave and the held pointer as it does on a desktop.
class FancyButtonHost : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureApplication();
        host = std::make_unique<QWidget>();
        host->resize(240, 120);
        QPalette palette = host->palette();
        palette.setColor(QPalette::Window, Qt::white);
        host->setPalette(palette);
        button = new TDsFancyButton(host.get());
        button->move(20, 20);
        clicks = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }

    QPoint toWindow(QPoint inButton) const { return button->mapTo(host.get(), inButton); }
    void moveTo(QPoint inButton) { QTest::mouseMove(host->windowHandle(), toWindow(inButton)); }
    void press(QPoint inButton, Qt::MouseButton which = Qt::LeftButton)
    {
        moveTo(inButton);
        QTest::mousePress(host->windowHandle(), which, {}, toWindow(inButton));
    }
    void release(QPoint inButton, Qt::MouseButton which = Qt::LeftButton)
    {
        moveTo(inButton);
        QTest::mouseRelease(host->windowHandle(), which, {}, toWindow(inButton));
    }
    void leave() { moveTo(QPoint(-15, -15)); }

    // The button as painted over its window.
    QImage picture() const { return host->grab(button->geometry()).toImage(); }

    std::unique_ptr<QWidget> host;
    TDsFancyButton* button = nullptr;
    std::unique_ptr<QSignalSpy> clicks;
};

} // namespace horavine::test

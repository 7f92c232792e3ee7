#include "FancyButtonHost.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

namespace horavine::test {
namespace {

TEST_F(FancyButtonHost, ClicksOnlyForPressAndReleaseInsideTheShape)
{
    const QPoint centre(48, 12);
    const QPoint corner(1, 1); // in the box, outside a capsule or a rounded corner
    const QPoint outside(150, 60);
    const struct
    {
        const char* what;
        TBtnShape shape;
        int radius;
        QPoint down, up;
        Qt::MouseButton which;
        bool pressed; // after the press
        int clicks;
    } rows[] = {
        {"left inside", btnRectangle, 6, centre, centre, Qt::LeftButton, true, 1},
        {"middle inside", btnRectangle, 6, centre, centre, Qt::MiddleButton, true, 1},
        {"right inside", btnRectangle, 6, centre, centre, Qt::RightButton, false, 0},
        {"released outside the control", btnRectangle, 6, centre, outside, Qt::LeftButton, true, 0},
        {"released in a capsule's corner", btnCapsule, 6, centre, corner, Qt::LeftButton, true, 0},
        {"pressed in a capsule's corner", btnCapsule, 6, corner, centre, Qt::LeftButton, false, 0},
        {"rounded corner", btnRectangle, 6, QPoint(0, 0), QPoint(0, 0), Qt::LeftButton, false, 0},
        {"square corner", btnRectangle, 0, QPoint(0, 0), QPoint(0, 0), Qt::LeftButton, true, 1},
        {"oval corner", btnOval, 6, QPoint(3, 2), QPoint(3, 2), Qt::LeftButton, false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        button->FancyEffects().setShape(row.shape);
        button->FancyEffects().setCornerRadius(row.radius);
        leave();
        clicks->clear();
        press(row.down, row.which);
        EXPECT_EQ(button->Pressed(), row.pressed);
        release(row.up, row.which);
        EXPECT_EQ(clicks->count(), row.clicks);
        EXPECT_FALSE(button->Pressed());
        leave();
        QTest::qWait(20);
        EXPECT_EQ(clicks->count(), row.clicks) << "a second click from Qt";
    }
}

TEST_F(FancyButtonHost, AcceleratorAndAccessibilityClickWhileEnabled)
{
    button->setText(QStringLiteral("&Done"));
    host->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::PushButton);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Done"));
    ASSERT_NE(accessible->actionInterface(), nullptr);
    EXPECT_TRUE(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        button->setEnabled(enabled);
        clicks->clear();
        QTest::keyClick(host->windowHandle(), Qt::Key_D, Qt::AltModifier);
        EXPECT_EQ(clicks->count(), enabled ? 1 : 0) << "Alt+D";
        clicks->clear();
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(300); // Qt shows the press for a moment before it clicks
        EXPECT_EQ(clicks->count(), enabled ? 1 : 0) << "press action";
    }

    button->setToolTip(QStringLiteral("Close the options"));
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Close the options"));
    button->setToolTip(QString());
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Done"));
}

} // namespace
} // namespace horavine::test

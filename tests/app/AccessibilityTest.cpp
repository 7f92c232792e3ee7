// The windows as a screen reader or desktop automation drives them, through Qt's accessibility
// interfaces: a checkable control's actions do exactly what a click does, every control has a name,
// and what shows a value lets it be read.

#include "ClockWindowFixture.h"
#include "alarms/AlarmPresenter.h"
#include "alarms/ui/TfrAlarm.h"
#include "app/ClockAlarms.h"
#include "app/ClockWindowAccessible.h"
#include "controls/AccessibleButton.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace horavine::test {
namespace {

class SilentPresenter : public AlarmPresenter
{
public:
    bool SoundPlaying() const override { return false; }
    bool AlarmShowing() const override { return false; }
    void ShowAlarm(const TAlarmRecord&) override { }
};

// The window's own checkable controls, without Qt's inner ones (a date picker's calendar, a tool bar's
// overflow button).
QList<QAbstractButton*> Checkables(const QWidget* root)
{
    QList<QAbstractButton*> found = root->findChildren<QAbstractButton*>();
    found.removeIf([root](const QAbstractButton* button) {
        return !button->isCheckable() || button->window() != root->window()
            || button->objectName().startsWith(QLatin1String("qt_"));
    });
    return found;
}

QString Describe(const QWidget* widget)
{
    QString line = widget->objectName() + (widget->isEnabled() ? u'+' : u'-');
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        line += button->text() + (button->isChecked() ? u'X' : u'_');
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        line += edit->text();
    if (const auto* list = qobject_cast<const QTreeWidget*>(widget))
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            for (int column = 0; column < list->columnCount(); ++column)
                line += u'|' + list->topLevelItem(row)->text(column);
    return line;
}

class AccessibleClock : public ClockWindowFixture
{
protected:
    void SetUp() override
    {
        ClockWindowFixture::SetUp();
        InstallAccessibleButtons(); // as main() does
        InstallAccessibleClockWindow();
        skin = SkinState();
        alarms.clear();
        signalCounts.clear();
        start();
        wiring = std::make_unique<ClockAlarms>(alarms, clock, appDir(), *window, presenter);
        wiring->start();
        options(); // and with it the alarm editor
    }

    void TearDown() override
    {
        wiring.reset();
        ClockWindowFixture::TearDown();
    }

    // Everything a click could change: the skin, the alarms, the options, the timer, every widget,
    // and how often each checkable control said clicked and toggled.
    QString snapshot()
    {
        QStringList lines{QString::fromLatin1(skin.CurrentSkin.toBytes().toHex())};
        for (const TAlarmRecord& alarm : alarms)
            lines << QString::fromLatin1(alarm.toBytes().toHex());
        const PermanentOptions permanent = window->permanentOptions();
        lines << QStringLiteral("%1 %2 %3 %4 %5 %6 timer %7 %8")
                     .arg(permanent.randomSkin)
                     .arg(permanent.lastPos)
                     .arg(permanent.keepSize)
                     .arg(permanent.stayOnTop)
                     .arg(permanent.digFormat)
                     .arg(window->stayOnTopApplied())
                     .arg(timer()->state().running())
                     .arg(timer()->state().paused());
        for (const QWidget* root : {static_cast<QWidget*>(options()), static_cast<QWidget*>(timer())})
            for (const QWidget* widget : root->findChildren<QWidget*>())
                lines << Describe(widget);
        for (const auto& [key, counts] : signalCounts)
            lines << key + QStringLiteral(": %1 clicked, %2 toggled").arg(counts.first).arg(counts.second);
        return lines.join(u'\n');
    }

    // One user's session, with the checkable controls worked by `operate`: every one of the options
    // page, the alarm editor while it edits and the timer toolbar, twice over. A snapshot a step.
    QStringList session(const std::function<void(QAbstractButton*)>& operate)
    {
        TfrAlarm* editor = wiring->editor();
        for (QAbstractButton* button : Checkables(options()) + Checkables(timer())) {
            const QString key = QString::number(signalCounts.size()) + button->objectName();
            QObject::connect(button, &QAbstractButton::clicked, [this, key] { ++signalCounts[key].first; });
            QObject::connect(button, &QAbstractButton::toggled, [this, key] { ++signalCounts[key].second; });
        }
        QStringList steps;
        auto work = [&](QAbstractButton* button) {
            operate(button);
            steps << Describe(button) + u'\n' + snapshot();
        };
        auto walk = [&](const QList<QAbstractButton*>& buttons) {
            for (int pass = 0; pass < 2; ++pass)
                for (QAbstractButton* button : buttons)
                    if (button->isEnabled())
                        work(button);
        };
        QList<QAbstractButton*> designer = Checkables(options());
        designer.removeIf([editor](const QAbstractButton* button) { return editor->isAncestorOf(button); });
        walk(designer);
        work(editor->tbEditSelected); // no alarm to edit: it springs back
        editor->tbNewAlarm->click(); // editing the new alarm: the pages unlock
        QList<QAbstractButton*> pages = Checkables(editor);
        pages.removeOne(editor->tbEditSelected);
        walk(pages);
        work(editor->tbEditSelected); // the edit ends and is stored
        work(editor->tbEditSelected); // and begins again
        work(designer.first()); // a shape chosen ends it too
        walk(Checkables(timer()));
        timer()->tbRun->click();
        walk(Checkables(timer()));
        return steps;
    }

    SilentPresenter presenter;
    std::unique_ptr<ClockAlarms> wiring;
    std::map<QString, std::pair<int, int>> signalCounts;
};

TEST_F(AccessibleClock, EveryCheckableControlsActionsDoWhatAClickDoes)
{
    const QStringList clicked = session([](QAbstractButton* button) { button->click(); });
    const QString all = clicked.join(u'\n');
    for (const char* name : {"tbEditSelected+ End EditingX", "tbPause+X", "chkStayOnTop", "chkSound", "chkSunday"})
        EXPECT_TRUE(all.contains(QString::fromLatin1(name))) << name;

    for (const QString& action :
         {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()}) {
        SCOPED_TRACE(action.toStdString());
        TearDown();
        SetUp();
        const QStringList acted = session([&action](QAbstractButton* button) {
            QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(button)->actionInterface();
            EXPECT_TRUE(actions->actionNames().contains(action)) << Describe(button).toStdString();
            actions->doAction(action);
        });
        ASSERT_EQ(acted.size(), clicked.size());
        for (int i = 0; i < clicked.size(); ++i)
            ASSERT_EQ(acted[i].toStdString(), clicked[i].toStdString()) << "step " << i;
    }
}

TEST_F(AccessibleClock, EveryControlHasANameAndWhatShowsAValueReadsIt)
{
    window->showActiveSkin(QStringLiteral("Meadow"));
    wiring->editor()->tbNewAlarm->click();
    wiring->editor()->tbEditSelected->click(); // the new alarm's row gets its texts
    options()->show();
    options()->pcOptions->setCurrentIndex(TfrmOptions::kAlarmsPage);
    timer()->show();

    QAccessibleInterface* activeSkin = QAccessible::queryAccessibleInterface(options()->lblActiveSkin);
    EXPECT_EQ(activeSkin->text(QAccessible::Name), QStringLiteral("Active skin"));
    EXPECT_EQ(activeSkin->text(QAccessible::Value), QStringLiteral("Meadow"));
    ASSERT_NE(activeSkin->textInterface(), nullptr);
    EXPECT_EQ(activeSkin->textInterface()->text(0, -1), QStringLiteral("Meadow"));

    // Walking the trees as a reader does: each shown control says what it is, the alarm's row reads.
    const QSet<QAccessible::Role> controls{QAccessible::Button,   QAccessible::CheckBox,  QAccessible::RadioButton,
                                           QAccessible::ComboBox, QAccessible::SpinBox,   QAccessible::EditableText,
                                           QAccessible::PageTab,  QAccessible::StaticText};
    QStringList nameless, cells;
    std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
        const QString name = node->text(QAccessible::Name);
        if (controls.contains(node->role()) && !node->state().invisible && name.trimmed().isEmpty())
            nameless << (node->object() ? node->object()->objectName() : QStringLiteral("item"));
        if (node->role() == QAccessible::Cell || node->role() == QAccessible::TreeItem)
            cells << name;
        for (int i = 0; i < node->childCount(); ++i)
            visit(node->child(i));
    };
    visit(QAccessible::queryAccessibleInterface(options()));
    visit(QAccessible::queryAccessibleInterface(timer()));
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(u' ').toStdString();
    EXPECT_EQ(cells.join(u'|'), QStringLiteral("New Alarm|Once|10: 10 am|11 Dec 2026"));

    // The timer's read-out is on the face, a picture: the clock window tells it.
    timer()->tbRunClick();
    for (int second = 0; second < 5; ++second)
        timer()->Timer1Timer();
    window->Timer1Timer();
    QAccessibleInterface* clockWindow = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_EQ(clockWindow->text(QAccessible::Value), QStringLiteral("12:00:05 AM"));
    ASSERT_NE(clockWindow->textInterface(), nullptr);
    EXPECT_EQ(clockWindow->textInterface()->text(0, -1), QStringLiteral("12:00:05 AM"));
}

} // namespace
} // namespace horavine::test

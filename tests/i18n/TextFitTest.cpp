// No text cut off: in every language, each caption of the options window's pages (and the pages
// within them), the alarm editor and the timer toolbar fits the width its widget has, and no two
// widgets of a layout overlap; also in a made-up language a third longer than English and in a
// right-to-left layout. ctest runs it once more at scale 2 (QT_SCALE_FACTOR).

#include "TsFile.h"
#include "app/ClockWindowFixture.h"
#include "controls/TDsFancyButton.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace horavine::test {
namespace {

// Lists of names from the system or the user (fonts, galleries, files): not texts of ours.
bool ShowsData(const QWidget* widget)
{
    static const QStringList names
        = {QStringLiteral("cbFontNames"), QStringLiteral("cbRandomSkinGallery"), QStringLiteral("bbVisualFile"),
           QStringLiteral("bbSoundFile"), QStringLiteral("bbDocFile"),           QStringLiteral("lblActiveSkin")};
    return names.contains(widget->objectName());
}

// As drawn: "&&" is one ampersand, a single "&" marks the shortcut letter and takes no room.
int Advance(const QWidget* widget, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, widget->fontMetrics().size(Qt::TextShowMnemonic, line).width());
    return widest;
}

QString Where(const QWidget* widget)
{
    QStringList path;
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (!w->objectName().isEmpty())
            path.prepend(w->objectName());
        if (w->isWindow())
            break;
    }
    return QStringLiteral("%1 (%2)").arg(path.join(u'/'), QString::fromLatin1(widget->metaObject()->className()));
}

class Check
{
public:
    QStringList problems;

    void fits(const QWidget* widget, const QString& text, int need, int have)
    {
        if (need > have) {
            const QString problem
                = QStringLiteral("%1 \"%2\": needs %3 pixels, has %4").arg(Where(widget), text).arg(need).arg(have);
            if (!problems.contains(problem))
                problems.append(problem);
        }
    }

    void window(QWidget* window)
    {
        QCoreApplication::processEvents();
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window))
                continue;
            if (!ShowsData(widget))
                one(widget);
            if (widget->layout())
                apart(widget);
        }
        // A toolbar too narrow for its buttons hides the last ones behind its extension arrow.
        for (QToolBar* bar : window->findChildren<QToolBar*>()) {
            for (QToolButton* button : bar->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (bar->isVisibleTo(window) && !button->text().isEmpty() && !button->isVisibleTo(window)
                    && button->objectName() != QLatin1String("qt_toolbar_ext_button"))
                    fits(button, button->text(), button->sizeHint().width(), 0);
            }
        }
    }

    // Every page of every tab widget in turn, since a hidden page is not laid out.
    void allPages(QWidget* window)
    {
        this->window(window);
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
            const int shown = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                this->window(window);
            }
            tabs->setCurrentIndex(shown);
        }
    }

private:
    // A layout squeezed below what its widgets need lets them run into each other.
    void apart(QWidget* parent)
    {
        QList<QWidget*> children;
        for (QWidget* child : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && child->isVisibleTo(parent) && parent->layout()->indexOf(child) >= 0)
                children.append(child);
        }
        // Items of nested layouts are the parent's children too, but not in its own layout's list.
        for (QLayout* inner : parent->findChildren<QLayout*>()) {
            for (int i = 0; i < inner->count(); ++i) {
                QWidget* child = inner->itemAt(i)->widget();
                if (child && child->parentWidget() == parent && child->isVisibleTo(parent) && !children.contains(child))
                    children.append(child);
            }
        }
        for (int i = 0; i < children.size(); ++i) {
            for (int j = i + 1; j < children.size(); ++j) {
                const QRect overlap = children[i]->geometry() & children[j]->geometry();
                if (!overlap.isEmpty()) {
                    const QString problem = QStringLiteral("%1 and %2 overlap by %3 pixels")
                                                .arg(Where(children[i]), Where(children[j]))
                                                .arg(overlap.width());
                    if (!problems.contains(problem))
                        problems.append(problem);
                }
            }
        }
    }

    void one(QWidget* widget)
    {
        QStyle* style = widget->style();
        if (auto* fancy = qobject_cast<TDsFancyButton*>(widget)) {
            const int glyph = fancy->Glyphs().CellWidth();
            fits(widget, fancy->text(),
                 Advance(widget, fancy->text()) + (glyph > 0 ? glyph + fancy->Glyphs().Distance() : 0)
                     + 2 * fancy->FancyEffects().FrameWidth(),
                 widget->width());
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (!label->wordWrap() && label->pixmap().isNull() && !label->text().isEmpty())
                fits(widget, label->text(), Advance(widget, label->text()), label->contentsRect().width());
        } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
            auto* button = static_cast<QAbstractButton*>(widget);
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const bool check = qobject_cast<QCheckBox*>(widget) != nullptr;
            const QRect contents = style->subElementRect(
                check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, widget);
            if (!button->text().isEmpty())
                fits(widget, button->text(), Advance(widget, button->text()), contents.width());
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(push);
            const QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &option, widget);
            const int icon = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
            if (!push->text().isEmpty())
                fits(widget, push->text(), Advance(widget, push->text()) + icon, contents.width());
        } else if (auto* tool = qobject_cast<QToolButton*>(widget)) {
            if (!tool->text().isEmpty() && tool->toolButtonStyle() != Qt::ToolButtonIconOnly)
                fits(widget, tool->text(), tool->sizeHint().width(), tool->width());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            // The title sits inside the frame's rounded corners.
            fits(widget, group->title(), Advance(widget, group->title()) + 16, group->width());
        } else if (auto* bar = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < bar->count(); ++i) {
                const QRect tab = bar->tabRect(i);
                const int icon = bar->tabIcon(i).isNull() ? 0 : bar->iconSize().width() + 4;
                const int space = style->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
                fits(widget, bar->tabText(i), Advance(widget, bar->tabText(i)) + icon + space, tab.width());
                fits(widget, bar->tabText(i), tab.right() + 1, bar->width());
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect field
                = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i)
                fits(widget, combo->itemText(i), Advance(widget, combo->itemText(i)), field.width());
        } else if (auto* header = qobject_cast<QHeaderView*>(widget)) {
            const int margin = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int i = 0; i < header->count(); ++i) {
                const QString text = header->model()->headerData(i, header->orientation()).toString();
                fits(widget, text, Advance(widget, text) + margin, header->sectionSize(i));
            }
        }
    }
};

class TextFit : public ClockWindowFixture, public ::testing::WithParamInterface<QString>
{
protected:
    void SetUp() override
    {
        ClockWindowFixture::SetUp();
        // Right to left: English texts in a mirrored layout, as a right-to-left language will have.
        if (GetParam() == QLatin1String("rtl")) {
            QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        } else if (!GetParam().isEmpty()) {
            const bool longer = GetParam() == QLatin1String("longer");
            const TsFile ts = TsFile::read(TsPath(longer ? QStringLiteral("de") : GetParam()));
            ASSERT_TRUE(ts.error.isEmpty()) << qPrintable(ts.error);
            if (longer)
                m_translator = std::make_unique<LongerTranslator>(ts);
            else
                m_translator = std::make_unique<TsTranslator>(ts);
            QCoreApplication::installTranslator(m_translator.get());
        }
    }
    void TearDown() override
    {
        ClockWindowFixture::TearDown();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        if (m_translator)
            QCoreApplication::removeTranslator(m_translator.get());
    }

private:
    std::unique_ptr<QTranslator> m_translator;
};

TEST_P(TextFit, OptionsPagesAlarmEditorAndTimerToolbarShowEveryTextWhole)
{
    start();
    Check check;
    options()->show();
    check.allPages(options());
    if (GetParam() == QLatin1String("rtl")) {
        // Mirrored: "Done" on the left, "Close the clock" on the right, the first tab rightmost.
        EXPECT_LT(options()->bbDone->x(), options()->bbClose->x());
        EXPECT_GT(options()->pcOptions->tabBar()->tabRect(0).x(), options()->pcOptions->tabBar()->tabRect(1).x());
    }
    options()->hide();
    timer()->show();
    check.window(timer());
    timer()->hide();
    EXPECT_TRUE(check.problems.isEmpty()) << check.problems.size() << " texts cut off:\n"
                                          << qPrintable(check.problems.join(u'\n'));
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit,
                         ::testing::Values(QString(), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                                           QStringLiteral("longer"), QStringLiteral("rtl")),
                         [](const auto& info) {
                             return info.param.isEmpty() ? std::string("en") : info.param.toStdString();
                         });

} // namespace
} // namespace horavine::test

// The skin designer as a user drives it: the clock follows every control, the limits hold, and a
// saved skin arrives in its gallery with its preview.

#include "app/ClockWindowFixture.h"
#include "controls/TDsFancyButton.h"
#include "controls/TSpinEdit.h"
#include "designer/ColorPicker.h"
#include "designer/SaveDialogs.h"
#include "designer/TColorButton.h"
#include "designer/TfmGallery.h"
#include "face/FacePhoto.h"
#include "face/SkinFile.h"
#include "support/FileSizeLimit.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

namespace horavine::test {
namespace {

class Designer : public ClockWindowFixture
{
protected:
    void SetUp() override
    {
        ClockWindowFixture::SetUp();
        start();
        options()->RebuildFace = [this] {
            rebuiltSizes.append(skin.CurrentSkin.ClockSize);
            window->face().RebuildFace();
        };
    }
    void TearDown() override
    {
        SetColorPicker({});
        SetSaveDialogAnswer({});
        ClockWindowFixture::TearDown();
    }

    void show(const TClockSkin& shown)
    {
        skin.CurrentSkin = shown;
        options()->ShowSkinInControls();
    }

    // Typing needs focus, and focus moves only inside the active window.
    void showOptions()
    {
        options()->show();
        options()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(options()));
    }

    static void type(TSpinEdit* edit, const QString& keys)
    {
        edit->setFocus();
        QTest::keyClicks(edit, keys);
    }

    QList<int> rebuiltSizes;
};

TEST_F(Designer, ShownValuesAreHeldToTheControlsUntilTheNextChangeStoresThem)
{
    TClockSkin wide = DefaultSkin();
    wide.TicsWidth = 30;
    wide.DigFont.setText(QStringLiteral("dejavu sans")); // matches only without regard to case
    show(wide);
    EXPECT_EQ(options()->seTicsWidth->value(), 20);
    EXPECT_EQ(skin.CurrentSkin.TicsWidth, 30);
    EXPECT_TRUE(rebuiltSizes.isEmpty()); // filling the controls changes nothing

    options()->seDigSize->stepBy(1);
    EXPECT_EQ(skin.CurrentSkin.TicsWidth, 20);
    const QString fallback = options()->cbFontNames->currentText();
    EXPECT_TRUE(fallback == QLatin1String("Arial") || fallback == QLatin1String("Default")) << qPrintable(fallback);
    EXPECT_EQ(skin.CurrentSkin.DigFont.text(), fallback);
    EXPECT_EQ(rebuiltSizes.size(), 1);
}

TEST_F(Designer, BandBoundariesHoldEachOther)
{
    struct Row
    {
        int inner, outer;
        int lowestOuter, highestInner;
    };
    // The limits replace the boxes' own ranges: an outer edge of 85 lets the inner one reach 86.
    const Row rows[] = {{50, 60, 49, 61}, {10, 20, 9, 21}, {70, 85, 69, 86}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.inner);
        TClockSkin shown = DefaultSkin();
        shown.InnerEdge = row.inner;
        shown.OuterEdge = row.outer;
        show(shown);
        EXPECT_EQ(options()->seInnerEdge->value(), row.inner); // a new skin's edges are shown as they are
        EXPECT_EQ(options()->seOuterEdge->value(), row.outer);
        options()->seOuterEdge->setValue(0);
        EXPECT_EQ(options()->seOuterEdge->value(), row.lowestOuter);
        options()->seOuterEdge->setValue(row.outer);
        options()->seInnerEdge->setValue(100);
        EXPECT_EQ(options()->seInnerEdge->value(), row.highestInner);
        EXPECT_EQ(skin.CurrentSkin.InnerEdge, row.highestInner);
    }
}

TEST_F(Designer, TypingIntoTheBoxesReachesTheClockAtEveryKeystroke)
{
    showOptions();
    options()->seSize->lineEdit()->clear();
    rebuiltSizes.clear();
    type(options()->seSize, QStringLiteral("3x000"));
    EXPECT_EQ(rebuiltSizes, (QList<int>{50, 50, 300, 1000})); // the letter is refused
    EXPECT_EQ(window->size(), QSize(1000, 1000));
    EXPECT_EQ(options()->seSize->value(), 3000); // held to the range only when the box is left
    options()->seTransparency->setFocus();
    EXPECT_EQ(options()->seSize->value(), 1000);

    options()->seSize->lineEdit()->selectAll();
    QTest::keyClick(options()->seSize->lineEdit(), Qt::Key_Delete);
    EXPECT_EQ(skin.CurrentSkin.ClockSize, 50); // no number counts as the minimum

    // Arrows-only boxes take no typing at all.
    const int width = options()->seTicsWidth->value();
    type(options()->seTicsWidth, QStringLiteral("7"));
    EXPECT_EQ(options()->seTicsWidth->value(), width);
}

TEST_F(Designer, TransparencyBeyondAByteStopsBeforeTheRebuild)
{
    showOptions();
    options()->seTransparency->lineEdit()->clear();
    type(options()->seTransparency, QStringLiteral("51"));
    EXPECT_EQ(skin.CurrentSkin.Transparency, 51); // accepted as typed while the box has focus
    messages.clear();
    rebuiltSizes.clear();
    options()->seHourMdC->setValue(75); // not written yet: the next change carries it
    type(options()->seTransparency, QStringLiteral("0"));
    EXPECT_EQ(messages, QStringList{QStringLiteral("Range check error")});
    EXPECT_EQ(skin.CurrentSkin.HourMidPos, 75); // fields before the transparency are already in
    EXPECT_EQ(skin.CurrentSkin.Transparency, 51);
    EXPECT_EQ(rebuiltSizes.size(), 1); // only the mid position's own change rebuilt
    options()->seSize->setFocus();
    EXPECT_EQ(options()->seTransparency->value(), 50);
    EXPECT_EQ(skin.CurrentSkin.Transparency, 50);
}

TEST_F(Designer, ColourButtonsTakeTheDialogsChoiceAndRebuildEitherWay)
{
    struct Row
    {
        TColorButton* button;
        std::optional<TColor> answer;
        LeUInt32 TClockSkin::*field;
    };
    const Row rows[] = {{options()->bbHourStC, 0x123456, &TClockSkin::HourStartColor},
                        {options()->bbMinEndC, std::nullopt, &TClockSkin::MinEndColor},
                        {options()->bbDigColor, 0x00FF00, &TClockSkin::DigColor}};
    for (const Row& row : rows) {
        const TColor before = row.button->color();
        SetColorPicker([&](TColor initial) {
            EXPECT_EQ(initial, before);
            return row.answer;
        });
        rebuiltSizes.clear();
        QTest::mouseClick(row.button, Qt::LeftButton);
        EXPECT_EQ(TColor(skin.CurrentSkin.*row.field), row.answer.value_or(before));
        EXPECT_EQ(rebuiltSizes.size(), 1);
    }
}

TEST_F(Designer, ShapeListsAndOnTopBoxReachTheClock)
{
    options()->rgShape->findChildren<QAbstractButton*>().at(0)->click(); // Circular
    EXPECT_EQ(skin.CurrentSkin.NotCircular, 0);
    options()->rgShape->findChildren<QAbstractButton*>().at(2)->click(); // Rounded
    EXPECT_EQ(skin.CurrentSkin.NotCircular, 1);
    EXPECT_EQ(skin.CurrentSkin.Rounded, 1);
    options()->cbSecStyle->setCurrentIndex(7);
    EXPECT_EQ(skin.CurrentSkin.SecStyle, 7);
    options()->cbDigPosition->setCurrentIndex(3);
    EXPECT_EQ(skin.CurrentSkin.DigPosition, 3);
    EXPECT_TRUE(window->face().surface().srsDigit().Active);
    options()->chkStayOnTop->setChecked(true);
    EXPECT_TRUE(window->stayOnTopApplied());

    options()->chkRandomSkin->setChecked(true);
    EXPECT_TRUE(options()->cbRandomSkinGallery->isEnabled());
    options()->chkRandomSkin->setChecked(false);
    EXPECT_FALSE(options()->cbRandomSkinGallery->isEnabled());
}

TEST_F(Designer, EscapeKeepsEveryChangeAndDoneSavesTheSettings)
{
    options()->show();
    options()->bbHourEndC->setColor(0x0000FF);
    options()->TakeSkinFromControls();
    QTest::keyClick(options(), Qt::Key_Escape);
    EXPECT_FALSE(options()->isVisible());
    EXPECT_EQ(skin.CurrentSkin.HourEndColor, 0x0000FFu);

    options()->show();
    options()->seSize->setValue(300);
    QTest::mouseClick(options()->bbDone, Qt::LeftButton, {}, options()->bbDone->rect().center());
    EXPECT_FALSE(options()->isVisible());
    EXPECT_TRUE(settingsText().contains("LastOne=300"));
}

TEST_F(Designer, SaveAsWritesTheSkinAndAPreviewIntoANewGallery)
{
    QDir(file(QStringLiteral("Skins"))).mkpath(QStringLiteral("Mine"));
    options()->RefreshGalleryTabs();
    options()->rgShape->findChildren<QAbstractButton*>().at(0)->click(); // a circular clock
    options()->seSize->setValue(500);
    const QPoint place = window->pos();
    const QString saved = file(QStringLiteral("Skins/Mine/Evening.clk"));
    SetSaveDialogAnswer([&](const QString& title, const QString&, const QString&) {
        EXPECT_EQ(title, QStringLiteral("Save skin as"));
        return saved;
    });
    options()->sbSaveSettingsClick();

    EXPECT_EQ(QFileInfo(saved).size(), TClockSkin::kSize);
    const QImage preview(file(QStringLiteral("Skins/Mine/Evening.jpg")));
    ASSERT_EQ(preview.size(), QSize(300, 300));
    for (const QPoint corner : {QPoint(0, 0), QPoint(299, 0), QPoint(0, 299), QPoint(299, 299)}) {
        const QColor c = preview.pixelColor(corner);
        EXPECT_NEAR(c.red(), 0x33, 6);
        EXPECT_NEAR(c.green(), 0x66, 6);
        EXPECT_NEAR(c.blue(), 0x99, 6);
    }
    EXPECT_EQ(window->size(), QSize(500, 500)); // the clock itself never moved or changed size
    EXPECT_EQ(window->pos(), place);
    EXPECT_EQ(skin.CurrentSkinPath, saved);
    EXPECT_EQ(options()->activeSkinName(), QStringLiteral("Evening"));
    EXPECT_TRUE(options()->fmGallery->galleryNames().contains(QStringLiteral("Mine")));

    // The thumbnail appears in its gallery and loads the skin again.
    options()->fmGallery->selectGallery(QStringLiteral("Mine"));
    options()->fmGallery->BuildThumbnails();
    ASSERT_EQ(options()->fmGallery->thumbnailCount(), 1);
    skin.CurrentSkin.ClockSize = 222;
    options()->chkKeepSize->setChecked(false);
    options()->ThumbnailClick(saved);
    EXPECT_EQ(skin.CurrentSkin.ClockSize, 500);
}

TEST_F(Designer, CancelledOrFailedSavesLeaveEarlierFilesAlone)
{
    QDir(file(QStringLiteral("Skins"))).mkpath(QStringLiteral("Mine"));
    const QString saved = file(QStringLiteral("Skins/Mine/Kept.clk"));
    const QString picture = file(QStringLiteral("Skins/Mine/Kept.jpg"));
    SetSaveDialogAnswer([](const QString&, const QString&, const QString&) { return QString(); });
    options()->sbSaveSettingsClick();
    EXPECT_FALSE(QFileInfo::exists(saved));

    SetSaveDialogAnswer([&](const QString&, const QString&, const QString&) { return saved; });
    options()->sbSaveSettingsClick();
    QFile jpg(picture);
    ASSERT_TRUE(jpg.open(QIODevice::ReadOnly));
    const QByteArray oldPicture = jpg.readAll();
    jpg.close();

    options()->bbHourStC->setColor(0x0000FF);
    {
        FileSizeLimit limit(1000); // the skin fits, its picture does not
        ASSERT_TRUE(limit.active());
        messages.clear();
        options()->sbSaveSettingsClick();
    }
    EXPECT_EQ(messages.size(), 1);
    ASSERT_TRUE(jpg.open(QIODevice::ReadOnly));
    EXPECT_EQ(jpg.readAll(), oldPicture);
}

TEST_F(Designer, EveryControlHasANameAndSpinEditsTheirValue)
{
    options()->show();
    int controls = 0;
    for (QWidget* widget : options()->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(options()) || widget->inherits("QLineEdit") || widget->inherits("QTabBar")
            || !(widget->inherits("QAbstractButton") || widget->inherits("QAbstractSpinBox")
                 || widget->inherits("QComboBox")))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << qPrintable(widget->objectName());
        ++controls;
    }
    EXPECT_GT(controls, 30);
    QAccessibleInterface* size = QAccessible::queryAccessibleInterface(options()->seSize);
    EXPECT_EQ(size->text(QAccessible::Name), QStringLiteral("Clock size"));
    ASSERT_NE(size->valueInterface(), nullptr);
    EXPECT_EQ(size->valueInterface()->currentValue().toInt(), options()->seSize->value());
}

} // namespace
} // namespace horavine::test

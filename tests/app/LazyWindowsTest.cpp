// The options window, the alarm editor and the timer toolbar are built only when first needed:
// the clock keeps their values meanwhile, and a settings file written either way is the same.

#include "ClockWindowFixture.h"
#include "designer/TSpinEdit.h"
#include "designer/TfmGallery.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

namespace horavine::test {
namespace {

class LazyWindows : public ClockWindowFixture
{
protected:
    // One start, an optional first open of the options window, and the save "Exit" would make.
    QByteArray startAndSave(const QByteArray& stored, bool openOptions)
    {
        writeSettings(stored);
        skin = SkinState();
        start();
        EXPECT_EQ(window->options(), nullptr); // nothing on the start-up road needs it
        if (openOptions)
            options();
        window->move(240, 130);
        window->WriteSettings();
        const QByteArray saved = settingsText();
        window.reset();
        return saved;
    }
};

const struct StoredRow
{
    const char* name;
    const char* ini;
} kStoredRows[] = {
    {"no settings file", ""},
    {"every choice away from its default",
     "[Default]\r\nDigFrm=1\r\nOnTop=1\r\nRandomSkin=1\r\nRandomSkinGallery=Blue\r\n"
     "[Position]\r\nKeepIt=0\r\nLeft=40\r\nTop=50\r\n[Size]\r\nKeepIt=0\r\nLastOne=300\r\n"},
    {"a gallery no longer there, no read-out format",
     "[Default]\r\nDigFrm=-5\r\nRandomSkin=1\r\nRandomSkinGallery=Gone\r\n[Size]\r\nKeepIt=1\r\nLastOne=250\r\n"},
    {"damaged numbers", "[Default]\r\nDigFrm=x\r\nOnTop=yes\r\n[Position]\r\nKeepIt=?\r\n[Size]\r\nLastOne=-3\r\n"},
};

TEST_F(LazyWindows, TheSettingsSavedAreTheSameWithAndWithoutTheOptionsWindow)
{
    // Gallery folders without skins: the random choice falls back to the stored skin either way.
    QDir(file(QStringLiteral("Skins"))).mkpath(QStringLiteral("Blue"));
    QDir(file(QStringLiteral("Skins"))).mkpath(QStringLiteral("Red"));
    for (const StoredRow& row : kStoredRows) {
        SCOPED_TRACE(row.name);
        const QByteArray withoutWindow = startAndSave(row.ini, false);
        const QByteArray withWindow = startAndSave(row.ini, true);
        EXPECT_FALSE(withoutWindow.isEmpty());
        EXPECT_EQ(withoutWindow, withWindow);
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(LazyWindows, TheFirstOpenShowsWhatTheClockKept)
{
    QDir(file(QStringLiteral("Skins"))).mkpath(QStringLiteral("Blue"));
    QDir(file(QStringLiteral("Skins"))).mkpath(QStringLiteral("Red"));
    const struct
    {
        const char* name;
        const char* ini;
        bool randomSkin, lastPos, keepSize, onTop;
        int digFormat;
        const char* gallery; // "" for none selected
        int size;
        const char* activeSkin; // the Skin key's name: none when the key is missing
    } rows[] = {
        {"defaults", "", false, true, true, false, 0, "", 400, ""},
        {"every choice away from its default",
         "[Default]\r\nSkin=default.clk\r\nDigFrm=1\r\nOnTop=1\r\nRandomSkin=1\r\nRandomSkinGallery=Red\r\n"
         "[Position]\r\nKeepIt=0\r\n[Size]\r\nKeepIt=0\r\nLastOne=300\r\n",
         true, false, false, true, 1, "Red", 400, "default"},
        {"a kept size, no read-out format", "[Default]\r\nDigFrm=-2\r\n[Size]\r\nKeepIt=1\r\nLastOne=260\r\n", false,
         true, true, false, -1, "", 260, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeSettings(row.ini);
        skin = SkinState();
        start();
        // The clock runs on the kept values while the window does not exist.
        EXPECT_EQ(window->options(), nullptr);
        EXPECT_EQ(window->digitalFormatIndex(), row.digFormat);
        EXPECT_EQ(window->stayOnTopApplied(), row.onTop);
        EXPECT_EQ(window->size(), QSize(row.size, row.size));

        TfrmOptions* shown = options();
        EXPECT_EQ(shown->chkRandomSkin->isChecked(), row.randomSkin);
        EXPECT_EQ(shown->cbRandomSkinGallery->isEnabled(), row.randomSkin);
        EXPECT_EQ(shown->cbRandomSkinGallery->count(), 2);
        EXPECT_EQ(shown->cbRandomSkinGallery->currentIndex() >= 0 ? shown->cbRandomSkinGallery->currentText()
                                                                  : QString(),
                  QString::fromLatin1(row.gallery));
        EXPECT_EQ(shown->chkLastPos->isChecked(), row.lastPos);
        EXPECT_EQ(shown->chkKeepSize->isChecked(), row.keepSize);
        EXPECT_EQ(shown->chkStayOnTop->isChecked(), row.onTop);
        EXPECT_EQ(shown->digFormatIndex(), row.digFormat);
        EXPECT_EQ(shown->seSize->value(), row.size);
        EXPECT_EQ(shown->activeSkinName(), QString::fromLatin1(row.activeSkin));
        EXPECT_EQ(shown->fmGallery->galleryNames(), QStringList({QStringLiteral("Blue"), QStringLiteral("Red")}));
        // Showing the values changed nothing: the face was not rebuilt from the controls.
        EXPECT_EQ(window->face().faceState(), 10);
        EXPECT_EQ(window->stayOnTopApplied(), row.onTop);

        // From now on the window's controls are what the clock reads.
        shown->setDigFormatIndex(row.digFormat == 1 ? 0 : 1);
        EXPECT_EQ(window->digitalFormatIndex(), row.digFormat == 1 ? 0 : 1);
        shown->chkStayOnTop->setChecked(!row.onTop);
        EXPECT_EQ(window->stayOnTopApplied(), !row.onTop);
        window.reset();
    }
}

TEST_F(LazyWindows, KeysAndMenuBuildTheWindowsTheyOpen)
{
    start();
    EXPECT_EQ(window->timer(), nullptr);
    // Keys that move the clock or do nothing need no other window.
    QTest::keyClick(window.get(), Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_Plus);
    EXPECT_EQ(window->options(), nullptr);
    // The size keys go through the size box, which needs the options window, but do not show it.
    QTest::keyClick(window.get(), Qt::Key_Plus, Qt::KeypadModifier);
    ASSERT_NE(window->options(), nullptr);
    EXPECT_FALSE(window->options()->isVisible());
    EXPECT_EQ(window->size(), QSize(410, 410));
    EXPECT_EQ(window->options()->seSize->value(), 410);

    bool timerShown = false;
    QTimer::singleShot(0, window.get(), [&] {
        TfrmTimer* toolbar = window->timer();
        timerShown = toolbar && toolbar->isVisible();
        if (toolbar)
            toolbar->reject();
    });
    window->TimerMode();
    EXPECT_TRUE(timerShown);
}

} // namespace
} // namespace horavine::test

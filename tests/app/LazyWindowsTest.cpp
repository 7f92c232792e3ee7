// The options window and the alarm editor are built only when first needed: the clock keeps their
// values meanwhile, the first open shows them, and the settings saved either way are the same.

#include "ClockWindowFixture.h"
#include "controls/TSpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

namespace horavine::test {
namespace {

using LazyWindows = ClockWindowFixture;

TEST_F(LazyWindows, TheFirstOpenShowsTheKeptValuesAndSavesTheSame)
{
    // Galleries without skins: the random choice falls back to the stored skin on both starts.
    for (const char* gallery : {"Blue", "Red"})
        QDir(file(QStringLiteral("Skins"))).mkpath(QString::fromLatin1(gallery));
    const struct
    {
        const char* name;
        const char* ini;
        bool randomSkin, lastPos, keepSize, onTop;
        int digFormat;
        const char* gallery; // "" for none selected
        int size;
    } rows[] = {
        {"no settings file", "", false, true, true, false, 0, "", 400},
        {"every choice away from its default",
         "[Default]\r\nDigFrm=1\r\nOnTop=1\r\nRandomSkin=1\r\nRandomSkinGallery=Red\r\n"
         "[Position]\r\nKeepIt=0\r\n[Size]\r\nKeepIt=0\r\nLastOne=300\r\n",
         true, false, false, true, 1, "Red", 400},
        {"a gallery gone, damaged numbers, a kept size",
         "[Default]\r\nDigFrm=-5\r\nOnTop=yes\r\nRandomSkin=1\r\nRandomSkinGallery=Gone\r\n"
         "[Size]\r\nKeepIt=1\r\nLastOne=260\r\n",
         true, true, true, false, -1, "", 260},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QByteArray saved[2];
        for (const bool open : {false, true}) {
            writeSettings(row.ini);
            skin = SkinState();
            start();
            // The clock runs on its own values while the window does not exist.
            EXPECT_EQ(window->options(), nullptr);
            EXPECT_EQ(window->digitalFormatIndex(), row.digFormat);
            EXPECT_EQ(window->stayOnTopApplied(), row.onTop);
            EXPECT_EQ(window->size(), QSize(row.size, row.size));
            if (open) {
                TfrmOptions* shown = options();
                EXPECT_EQ(shown->chkRandomSkin->isChecked(), row.randomSkin);
                EXPECT_EQ(shown->cbRandomSkinGallery->isEnabled(), row.randomSkin);
                EXPECT_EQ(shown->cbRandomSkinGallery->count(), 2);
                EXPECT_EQ(shown->permanentOptions().randomSkinGallery, QString::fromLatin1(row.gallery));
                EXPECT_EQ(shown->chkLastPos->isChecked(), row.lastPos);
                EXPECT_EQ(shown->chkKeepSize->isChecked(), row.keepSize);
                EXPECT_EQ(shown->chkStayOnTop->isChecked(), row.onTop);
                EXPECT_EQ(shown->digFormatIndex(), row.digFormat);
                EXPECT_EQ(shown->seSize->value(), row.size);
                // Showing the values is no change: the face was not rebuilt from the controls.
                EXPECT_EQ(window->face().faceState(), 10);
            }
            window->move(240, 130);
            window->WriteSettings();
            saved[open] = settingsText();
            window.reset();
        }
        EXPECT_EQ(saved[false], saved[true]);
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(LazyWindows, OnlyTheKeysThatNeedAWindowBuildIt)
{
    start();
    QTest::keyClick(window.get(), Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_Plus); // the main keyboard's plus does nothing
    EXPECT_EQ(window->options(), nullptr);
    EXPECT_EQ(window->timer(), nullptr);
    // The size keys go through the size box, built for it but not shown.
    QTest::keyClick(window.get(), Qt::Key_Plus, Qt::KeypadModifier);
    ASSERT_NE(window->options(), nullptr);
    EXPECT_FALSE(window->options()->isVisible());
    EXPECT_EQ(window->size(), QSize(410, 410));
    // From now on the window's controls are what the clock reads.
    options()->chkStayOnTop->setChecked(true);
    EXPECT_TRUE(window->stayOnTopApplied());
    options()->setDigFormatIndex(1);
    EXPECT_EQ(window->digitalFormatIndex(), 1);
}

} // namespace
} // namespace horavine::test

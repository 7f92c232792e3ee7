#include "alarms/ui/LoadedAlarmSound.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace horavine {
namespace {

// Without a loadable plugin the alarm is not silently mute: the play names the file and the reason.
TEST(LoadedAlarmSound, MissingOrBrokenPluginReportsWhyTheAlarmIsSilent)
{
    QTemporaryDir empty;
    QTemporaryDir broken;
    QFile junk(broken.filePath(QStringLiteral("libhoravine_sound.so")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a library");
    junk.close();

    for (const QStringList& folders : {QStringList{empty.path()}, QStringList{empty.path(), broken.path()}}) {
        LoadedAlarmSound sound(folders);
        QStringList errors;
        sound.onError = [&errors](const QString& text) { errors << text; };
        EXPECT_TRUE(sound.outputAvailable());
        sound.play(QStringLiteral("/sounds/Chime.wav"));
        sound.replay();
        sound.stop();
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].startsWith(
            QStringLiteral("Cannot play the sound file /sounds/Chime.wav: the sound player cannot be loaded")))
            << errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains(folders.last())) << errors[0].toStdString();
    }
}

} // namespace
} // namespace horavine

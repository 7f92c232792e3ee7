// horavine-cli autostart on|off|status with its own home and configuration folders.

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CliAutostart, OnOffAndStatusInTheDesktopsAutostartFolder)
{
    QTemporaryDir dir;
    auto autostart = [&](const QStringList& args, const QString& configHome) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", dir.filePath("home"));
        env.remove("XDG_CONFIG_HOME");
        if (!configHome.isEmpty())
            env.insert("XDG_CONFIG_HOME", dir.filePath(configHome));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(HORAVINE_CLI_PATH), QStringList{"autostart"} + args);
        p.waitForFinished(30000);
        return std::pair(p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()));
    };
    const QString clock = QFileInfo(QStringLiteral(HORAVINE_CLI_PATH)).absolutePath() + "/horavine";
    const struct
    {
        QString configHome, entry;
    } places[] = {{"", "home/.config/autostart/horavine.desktop"}, {"config", "config/autostart/horavine.desktop"}};
    const struct
    {
        const char* command;
        const char* state;
    } steps[] = {{"status", "off"}, {"on", "on"}, {"status", "on"}, {"off", "off"}, {"off", "off"}, {"hide", "off"}};
    for (const auto& place : places) {
        const QString entry = dir.filePath(place.entry);
        for (const auto& step : steps) {
            SCOPED_TRACE(step.command);
            if (step.command == std::string("hide")) { // the desktop was told to skip it
                autostart({"on"}, place.configHome);
                QFile f(entry);
                ASSERT_TRUE(f.open(QIODevice::Append));
                f.write("Hidden=true\n");
            }
            const auto [code, out]
                = autostart({step.command == std::string("hide") ? "status" : step.command}, place.configHome);
            ASSERT_EQ(code, 0) << out.toStdString();
            EXPECT_EQ(out.toStdString(), QStringLiteral("%1\t%2\n").arg(step.state, entry).toStdString());
            QFile f(entry);
            EXPECT_EQ(f.open(QIODevice::ReadOnly) && f.readAll().contains(("\nExec=" + clock + "\n").toUtf8()),
                      step.state == std::string("on") || step.command == std::string("hide"));
        }
    }
    for (const QStringList& wrong : {QStringList{}, QStringList{"maybe"}, QStringList{"on", "now"}})
        EXPECT_EQ(autostart(wrong, {}).first, 2) << wrong.join(' ').toStdString();
}

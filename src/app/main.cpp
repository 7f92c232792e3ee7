// The clock program: one copy per executable, the clock window (the others are built when first
// needed: at rest the clock carries only what its face needs), the message loop, and the same
// orderly close for "Exit", the end of the desktop session and the termination signals.

#include "alarms/AlarmRecord.h"
#include "alarms/LazyAlarmPresenter.h"
#include "alarms/ui/TfrmShowPic.h"
#include "app/ClockAlarms.h"
#include "app/ClockCommandLine.h"
#include "app/ClockWindowAccessible.h"
#include "app/Platform.h"
#include "app/SingleInstance.h"
#include "app/TfrmZavIro.h"
#include "app/Translations.h"
#include "common/AppDir.h"
#include "common/AppFolder.h"
#include "common/Clock.h"
#include "common/IoError.h"
#include "common/SessionEnvironment.h"
#include "common/Version.h"
#include "controls/AccessibleButton.h"
#include "face/SkinState.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QRandomGenerator>
#include <QSessionManager>
#include <cstdio>
#include <memory>

using namespace horavine;

int main(int argc, char* argv[])
{
    // Answered before anything starts: no window, no word to a running clock.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const ClockCommandLine commandLine = ReadClockCommandLine(arguments, QDir::currentPath());
    switch (commandLine.action) {
    case ClockCommandLine::Action::Help:
        std::fputs(qPrintable(ClockUsage()), stdout);
        return 0;
    case ClockCommandLine::Action::Version:
        std::fputs("horavine " HORAVINE_VERSION "\n", stdout);
        return 0;
    case ClockCommandLine::Action::Wrong:
        std::fprintf(stderr, "horavine: %s\nTry \"horavine --help\" for more information.\n",
                     qPrintable(commandLine.error));
        return 2;
    case ClockCommandLine::Action::Run:
        break;
    }

    platform::ReturnLargeBuffersToTheSystem();
    // The random skin of the first activation depends on it.
    QRandomGenerator random(quint32(QDateTime::currentMSecsSinceEpoch()));

    // Placing itself and staying on top needs X11: under Wayland the clock runs on XWayland,
    // or on Wayland itself where no X server answers. The choice is taken back once made, so
    // programs the clock opens keep the desktop's own.
    const QByteArray platformName
        = PlatformToAskFor(SessionEnvironment::current(), arguments, platform::XServerAnswers);
    if (!platformName.isEmpty())
        qputenv("QT_QPA_PLATFORM", platformName);

    const QList<QByteArray> clientSettings = platform::PrepareWindowSystemClient();

    // The guard listens for later starts on a local socket, which needs the application object;
    // a refused copy therefore ends right after creating it, before any window exists.
    QApplication app(argc, argv);
    if (!platformName.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    for (const QByteArray& setting : clientSettings)
        qunsetenv(setting.constData());
    // Before any window or message is made; --help and wrong options above stay English, as
    // scripts read them.
    InstallTranslations(app);
    SingleInstance guard(SingleInstance::runningExecutablePath(argv[0]));
    try {
        if (guard.ActivatePreviousInstance(1, commandLine.skinFile))
            return 0;
        if (!guard.warning().isEmpty())
            std::fprintf(stderr, "horavine: %s\n", qPrintable(guard.warning()));
    } catch (const IoError& error) {
        std::fprintf(stderr, "horavine: %s\n", qPrintable(error.message()));
        return 1;
    }
    // Said by the running clock only, once.
    if (const QString limits = platform::WindowSystemLimits(); !limits.isEmpty())
        std::fprintf(stderr, "horavine: %s\n", qPrintable(limits));

    QApplication::setApplicationName(QStringLiteral("Horavine"));
    // Before any window: a screen reader's toggle must click like the mouse, and the time be readable.
    InstallAccessibleButtons();
    InstallAccessibleClockWindow();
    // The clock lives on in the tray while its window is hidden; closing the main window
    // ends the program explicitly.
    QApplication::setQuitOnLastWindowClosed(false);

    // Portable beside the executable, or the user's own folder filled from the installed data.
    QStringList folderProblems;
    const AppDir appDir = AppFolder(AppFolder::currentPlace()).prepare(folderProblems);
    for (const QString& problem : folderProblems)
        std::fprintf(stderr, "horavine: %s\n", qPrintable(problem));
    SystemClock clock;
    SkinState skin;
    AlarmList alarms;

    auto frmZavIro = std::make_unique<TfrmZavIro>(skin, alarms, appDir, clock, QApplication::arguments());
    frmZavIro->setRandomGenerator(&random);
    frmZavIro->tickLog().open(qEnvironmentVariable("HORAVINE_TICK_LOG"));
    // The alarm window at the first alarm that is presented.
    auto presenter = std::make_unique<LazyAlarmPresenter>(
        [parent = frmZavIro.get()] { return std::make_unique<TfrmShowPic>(parent); });
    // The alarm list is loaded before the first tick can ring: the close-time save writes back
    // what was there, a missed alarm is reported and expired one-time alarms are removed.
    auto clockAlarms = std::make_unique<ClockAlarms>(alarms, clock, appDir, *frmZavIro, *presenter);
    clockAlarms->start();

    TfrmZavIro* mainWindow = frmZavIro.get();
    // The main window's closing ends the program, also when it was hidden or a modal window
    // runs its own loop: exit() leaves every loop.
    mainWindow->OnClosed = [mainWindow] {
        QCoreApplication::exit(mainWindow->saveFailedAtEnd() ? 1 : 0);
    };
    guard.onActivateRequested = [mainWindow] {
        mainWindow->ShowUp();
    };
    guard.onOpenRequested = [mainWindow](const QString& file) {
        mainWindow->OpenSkinFile(file);
    };
    if (!commandLine.skinFile.isEmpty())
        mainWindow->openAtStart(commandLine.skinFile);

    // A signal or the session's end: no message box may hold the program up (nobody may be there
    // to answer it), so a failed save is written to stderr and the program ends all the same.
    bool closeRequested = false;
    auto closeOnce = [mainWindow, &closeRequested] {
        if (closeRequested)
            return;
        closeRequested = true;
        mainWindow->EndSession();
    };
    platform::OnTerminationRequest(closeOnce);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, mainWindow,
                     [closeOnce](QSessionManager&) { closeOnce(); });

    platform::KeepOnDesktop(mainWindow);
    mainWindow->show();
    const int result = QApplication::exec();

    clockAlarms.reset();
    presenter.reset();
    frmZavIro.reset(); // with the options window and the timer toolbar, if they were built
    guard.release();
    return result;
}

#include "app/TfrmZavIro.h"

#include "alarms/AlarmFile.h"
#include "app/ClockSettings.h"
#include "app/FontInstaller.h"
#include "app/KeyMoves.h"
#include "app/Platform.h"
#include "app/TTrayNotifyIcon.h"
#include "common/FileList.h"
#include "common/GalleryListing.h"
#include "common/IoError.h"
#include "common/Picture.h"
#include "controls/ErrorBox.h"
#include "controls/Monitors.h"
#include "controls/TSpinEdit.h"
#include "controls/WindowFrame.h"
#include "designer/TfmGallery.h"
#include "designer/TfrmOptions.h"
#include "face/FaceGeometry.h"
#include "face/FacePhoto.h"
#include "face/WindowShape.h"
#include "timer/TfrmTimer.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QTabWidget>
#include <QWindow>
#include <cmath>
#include <cstdio>
#include <utility>

// The window's resources live in a static library, whose registration the linker would drop as
// unreferenced: registered by hand (outside any namespace, as Qt's macro requires).
static void RegisterClockResources()
{
    Q_INIT_RESOURCE(horavine);
}

namespace horavine {

namespace {

// The icon at the sizes desktops show icons at, scaled smoothly here once: one large pixmap would
// be kept for as long as the program runs (by the window and by the tray) and sent to the window
// system whole, for each desktop to scale down coarsely.
QIcon StartupIcon(const QImage& picture)
{
    QIcon icon;
    if (picture.isNull())
        return icon;
    for (int side : {16, 22, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    return icon;
}

} // namespace

TfrmZavIro::TfrmZavIro(SkinState& skin, AlarmList& alarms, const AppDir& appDir, Clock& clock, QStringList arguments,
                       QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool)
    , m_skin(skin)
    , m_alarms(alarms)
    , m_appDir(appDir)
    , m_clock(clock)
    , m_arguments(std::move(arguments))
    , m_skinFile(skin, appDir, m_fontCatalog, this)
{
    setObjectName(QStringLiteral("frmZavIro"));
    setWindowTitle(QStringLiteral("ZavIro"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(kBackgroundColor));
    setPalette(palette);
    // paintEvent covers every pixel it is asked for, so Qt need not fill the background first:
    // a tick repaints a few small areas, and a fill under them would double the work.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(335, 329);
    RegisterClockResources();
    try {
        // Stored at the size it is shown at, as a PNG: Qt reads that format itself, with no image
        // plugin and no JPEG decoder brought into memory for the one picture.
        m_startupPicture = LoadPictureScaled(QStringLiteral(":/horavine/startup.png"), size());
    } catch (const PictureError&) {
        // The window shows its background colour until the first tick.
    }
    setWindowIcon(StartupIcon(m_startupPicture));

    SetMessageBoxArea([this] { return boxMonitor().workArea; });
    // Centred on the primary monitor until the stored place is known.
    m_screens = CurrentScreenLayout();
    move(CentredPosition(m_screens.primary().workArea, size()));
    // Monitors come and go while the clock runs; their changes arrive one by one, and are looked
    // at together once they are all in.
    const auto soon = [this] {
        QTimer::singleShot(0, this, [this] { screensChanged(); });
    };
    const auto watch = [this, soon](QScreen* screen) {
        for (auto signal : {&QScreen::geometryChanged, &QScreen::availableGeometryChanged})
            connect(screen, signal, this, soon);
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [watch, soon](QScreen* screen) {
        watch(screen);
        soon();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, soon);

    buildMenu();
    FormCreate();

    // A precise single-shot timer, re-armed on every tick to just after the next whole second:
    // a late tick never makes the next one late, and no second of the wall clock goes unseen.
    m_timer1.setSingleShot(true);
    m_timer1.setTimerType(Qt::PreciseTimer);
    connect(&m_timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    // The first tick builds the first face: it runs as soon as the event loop does rather than
    // at the next whole second, up to a second later. It re-arms to whole seconds from there.
    m_timer1.start(0);
}

void TfrmZavIro::buildMenu()
{
    PopupMenu1 = new QMenu(this);
    mShow = PopupMenu1->addAction(tr("Show"), this, [this] { ShowUp(); });
    mHide = PopupMenu1->addAction(tr("Hide"), this, [this] { mHideClick(); });
    PopupMenu1->addSeparator();
    mProperties = PopupMenu1->addAction(tr("Options"), this, [this] { mPropertiesClick(); });
    PopupMenu1->addSeparator();
    mExit = PopupMenu1->addAction(tr("Exit"), this, [this] { mExitClick(); });
    auto* group = new QActionGroup(PopupMenu1);
    group->setExclusive(true);
    for (QAction* action : {mShow, mHide}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    mShow->setChecked(true);
    PopupMenu1->setDefaultAction(mShow); // shown in bold
}

void TfrmZavIro::FormCreate()
{
    InstallFonts(m_appDir, true, m_fonts);
    m_skin.CurrentSkin = DefaultSkin();
    m_face = std::make_unique<ClockFace>(m_skin, m_appDir, *this);
    m_settingsFile.emplace(m_appDir.file(QStringLiteral("horavine.ini")));
}

TfrmZavIro::~TfrmZavIro()
{
    SetMessageBoxArea({});
    // Built on demand as children: gone before the face and the skin file their wiring reaches.
    delete m_options.data();
    delete m_timer.data();
}

TfrmOptions& TfrmZavIro::optionsWindow()
{
    if (m_options)
        return *m_options;
    auto* options = new TfrmOptions(m_skin, m_appDir, this);
    options->fmGallery->RefreshGalleryTabs();
    options->showPermanentOptions(m_permanent, m_randomSkinGalleries);
    options->ShowSkinInControls();
    options->setActiveSkinName(m_activeSkinName);
    // From here on the window's controls are the options.
    m_options = options;
    options->RebuildFace = [this] {
        m_face->RebuildFace();
    };
    options->WriteSettings = [this] {
        WriteSettings();
    };
    options->CloseClock = [this] {
        close();
    };
    options->LoadSkin = [this](const QString& path) {
        m_skinFile.LoadSkin(path, m_options->chkKeepSize->isChecked());
    };
    options->WriteSkinFile = [this](const QString& path) {
        m_skinFile.WriteSkinFile(path);
    };
    options->CurrentSkinFile = [this] {
        return m_skinFile.CurrentSkinFile();
    };
    options->PhotographClock = [this] {
        ReadoutFormat format;
        format.index = digitalFormatIndex();
        format.formatAMPM = m_face->FormatAMPM();
        format.format24 = m_face->Format24();
        format.regional = m_face->formatSettings();
        return PhotographFace(m_skin, m_appDir, clockTime(), format);
    };
    options->Overlay = [this] {
        return &m_face->surface().ColorBand();
    };
    options->OverlayChanged = [this] {
        update();
    };
    if (OnOptionsBuilt)
        OnOptionsBuilt(*options);
    return *options;
}

TfrmTimer& TfrmZavIro::timerWindow()
{
    if (!m_timer)
        m_timer = new TfrmTimer(this);
    return *m_timer;
}

TfrmOptions* TfrmZavIro::options() const
{
    return m_options;
}

TfrmTimer* TfrmZavIro::timer() const
{
    return m_timer;
}

PermanentOptions TfrmZavIro::permanentOptions() const
{
    return m_options ? m_options->permanentOptions() : m_permanent;
}

void TfrmZavIro::setPermanentOptions(const PermanentOptions& options)
{
    if (m_options)
        m_options->showPermanentOptions(options, m_randomSkinGalleries);
    else
        m_permanent = options;
}

// Before the first activation has placed the clock (a missed alarm is reported before the clock
// shows), the monitor of the place it is about to take.
Monitor TfrmZavIro::boxMonitor() const
{
    if (m_activated || !m_settingsFile)
        return MonitorOf(this);
    const ScreenLayout screens = CurrentScreenLayout();
    const StartupSettings stored = ReadStartupSettings(*m_settingsFile);
    const QSize size(m_skin.CurrentSkin.ClockSize, m_skin.CurrentSkin.ClockSize);
    return screens.monitorOf(QRect(StartPosition(QPoint(stored.left, stored.top), size, screens), size));
}

void TfrmZavIro::screensChanged()
{
    const ScreenLayout now = CurrentScreenLayout();
    if (now == m_screens)
        return;
    if (const std::optional<QPoint> place = PositionAfterLayoutChange(OuterGeometry(this), m_screens, now))
        move(*place);
    m_screens = now;
}

void TfrmZavIro::armTimer()
{
    m_timer1.start(ClockFace::msUntilNextTick(m_clock.now()));
}

void TfrmZavIro::Timer1Timer()
{
    // The window manager may never activate a frameless tool window; the start-up road must
    // still run before the first face is built.
    if (m_tag == -1)
        FormActivate();
    // Re-armed first: an alarm window or a message box opened by this tick runs its own loop,
    // and the clock must keep ticking (and alarms keep ringing) inside it.
    armTimer();
    m_tickLog.write(m_clock.now(), clockTime());
    try {
        m_face->Timer1Timer();
    } catch (const IoError& error) {
        ShowErrorBox(this, error.message());
    }
    // The start-up road (settings, skins, fonts, alarms) is behind the first face.
    if (!m_heapTrimmed && m_face->faceState() >= 0) {
        m_heapTrimmed = true;
        platform::ReturnFreedHeapPages();
    }
}

// --- the start-up road

void TfrmZavIro::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
    if (m_tag == -1)
        QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TfrmZavIro::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TfrmZavIro::FormShow()
{
    if (m_tray)
        return;
    m_tray = new TTrayNotifyIcon(this);
    m_tray->OnHideTaskChanged = [this](bool hide) {
        platform::SetSkipTaskbar(this, hide);
    };
    m_tray->setIcon(windowIcon());
    m_tray->setIconVisible(true);
    m_tray->OnClick = [this] {
        ShowUp();
    };
    m_tray->OnDblClick = [this] {
        ShowUp();
    };
    m_tray->setPopupMenu(PopupMenu1);
}

void TfrmZavIro::FormActivate()
{
    // Qt reports the first show and the first activation separately, and a window manager may
    // activate the window again before the first tick: the road runs once.
    if (m_tag != -1 || m_activated || !m_settingsFile)
        return;
    m_activated = true;
    const IniFile& ini = *m_settingsFile;

    // The random-skin list is a copy of the galleries as they are now; later refreshes leave it.
    m_randomSkinGalleries = ListGalleries(m_appDir.skinsFolder());
    if (m_options)
        m_options->fmGallery->RefreshGalleryTabs();
    const StartupSettings stored = ReadStartupSettings(ini);
    PermanentOptions options = permanentOptions();
    const bool galleryListed = m_randomSkinGalleries.contains(stored.randomSkinGallery);
    options.randomSkin = stored.randomSkin;
    options.randomSkinGallery = galleryListed ? stored.randomSkinGallery : QString();

    // The skin is loaded with the size box as it stands before the stored one is applied.
    const QString skinName = ChooseStartupSkin(m_appDir, options.randomSkin, stored.randomSkinGallery, galleryListed,
                                               stored.skin, *m_random);
    try {
        m_skinFile.LoadSkin(skinName, options.keepSize);
    } catch (const IoError& error) {
        ShowErrorBox(this, error.message());
    }

    options.lastPos = stored.keepPos;
    // Whether the stored place lies on a monitor depends on the size the clock will have.
    const int size = stored.keepSize && stored.lastOne > 0 ? stored.lastOne : m_skin.CurrentSkin.ClockSize;
    m_screens = CurrentScreenLayout();
    move(StartPosition(QPoint(stored.left, stored.top), QSize(size, size), m_screens));
    m_storedPosition = pos();

    options.digFormat = ClampDigFormat(stored.digFrm);
    m_face->setFormatAMPM(stored.digFrmAMPM);
    m_face->setFormat24(stored.digFrm24);

    options.keepSize = stored.keepSize;
    if (stored.keepSize && stored.lastOne > 0)
        m_skin.CurrentSkin.ClockSize = stored.lastOne;
    options.stayOnTop = stored.onTop;
    setPermanentOptions(options);
    if (m_options)
        m_options->ShowSkinInControls();

    if (!m_skinToOpen.isEmpty())
        OpenSkinFile(std::exchange(m_skinToOpen, QString()));

    for (const QString& argument : m_arguments.mid(1)) {
        if (argument.toLower() == QLatin1String("-hide"))
            mHideClick();
    }
}

void TfrmZavIro::OpenSkinFile(const QString& path)
{
    // Any file can be handed to the clock: one that is not a skin's size is refused before it
    // is read, rather than worn with its bytes taken for colours.
    const QFileInfo file(path);
    QString problem;
    if (!file.isFile())
        problem = tr("Cannot open \"%1\": no such file").arg(path);
    else if (file.size() != TClockSkin::kSize)
        problem = tr("Cannot open \"%1\": it is not a skin (a skin file holds %2 bytes, this one %3)")
                      .arg(path)
                      .arg(TClockSkin::kSize)
                      .arg(file.size());
    if (problem.isEmpty()) {
        try {
            m_skinFile.LoadSkin(file.absoluteFilePath(), permanentOptions().keepSize);
            return;
        } catch (const IoError& error) {
            problem = error.message();
        }
    }
    // The clock may be hidden: the box goes on its monitor, with no owner to hide it.
    ShowErrorBox(nullptr, problem);
}

// --- hide, show, options, exit, close

bool TfrmZavIro::isClockShown() const
{
    return mShow->isChecked();
}

void TfrmZavIro::mHideClick()
{
    mHide->setChecked(true);
    if (m_tray)
        m_tray->setHideTask(false);
    platform::HideClockWindow(this);
    if (m_tray)
        m_tray->setHideTask(true);
}

void TfrmZavIro::ShowUp()
{
    mShow->setChecked(true);
    platform::RestoreClockWindow(this);
}

void TfrmZavIro::mPropertiesClick()
{
    TfrmOptions& options = optionsWindow();
    if (mHide->isChecked())
        options.pcOptions->setCurrentIndex(TfrmOptions::kAlarmsPage);
    if (options.isVisible()) {
        options.raise();
        options.activateWindow();
    } else {
        options.placeForOpening();
        options.exec();
    }
}

void TfrmZavIro::mExitClick()
{
    close();
}

void TfrmZavIro::WriteSettings()
{
    if (!m_settingsFile)
        return;
    const QString skinValue = SkinSettingValue(m_skinFile.CurrentSkinFile(), m_appDir);
    // Where the window system keeps the position to itself, pos() means nothing: the stored one stays.
    QPoint position = pos();
    if (!platform::WindowPositionKnown()) {
        const StartupSettings stored = ReadStartupSettings(*m_settingsFile);
        position = QPoint(stored.left, stored.top);
    }
    // Until the alarm editor exists there are no check boxes: the list holds what was loaded or rang.
    horavine::WriteSettings(*m_settingsFile, permanentOptions(), position, m_skin.CurrentSkin.ClockSize, skinValue,
                            [this] { SaveAlarms(m_alarms, AlarmFilePath(m_appDir), m_alarmRows); });
}

bool TfrmZavIro::CloseProcedure()
{
    if (!m_settingsFile)
        return true;
    try {
        WriteSettings();
    } catch (const IoError& error) {
        if (!closeDespiteFailedSave(error.message()))
            return false;
    }
    m_settingsFile.reset();
    InstallFonts(m_appDir, false, m_fonts);
    return true;
}

// When the session or a signal ends the program, nobody may be there to answer a box, and a box
// would keep the program alive: the failure goes to stderr and the program ends. The user's own
// close says what failed and asks, so nothing is lost silently and a clock whose folder stays
// unwritable can still be closed.
bool TfrmZavIro::closeDespiteFailedSave(const QString& message)
{
    if (!m_ending) {
        //: %1 says why the settings or the alarms could not be saved.
        const QString question = tr("%1\n\nClose the clock without saving?").arg(message);
        const bool closeAnyway = AskCloseUnsaved
            ? AskCloseUnsaved(question)
            : QMessageBox::warning(this, QApplication::applicationDisplayName(), question,
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                == QMessageBox::Yes;
        // The session may have ended while the question was up: then the answer is not awaited.
        if (!m_ending)
            return closeAnyway;
    }
    std::fprintf(stderr, "horavine: %s\n", qPrintable(message));
    std::fflush(stderr);
    m_saveFailedAtEnd = true;
    return true;
}

void TfrmZavIro::EndSession()
{
    m_ending = true;
    // The close cannot be refused now; should the window system not deliver it, the program
    // still ends.
    if (!close() && OnClosed)
        OnClosed();
}

void TfrmZavIro::closeEvent(QCloseEvent* event)
{
    if (!CloseProcedure()) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_tray)
        m_tray->setIconVisible(false);
    if (m_timer)
        m_timer->close();
    if (m_options)
        m_options->close();
    m_timer1.stop();
    if (OnClosed)
        OnClosed();
}

// --- timer mode

void TfrmZavIro::TimerMode()
{
    TfrmTimer* timer = &timerWindow();
    m_face->RequestRebuild();
    timer->adjustSize();
    // By the outer edges: the toolbar's title bar goes below the clock, not over it. The clock
    // is taken as it stands now; its ticks follow the toolbar from here on.
    const QRect clock = OuterGeometry(this);
    const QRect monitor = MonitorOf(this).geometry;
    PlaceByFrame(timer, [timer, clock, monitor] {
        timer->move(ToolbarPositionBelow(clock, OuterGeometry(timer).size(), monitor));
    });
    timer->exec();
    m_face->RequestRebuild();
}

// --- ClockFaceHost

TDateTime TfrmZavIro::clockTime() const
{
    if (m_timer && m_timer->isVisible())
        return m_timer->Elapsed();
    return m_clock.now();
}

TDateTime TfrmZavIro::realTime() const
{
    return m_clock.now();
}

bool TfrmZavIro::clockShown() const
{
    return mShow->isChecked();
}

void TfrmZavIro::placeAboveTimerToolbar()
{
    if (m_timer && m_timer->isVisible())
        move(ClockPositionAboveToolbar(OuterGeometry(m_timer), OuterGeometry(this).size()));
}

void TfrmZavIro::showWindowAndSurface()
{
    // A clock hidden at start-up ("-hide") stays hidden; the face still ticks.
    if (mShow->isChecked() && !isVisible())
        show();
    // The face is shown from now on; the start-up picture is not needed again.
    m_startupPicture = QImage();
    update();
}

void TfrmZavIro::applyStayOnTop()
{
    platform::SetStayOnTop(this, permanentOptions().stayOnTop);
}

bool TfrmZavIro::stayOnTopApplied() const
{
    return property("horavineOnTop").toBool();
}

void TfrmZavIro::hideTaskbarEntry()
{
    if (m_tray)
        m_tray->setHideTask(true);
    else
        platform::SetSkipTaskbar(this, true);
}

void TfrmZavIro::shapeForm(int size, int notCircular, int rounded, int alphaLevel)
{
    // Moved onto a monitor of another scale, the window keeps its size and outline in device
    // pixels: a size and outline that differ for a moment make Qt set both anew for this monitor.
    const qreal ratio = devicePixelRatioF();
    if (m_shapedForRatio != 0.0 && ratio != m_shapedForRatio) {
        setFixedSize(size + 1, size + 1);
        clearMask();
    }
    m_shapedForRatio = ratio;
    setFixedSize(size, size);
    setMask(WindowOutline(size, notCircular != 0, rounded != 0));
    setWindowOpacity(alphaLevel / 255.0);
    // A window manager may have placed the window on its own when it first mapped it; the
    // stored position is applied again now that the window has its real size.
    if (!m_shapedOnce) {
        m_shapedOnce = true;
        if (m_storedPosition)
            move(*m_storedPosition);
    }
}

void TfrmZavIro::endFirstActivation()
{
    m_tag = 0;
}

void TfrmZavIro::alarmHook(TDateTime realNow)
{
    if (AlarmHook)
        AlarmHook(realNow);
}

int TfrmZavIro::digitalFormatIndex() const
{
    return m_options ? m_options->digFormatIndex() : m_permanent.digFormat;
}

void TfrmZavIro::faceChanged()
{
    update();
}

void TfrmZavIro::faceAreasChanged(const std::vector<QRect>& areas)
{
    // The surface's top-left corner is the window's, so its areas are the window's too; Qt joins
    // them into one repaint of just those pixels.
    for (const QRect& area : areas)
        update(area);
}

qreal TfrmZavIro::screenPixelRatio() const
{
    return devicePixelRatioF();
}

void TfrmZavIro::textureNotFound()
{
    ShowMessageBox(this, tr("Texture file not found."));
}

// --- SkinHooks

bool TfrmZavIro::isFillingControls() const
{
    return m_options && m_options->isFillingControls();
}

void TfrmZavIro::refillSkinControls()
{
    if (m_options && m_options->isVisible())
        m_options->ShowSkinInControls();
}

void TfrmZavIro::showActiveSkin(const QString& name)
{
    m_activeSkinName = name;
    if (m_options)
        m_options->setActiveSkinName(name);
}

void TfrmZavIro::rebuildFace()
{
    m_face->RebuildFace();
}

// --- painting

void TfrmZavIro::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const FaceSurface& surface = m_face->surface();
    if (!surface.isVisible()) {
        painter.fillRect(rect(), QColor::fromRgb(kBackgroundColor));
        if (!m_startupPicture.isNull())
            painter.drawImage(rect(), m_startupPicture);
        return;
    }
    // Another screen resolution (the window moved to another screen, the desktop's scale set
    // anew): the next tick draws the face again at the new one.
    if (m_face->faceState() >= 0 && m_face->builtForRatio() != devicePixelRatioF())
        m_face->RequestRebuild();
    // Whatever the window holds beyond the face (only until the window manager has applied the
    // face's size) shows the background.
    const QRegion beyond = event->region() - QRect(QPoint(0, 0), surface.size());
    for (const QRect& area : beyond)
        painter.fillRect(area, QColor::fromRgb(kBackgroundColor));
    m_face->paint(painter, event->region());
}

// --- keys and mouse

void TfrmZavIro::moveLeftThenTop(QPoint target)
{
    move(target.x(), y());
    move(x(), target.y());
}

void TfrmZavIro::keyPressEvent(QKeyEvent* event)
{
    const int size = m_skin.CurrentSkin.ClockSize;
    const Monitor monitor = MonitorOf(this);
    if (const std::optional<QPoint> target = MoveForKey(event->key(), event->modifiers(), pos(), size, monitor)) {
        moveLeftThenTop(*target);
        return;
    }
    if (const int step = SizeStepForKey(event->key(), event->modifiers(), size, monitor.workArea.height())) {
        // A size change goes through the size box: its limits and the rebuild from the controls.
        TSpinEdit* seSize = optionsWindow().seSize;
        seSize->setValue(seSize->value() + step);
        return;
    }
    const QString text = event->text();
    if (text.size() != 1)
        return;
    const CharAction action = ActionForCharacter(text.at(0));
    // The commands act on a key's first press only: a held "H" would otherwise hide the clock
    // again as soon as it is brought back.
    if (action != CharAction::None && isRepeatedPress(*event))
        return;
    switch (action) {
    case CharAction::Hide:
        mHideClick();
        break;
    case CharAction::Options:
        mPropertiesClick();
        break;
    case CharAction::Timer:
        TimerMode();
        break;
    case CharAction::None:
        break;
    }
}

// A held key repeats as a release and a press with the same time stamp. Qt flags the pair only
// when the press has already arrived as it looks at the release, so a repeat now and then passes
// for a new press; the time stamps tell it all the same. A key still down when the window gets
// the focus (the clock brought back while "H" is held) may repeat into it with no release first:
// it counts as held until it is let go.
bool TfrmZavIro::isRepeatedPress(const QKeyEvent& event) const
{
    if (event.isAutoRepeat())
        return true;
    const quint32 code = event.nativeScanCode();
    if (code == 0 || code >= m_heldAtFocus.size())
        return false;
    return m_heldAtFocus[code] || (m_releasedAt[code] != 0 && m_releasedAt[code] == event.timestamp());
}

void TfrmZavIro::keyReleaseEvent(QKeyEvent* event)
{
    const quint32 code = event->nativeScanCode();
    if (code > 0 && code < m_heldAtFocus.size()) {
        m_heldAtFocus[code] = false;
        m_releasedAt[code] = event->timestamp();
    }
    QWidget::keyReleaseEvent(event);
}

void TfrmZavIro::focusInEvent(QFocusEvent* event)
{
    m_heldAtFocus = m_keysDown ? m_keysDown() : platform::KeysDown();
    QWidget::focusInEvent(event);
}

void TfrmZavIro::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragOffset = event->globalPosition().toPoint() - pos();
        m_dragging = false;
    }
}

void TfrmZavIro::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    // The window system's own move loop where it has one (it also snaps to the screen edges);
    // otherwise the window follows the mouse here, snapping to the work area.
    if (!m_dragging && windowHandle() && platform::HasWindowSystem() && windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    const QPoint target = event->globalPosition().toPoint() - m_dragOffset;
    const Monitor monitor = CurrentScreenLayout().monitorOf(QRect(target, size()));
    move(SnapToWorkArea(target, size(), monitor, kSnapDistance));
}

void TfrmZavIro::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    if (event->button() == Qt::RightButton)
        mPropertiesClick();
}

} // namespace horavine

#pragma once

// The clock window: borderless, shaped like the face, no taskbar entry. It carries the face,
// the one-second tick, the start-up road that reads the settings, the keys and the mouse, the
// tray icon, and the close procedure that saves the alarms and the settings.

#include "alarms/AlarmRecord.h"
#include "alarms/AlarmRowSource.h"
#include "app/ClockSettings.h"
#include "app/FontRegistry.h"
#include "app/SystemFontCatalog.h"
#include "app/TickLog.h"
#include "common/AppDir.h"
#include "common/Clock.h"
#include "common/IniFile.h"
#include "common/WindowPlacement.h"
#include "face/ClockFace.h"
#include "face/SkinFile.h"
#include "face/SkinHooks.h"
#include "face/SkinState.h"

#include <QImage>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <QWidget>
#include <array>
#include <bitset>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QKeyEvent;
class QMenu;

namespace horavine {

class TfrmOptions;
class TfrmTimer;
class TTrayNotifyIcon;

class TfrmZavIro : public QWidget, public ClockFaceHost, public SkinHooks
{
    Q_OBJECT
public:
    static constexpr int kSnapDistance = 15;
    static constexpr int kRemapSettleMs = 250;
    static constexpr QRgb kBackgroundColor = 0x514B40; // red 0x51, green 0x4B, blue 0x40

    TfrmZavIro(SkinState& skin, AlarmList& alarms, const AppDir& appDir, Clock& clock, QStringList arguments,
               QWidget* parent = nullptr);
    ~TfrmZavIro() override;

    // The options window and the timer toolbar are built when first needed, as children of this
    // window; until the options window exists, the clock keeps the values of its permanent options.
    TfrmOptions& optionsWindow();
    TfrmTimer& timerWindow();
    // Runs once, right after the options window has been built and shows the clock's values.
    std::function<void(TfrmOptions&)> OnOptionsBuilt;
    // The keys held down on the keyboard, by native scan code (default: the window system's).
    void setKeysDownProvider(std::function<std::bitset<256>()> provider) { m_keysDown = std::move(provider); }
    // The generator of the random skin choice, seeded once at start-up by the program.
    void setRandomGenerator(QRandomGenerator* random) { m_random = random; }
    // Runs once the close procedure has let the window close: the program ends.
    std::function<void()> OnClosed;
    // The user's close met a failed save: the question with the error's text; true closes the
    // clock all the same. A message box (No by default) unless replaced.
    std::function<bool(const QString& question)> AskCloseUnsaved;
    // The alarm check of the tick; the alarm subsystem plugs in here.
    std::function<void(TDateTime)> AlarmHook;
    // The alarm editor's check boxes, which the alarm save takes Enabled from.
    void setAlarmRows(const AlarmRowSource* rows) { m_alarmRows = rows; }

    // Part of the window's road, public so the program and the tests can drive it.
    void FormActivate();
    void ShowUp();
    void mHideClick();
    void mPropertiesClick();
    void mExitClick();
    void TimerMode();
    // A skin file from outside the options window (a file manager, a later start): the clock
    // wears it, or says why not and keeps its skin. Given before the first activation, it is worn
    // at its end, in place of the stored skin.
    void OpenSkinFile(const QString& path);
    void openAtStart(const QString& path) { m_skinToOpen = path; }
    // SaveAlarms, then the settings keys. Throws IoError; does nothing once the close
    // procedure has released the settings file.
    void WriteSettings();
    // The close-time work (settings, fonts); false when a write failed and the window stays.
    bool CloseProcedure();
    // The end of the session or a termination signal: the close-time work runs and the window
    // closes even when a save fails; the failure goes to stderr, no box is shown.
    void EndSession();
    bool saveFailedAtEnd() const { return m_saveFailedAtEnd; }
    void Timer1Timer(); // one tick, then the timer is re-armed to the next whole second
    // The monitors changed: the clock leaves a monitor that went away.
    void screensChanged();

    ClockFace& face() { return *m_face; }
    const ClockFace& face() const { return *m_face; }
    SkinFile& skinFile() { return m_skinFile; }
    TTrayNotifyIcon* trayIcon() const { return m_tray; }
    TfrmOptions* options() const; // null until first needed
    TfrmTimer* timer() const; // null until first needed
    // The options window's permanent options, or the clock's own while that window does not exist.
    PermanentOptions permanentOptions() const;
    bool settingsOpen() const { return m_settingsFile.has_value(); }
    int Tag() const { return m_tag; }
    bool isClockShown() const;
    bool stayOnTopApplied() const;
    const QTimer& tickTimer() const { return m_timer1; }
    TickLog& tickLog() { return m_tickLog; }

    QMenu* PopupMenu1 = nullptr;
    QAction* mShow = nullptr;
    QAction* mHide = nullptr;
    QAction* mProperties = nullptr;
    QAction* mExit = nullptr;

    // ClockFaceHost
    TDateTime clockTime() const override;
    TDateTime realTime() const override;
    bool clockShown() const override;
    void placeAboveTimerToolbar() override;
    void showWindowAndSurface() override;
    void applyStayOnTop() override;
    void hideTaskbarEntry() override;
    void shapeForm(int size, int notCircular, int rounded, int alphaLevel) override;
    void endFirstActivation() override;
    void alarmHook(TDateTime realNow) override;
    int digitalFormatIndex() const override;
    void faceChanged() override;
    void faceAreasChanged(const std::vector<QRect>& areas) override;
    qreal screenPixelRatio() const override;
    void textureNotFound() override;

    // SkinHooks
    bool isFillingControls() const override;
    void refillSkinControls() override;
    void rebuildFace() override;
    void showActiveSkin(const QString& name) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void buildMenu();
    void armTimer();
    void setPermanentOptions(const PermanentOptions& options);
    // Where a box without a parent goes: the clock's monitor (MonitorOf), or before the first
    // activation the monitor of the place the clock is about to take.
    Monitor boxMonitor() const;
    void moveLeftThenTop(QPoint target);
    bool closeDespiteFailedSave(const QString& message);
    bool isRepeatedPress(const QKeyEvent& event) const;

    SkinState& m_skin;
    AlarmList& m_alarms;
    const AlarmRowSource* m_alarmRows = nullptr;
    AppDir m_appDir;
    Clock& m_clock;
    QStringList m_arguments;
    SystemFontCatalog m_fontCatalog;
    FontRegistry m_fonts;
    SkinFile m_skinFile;
    std::unique_ptr<ClockFace> m_face;
    std::optional<IniFile> m_settingsFile;
    QPointer<TfrmOptions> m_options;
    // The truth while the options window does not exist; the random-skin list as first listed.
    PermanentOptions m_permanent;
    QStringList m_randomSkinGalleries;
    QString m_activeSkinName;
    QPointer<TfrmTimer> m_timer;
    TTrayNotifyIcon* m_tray = nullptr;
    QTimer m_timer1;
    TickLog m_tickLog;
    QRandomGenerator m_ownRandom;
    QRandomGenerator* m_random = &m_ownRandom;
    QImage m_startupPicture;
    bool m_heapTrimmed = false;
    // The monitors as they were at the last look: a change tells whether the clock's one went away.
    ScreenLayout m_screens;
    std::function<std::bitset<256>()> m_keysDown;
    // Keys already down when the window got the focus: their presses until released are repeats.
    std::bitset<256> m_heldAtFocus;
    std::array<quint64, 256> m_releasedAt{}; // the time stamp of each key's last release

    int m_tag = -1;
    bool m_activated = false;
    bool m_shapedOnce = false;
    qreal m_shapedForRatio = 0.0;
    std::optional<QPoint> m_storedPosition;
    QString m_skinToOpen;
    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_ending = false;
    bool m_saveFailedAtEnd = false;
};

} // namespace horavine

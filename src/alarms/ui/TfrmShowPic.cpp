#include "alarms/ui/TfrmShowPic.h"

#include "alarms/AlarmMessage.h"
#include "alarms/ui/DesktopDocumentOpener.h"
#include "alarms/ui/LoadedAlarmSound.h"
#include "alarms/ui/SnoozeButton.h"
#include "common/FilePaths.h"
#include "common/Picture.h"
#include "controls/ErrorBox.h"
#include "controls/Monitors.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QShowEvent>
#include <QVBoxLayout>
#include <utility>

namespace horavine {

namespace {

bool FileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace

TfrmShowPic::TfrmShowPic(QWidget* parent)
    : TfrmShowPic(std::make_unique<LoadedAlarmSound>(), std::make_unique<DesktopDocumentOpener>(), parent)
{
}

TfrmShowPic::TfrmShowPic(std::unique_ptr<AlarmSound> sound, std::unique_ptr<DocumentOpener> opener, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_sound(std::move(sound))
    , m_opener(std::move(opener))
    , m_presentation(*m_sound)
{
    setObjectName(QStringLiteral("frmShowPic"));
    setWindowTitle(tr("Your alarm is on !!! / click to close"));
    setModal(true);

    Image1 = new ClickableLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    StaticText1 = new ClickableLabel(this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(30);
    StaticText1->setFont(font);
    QPalette palette = StaticText1->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    StaticText1->setPalette(palette);
    StaticText1->hide();
    for (ClickableLabel* label : {Image1, StaticText1}) {
        label->setAccessibleDescription(tr("Click to close"));
        connect(label, &ClickableLabel::clicked, this, &TfrmShowPic::Image1Click);
    }

    // The window is exactly its content: the picture, or the text.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Image1);
    layout->addWidget(StaticText1);
    btnSnooze = new SnoozeButton(this);
    btnSnooze->hide();
    layout->addWidget(btnSnooze);
    connect(btnSnooze, &SnoozeButton::snoozed, this, &TfrmShowPic::snooze);
    // The keys go to the window itself: none of its parts takes the focus.
    setFocusPolicy(Qt::StrongFocus);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TfrmShowPic::Timer1Timer);

    m_sound->onEnded = [this] {
        soundEnded();
    };
    m_sound->onError = [this](const QString& message) {
        soundFailed(message);
    };
}

TfrmShowPic::~TfrmShowPic()
{
    // A late report of the player must not reach a window that is going.
    m_sound->onEnded = nullptr;
    m_sound->onError = nullptr;
    m_presentation.FormClose();
}

void TfrmShowPic::ShowAlarm(const TAlarmRecord& alarm)
{
    present(alarm, 0);
}

std::optional<int> TfrmShowPic::ShowAlarmOfferingSnooze(const TAlarmRecord& alarm, int minutes)
{
    return present(alarm, minutes);
}

std::optional<int> TfrmShowPic::present(const TAlarmRecord& alarm, int snoozeMinutes)
{
    if (!m_presentation.begin())
        return std::nullopt;
    m_snoozedFor.reset();
    try {
        if (!prepare(alarm))
            return std::nullopt;
    } catch (...) {
        FormClose();
        throw;
    }
    // Not for the text that stands in for a document: a document alarm has no snooze.
    btnSnooze->setVisible(snoozeMinutes > 0 && alarm.ShowAudioImage != 0);
    btnSnooze->setMinutes(snoozeMinutes);
    adjustSize();
    setAccessibleName(tr("Alarm \"%1\" is ringing").arg(alarm.Name.text()));
    // The sound may already have ended the presentation (a report that came while preparing).
    if (!m_presentation.AlarmShowing() || isVisible())
        return std::nullopt;
    centreOnScreen();
    exec();
    return std::exchange(m_snoozedFor, std::nullopt);
}

void TfrmShowPic::snooze(int minutes)
{
    m_snoozedFor = minutes;
    done(QDialog::Accepted);
}

void TfrmShowPic::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Image1Click();
        return;
    case Qt::Key_S:
        if (plain && btnSnooze->isVisible()) {
            snooze(btnSnooze->minutes());
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

bool TfrmShowPic::prepare(const TAlarmRecord& alarm)
{
    const QString name = alarm.Name.text();
    if (alarm.ShowAudioImage == 0) {
        const QString document = alarm.DocFile.text();
        // A document the desktop refuses to open gets the text window too, so the alarm is not lost.
        if (FileExists(document) && m_opener->open(document)) {
            FormClose();
            return false;
        }
        showText(DocumentFallbackText(name));
        return true;
    }

    // The picture is read before the sound starts, so a picture that cannot be loaded leaves
    // nothing sounding.
    const QString visual = alarm.VisualFile.text();
    QImage picture;
    if (FileExists(visual))
        picture = LoadPicture(visual);

    const QString sound = alarm.SoundFile.text();
    if (alarm.Sound != 0 && FileExists(sound) && m_presentation.startSound(sound, alarm.StaysOn)
        && m_presentation.timerEnabled())
        Timer1.start();

    if (!picture.isNull())
        showPicture(picture, visual);
    else
        showText(AlarmLabelText(AlarmMessage(visual, name)));
    return true;
}

void TfrmShowPic::showPicture(const QImage& picture, const QString& path)
{
    StaticText1->hide();
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->setAccessibleName(ExtractFileName(path));
    Image1->show();
    adjustSize();
}

void TfrmShowPic::showText(const QString& text)
{
    Image1->hide();
    Image1->clear();
    StaticText1->setText(text);
    StaticText1->setAccessibleName(text.trimmed());
    StaticText1->show();
    adjustSize();
}

void TfrmShowPic::centreOnScreen()
{
    // On the clock's monitor. The frame is known once the window has been on screen; until then
    // the inside is centred.
    move(CentredPosition(MonitorOf(parentWidget()).geometry, frameGeometry().size()));
}

void TfrmShowPic::Image1Click()
{
    done(QDialog::Accepted);
}

void TfrmShowPic::Timer1Timer()
{
    if (m_presentation.Timer1Timer())
        done(QDialog::Accepted);
}

void TfrmShowPic::soundEnded()
{
    if (m_presentation.MediaPlayer1Notify(isVisible()))
        done(QDialog::Accepted);
}

void TfrmShowPic::soundFailed(const QString& message)
{
    // The picture or message stays up as for an alarm without sound: the alarm is not lost.
    if (!m_presentation.soundFailed())
        return;
    Timer1.stop();
    ShowErrorBox(this, message);
}

void TfrmShowPic::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TfrmShowPic::FormClose()
{
    m_presentation.FormClose();
    Timer1.stop();
}

void TfrmShowPic::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen();
    // Whoever hears the alarm can answer it from the keyboard at once.
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void TfrmShowPic::hideEvent(QHideEvent* event)
{
    // Whatever hid the window ends the presentation; a hide by the window system (minimising) does not.
    if (!event->spontaneous())
        FormClose();
    QDialog::hideEvent(event);
}

} // namespace horavine

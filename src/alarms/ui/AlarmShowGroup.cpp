#include "alarms/ui/AlarmShowGroup.h"

#include "alarms/AlarmEditing.h"
#include "common/FilePaths.h"
#include "controls/ControlNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

namespace horavine {

namespace {

// Drawn here rather than shipped as a file: one picture less to lose.
QPixmap LockPicture()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(4, 1.5, 8, 10), 0, 180 * 16);
    painter.drawLine(QPointF(4, 6.5), QPointF(4, 8));
    painter.drawLine(QPointF(12, 6.5), QPointF(12, 8));
    painter.setPen(QPen(QColor(0x80, 0x60, 0x10), 1));
    painter.setBrush(QColor(0xE0, 0xB0, 0x30));
    painter.drawRoundedRect(QRectF(2.5, 7.5, 11, 8), 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x50, 0x40, 0x10));
    painter.drawEllipse(QRectF(7, 10, 2, 2.5));
    return pixmap;
}

} // namespace

AlarmShowGroup::AlarmShowGroup(QWidget* parent)
    : QGroupBox(tr(" Show "), parent)
{
    setObjectName(QStringLiteral("gbAlarmFiles"));
    setAccessibleName(title().trimmed());

    eName = Named(new QLineEdit(this), "eName", tr("The alarm name"));
    auto* nameLabel = new QLabel(tr("Name"), this);
    nameLabel->setBuddy(eName);
    btnAlarmTest = Named(new QPushButton(tr("Test Alarm"), this), "btnAlarmTest");
    btnAlarmTest->setAccessibleName(btnAlarmTest->text());
    imgLock = Named(new QLabel(this), "imgLock");
    imgLock->setPixmap(LockPicture());
    imgLock->setAccessibleName(tr("Locked"));

    pcShow = Named(new QTabWidget(this), "pcShow");
    pcShow->setAccessibleName(tr("Show"));
    pcShow->setUsesScrollButtons(false); // both page names always in sight
    tsAudioImage = Named(new QWidget(pcShow), "tsAudioImage");
    bbVisualFile = Named(new QPushButton(tsAudioImage), "bbVisualFile", tr("The image or text to wake you up"));
    chkSound = Named(new QCheckBox(tr("Sound"), tsAudioImage), "chkSound");
    chkSound->setChecked(true);
    bbSoundFile = Named(new QPushButton(tsAudioImage), "bbSoundFile", tr("The sound to wake you up"));
    lbStaysOn = Named(new QLabel(tr("Stays on "), tsAudioImage), "lbStaysOn");
    cbStaysOn = Named(new QComboBox(tsAudioImage), "cbStaysOn", tr("How long the sound will last"));
    //: How long the alarm sound stays on: as long as the sound file itself.
    QStringList durations = {tr("Sound length")};
    for (const int minutes : {1, 3, 5, 10, 30, 60})
        //: How long the alarm sound stays on, in minutes.
        durations.append(tr("%n min", nullptr, minutes));
    durations.append(tr("Forever"));
    cbStaysOn->addItems(durations);
    cbStaysOn->setCurrentIndex(0);
    lbStaysOn->setBuddy(cbStaysOn);
    auto* audioLayout = new QGridLayout(tsAudioImage);
    audioLayout->addWidget(bbVisualFile, 0, 0, 1, 3);
    audioLayout->addWidget(chkSound, 1, 0);
    audioLayout->addWidget(bbSoundFile, 1, 1, 1, 2);
    audioLayout->addWidget(lbStaysOn, 2, 1, Qt::AlignRight);
    audioLayout->addWidget(cbStaysOn, 2, 2);
    audioLayout->setColumnStretch(2, 1);
    audioLayout->setRowStretch(3, 1);

    tsOpenDoc = Named(new QWidget(pcShow), "tsOpenDoc");
    // Placed by hand: the button follows the page's width, 3 pixels in from either side.
    bbDocFile = Named(new QPushButton(tsOpenDoc), "bbDocFile", tr("Start a document with registered extension"));
    bbDocFile->move(3, 8);
    tsOpenDoc->installEventFilter(this);

    pcShow->addTab(tsAudioImage, tr("Audio + Image"));
    pcShow->addTab(tsOpenDoc, tr("Open Document (file)"));
    for (int i = 0; i < pcShow->count(); ++i)
        pcShow->widget(i)->setAccessibleName(pcShow->tabText(i));

    auto* top = new QHBoxLayout;
    top->addWidget(nameLabel);
    top->addWidget(eName, 1);
    top->addWidget(btnAlarmTest);
    top->addWidget(imgLock);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pcShow, 1);

    connect(chkSound, &QCheckBox::toggled, this, &AlarmShowGroup::chkSoundClick);
    chkSoundClick();
    tsOpenDocResize();
}

bool AlarmShowGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tsOpenDoc && event->type() == QEvent::Resize)
        tsOpenDocResize();
    return QGroupBox::eventFilter(watched, event);
}

void AlarmShowGroup::showAlarm(const TAlarmRecord& alarm)
{
    eName->setText(alarm.Name.text());
    pcShow->setCurrentIndex(alarm.ShowAudioImage != 0 ? kAudioImagePage : kOpenDocPage);
    setVisualFile(alarm.VisualFile.text());
    chkSound->setChecked(alarm.Sound != 0);
    chkSoundClick();
    setSoundFile(alarm.SoundFile.text());
    setDocFile(alarm.DocFile.text());
    cbStaysOn->setCurrentIndex(StaysOnItem(alarm.StaysOn));
}

void AlarmShowGroup::storeAlarm(TAlarmRecord& alarm) const
{
    alarm.Name.setText(eName->text().left(kNameCapacity));
    alarm.ShowAudioImage = showsAudioImage() ? 1 : 0;
    alarm.Sound = chkSound->isChecked() ? 1 : 0;
    alarm.DocFile.setText(bbDocFile->text().left(kPathCapacity));
    const int minutes = StaysOnMinutes(cbStaysOn->currentIndex());
    if (minutes >= 0)
        alarm.StaysOn = minutes;
}

void AlarmShowGroup::setVisualFile(const QString& path)
{
    bbVisualFile->setText(ExtractFileName(path));
}

void AlarmShowGroup::setSoundFile(const QString& path)
{
    bbSoundFile->setText(ExtractFileName(path));
}

void AlarmShowGroup::setDocFile(const QString& path)
{
    bbDocFile->setText(path);
}

bool AlarmShowGroup::showsAudioImage() const
{
    return pcShow->currentIndex() == kAudioImagePage;
}

void AlarmShowGroup::chkSoundClick()
{
    const bool sound = chkSound->isChecked();
    bbSoundFile->setEnabled(sound);
    lbStaysOn->setEnabled(sound);
    cbStaysOn->setEnabled(sound);
}

void AlarmShowGroup::tsOpenDocResize()
{
    bbDocFile->resize(tsOpenDoc->width() - 6, bbDocFile->sizeHint().height());
}

} // namespace horavine

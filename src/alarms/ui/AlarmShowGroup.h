#pragma once

// The alarm editor's " Show " group: the alarm's name, Test Alarm, the lock shown while browsing,
// and the two show pages (a picture or message with sound, or a document to open).

#include "alarms/AlarmRecord.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace horavine {

class AlarmShowGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit AlarmShowGroup(QWidget* parent = nullptr);

    QLineEdit* eName = nullptr;
    QPushButton* btnAlarmTest = nullptr;
    QLabel* imgLock = nullptr;
    QTabWidget* pcShow = nullptr;
    QWidget* tsAudioImage = nullptr;
    QWidget* tsOpenDoc = nullptr;
    QPushButton* bbVisualFile = nullptr;
    QCheckBox* chkSound = nullptr;
    QPushButton* bbSoundFile = nullptr;
    QLabel* lbStaysOn = nullptr;
    QComboBox* cbStaysOn = nullptr;
    QPushButton* bbDocFile = nullptr;

    enum ShowPage { kAudioImagePage = 0, kOpenDocPage = 1 };

    void showAlarm(const TAlarmRecord& alarm);
    // Name, show page, Sound, DocFile (from bbDocFile's caption) and StaysOn; the picture and
    // the sound are stored by their buttons.
    void storeAlarm(TAlarmRecord& alarm) const;

    // The captions the file buttons show for a record's paths.
    void setVisualFile(const QString& path);
    void setSoundFile(const QString& path);
    void setDocFile(const QString& path);
    bool showsAudioImage() const;

    void chkSoundClick();
    void tsOpenDocResize();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace horavine

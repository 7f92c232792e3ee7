#pragma once

// The alarm editor's schedule pages: one page per kind of alarm, the page index being the kind.
// Shows a record's schedule and stores it back; the editor decides which record and when.

#include "alarms/AlarmRecord.h"
#include "common/DayCount.h"

#include <QTabWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDateTimeEdit;
class QGroupBox;
class QRadioButton;
class QSpinBox;

namespace horavine {

struct FormatSettings;
class TSpinEdit;

class AlarmSchedulePages : public QTabWidget
{
    Q_OBJECT
public:
    explicit AlarmSchedulePages(QWidget* parent = nullptr);

    QWidget* tsOnce = nullptr;
    QWidget* tsDaily = nullptr;
    QWidget* tsWeekly = nullptr;
    QWidget* tsMonthly = nullptr;

    QDateTimeEdit* TimePickerOnce = nullptr;
    QRadioButton* rbOnceToday = nullptr;
    QRadioButton* rbOnceTomorrow = nullptr;
    QRadioButton* rbOnceOther = nullptr;
    QDateEdit* DatePickerOnce = nullptr;
    QGroupBox* gbDeleteAfter = nullptr;
    QCheckBox* chkDeleteAfterPlaying = nullptr;
    QCheckBox* chkDeleteAfterExpiration = nullptr;

    QDateTimeEdit* TimePickerDaily = nullptr;
    QSpinBox* seEveryNdays = nullptr;
    QDateEdit* DatePickerDaily = nullptr;

    QDateTimeEdit* TimePickerWeekly = nullptr;
    QSpinBox* seEveryNweeks = nullptr;
    QDateEdit* DatePickerWeekly = nullptr;
    QCheckBox* chkMonday = nullptr;
    QCheckBox* chkTuesday = nullptr;
    QCheckBox* chkWednesday = nullptr;
    QCheckBox* chkThursday = nullptr;
    QCheckBox* chkFriday = nullptr;
    QCheckBox* chkSaturday = nullptr;
    QCheckBox* chkSunday = nullptr;

    QDateTimeEdit* TimePickerMonthly = nullptr;
    QCheckBox* chkJan = nullptr;
    QCheckBox* chkFeb = nullptr;
    QCheckBox* chkMar = nullptr;
    QCheckBox* chkApr = nullptr;
    QCheckBox* chkMay = nullptr;
    QCheckBox* chkJun = nullptr;
    QCheckBox* chkJul = nullptr;
    QCheckBox* chkAug = nullptr;
    QCheckBox* chkSep = nullptr;
    QCheckBox* chkOct = nullptr;
    QCheckBox* chkNov = nullptr;
    QCheckBox* chkDec = nullptr;
    QRadioButton* rbMonthlyDay = nullptr;
    TSpinEdit* seMonthlyDay = nullptr;
    QRadioButton* rbMonthyThe = nullptr;
    QComboBox* cbMonthlyTheN = nullptr;
    QComboBox* cbMonthlyTheDay = nullptr;

    // In the order of the record's flags: [1] Monday .. [7] Sunday, [1] January .. [12] December.
    std::array<QCheckBox*, 8> WeekDayBoxes{};
    std::array<QCheckBox*, 13> MonthBoxes{};

    // The pickers at now, the Today/Tomorrow captions with their dates.
    void prepare(TDateTime now, const FormatSettings& settings);
    void setDayCaptions(TDateTime now, const FormatSettings& settings);
    // 12-hour clock with AM/PM, or the 24-hour clock.
    void setAmPm(bool ampm);
    std::array<QDateTimeEdit*, 4> timePickers() const;

    // The page of the alarm's kind (held to the four pages) shows its fields; the others keep theirs.
    void showAlarm(const TAlarmRecord& alarm, TDateTime now);
    // Kind from the page, then that kind's fields only. LastRingDate is the editor's.
    void storeAlarm(TAlarmRecord& alarm, TDateTime now) const;

    void rbMonthlyDayClick();

    static constexpr const char* kTimeFormat12 = "h: mm AP";
    static constexpr const char* kTimeFormat24 = "H: mm";
    static constexpr const char* kDateFormat = "d MMM yyyy";

    // Pickers hold wall-clock values in UTC, so no local time-zone rule can move or refuse a time.
    static QDateTime PickerValue(TDateTime moment);
    static TDateTime FromPicker(const QDateTime& value);

private:
    static QStringList weekDayNames(); // Monday first, as the boxes and the list
    QWidget* buildOncePage();
    QWidget* buildDailyPage();
    QWidget* buildWeeklyPage();
    QWidget* buildMonthlyPage();

    QButtonGroup* m_onceDay = nullptr;
};

} // namespace horavine

#include "alarms/ui/AlarmSchedulePages.h"

#include "alarms/AlarmEditing.h"
#include "common/DateFormat.h"
#include "common/FormatSettings.h"
#include "common/TextAround.h"
#include "controls/ControlNames.h"
#include "controls/TSpinEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace horavine {

namespace {

constexpr int kMaxPeriod = 356;

QDateTimeEdit* TimePicker(const char* name, QWidget* parent)
{
    auto* picker = Named(new QDateTimeEdit(parent), name);
    picker->setTimeSpec(Qt::UTC);
    picker->setDisplayFormat(QString::fromLatin1(AlarmSchedulePages::kTimeFormat12));
    // A time picker's date is kept, not shown; the whole value goes into the record.
    picker->setMinimumDateTime(QDateTime(QDate(100, 1, 1), QTime(0, 0), Qt::UTC));
    return picker;
}

QDateEdit* DatePicker(const char* name, QWidget* parent)
{
    auto* picker = Named(new QDateEdit(parent), name);
    picker->setTimeSpec(Qt::UTC);
    picker->setDisplayFormat(QString::fromLatin1(AlarmSchedulePages::kDateFormat));
    picker->setCalendarPopup(true);
    picker->setMinimumDate(QDate(100, 1, 1));
    return picker;
}

QSpinBox* Period(const char* name, const QString& hint, QWidget* parent)
{
    auto* edit = Named(new QSpinBox(parent), name, hint);
    edit->setRange(1, kMaxPeriod);
    edit->setValue(1);
    return edit;
}

QCheckBox* Box(const char* name, const QString& caption, bool checked, QWidget* parent)
{
    auto* box = Named(new QCheckBox(caption, parent), name);
    box->setChecked(checked);
    return box;
}

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QDate DateValue(TDateTime moment)
{
    const DateParts d = DecodeDate(DayOf(moment));
    return QDate(d.year, d.month, d.day);
}

TDateTime FromDate(const QDate& date)
{
    return DayNumber(date.year(), date.month(), date.day());
}

void SetDate(QDateEdit* picker, TDateTime moment)
{
    const QDate date = DateValue(moment);
    if (date.isValid())
        picker->setDate(date);
}

void SetTime(QDateTimeEdit* picker, TDateTime moment)
{
    const QDateTime value = AlarmSchedulePages::PickerValue(moment);
    if (value.isValid())
        picker->setDateTime(value);
}

template <std::size_t N> void ShowFlags(const std::array<QCheckBox*, N>& boxes, const char (&flags)[N])
{
    for (std::size_t i = 1; i < N; ++i)
        boxes[i]->setChecked(flags[i] == kFlagChosen);
}

template <std::size_t N> void StoreFlags(const std::array<QCheckBox*, N>& boxes, char (&flags)[N])
{
    for (std::size_t i = 1; i < N; ++i)
        flags[i] = boxes[i]->isChecked() ? kFlagChosen : kFlagNotChosen;
}

} // namespace

QDateTime AlarmSchedulePages::PickerValue(TDateTime moment)
{
    DateParts d;
    TimeParts t;
    DecodeDateTime(moment, d, t);
    return QDateTime(QDate(d.year, d.month, d.day), QTime(t.hour, t.minute, t.second, t.msec), Qt::UTC);
}

TDateTime AlarmSchedulePages::FromPicker(const QDateTime& value)
{
    return FromQDateTime(value);
}

AlarmSchedulePages::AlarmSchedulePages(QWidget* parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("pcAlarmMode"));
    setAccessibleName(tr("Schedule"));
    setUsesScrollButtons(false);
    //: How often the alarm rings.
    addTab(buildOncePage(), tr("Once"));
    addTab(buildDailyPage(), tr("Daily"));
    addTab(buildWeeklyPage(), tr("Weekly"));
    addTab(buildMonthlyPage(), tr("Monthly"));
    for (int i = 0; i < count(); ++i)
        widget(i)->setAccessibleName(tabText(i));
    rbMonthlyDayClick();
}

QWidget* AlarmSchedulePages::buildOncePage()
{
    tsOnce = Named(new QWidget(this), "tsOnce");
    TimePickerOnce = TimePicker("TimePickerOnce", tsOnce);
    TimePickerOnce->setToolTip(tr("Set the alarm time"));
    TimePickerOnce->setAccessibleName(TimePickerOnce->toolTip());
    rbOnceToday = Named(new QRadioButton(tr("Today"), tsOnce), "rbOnceToday");
    rbOnceTomorrow = Named(new QRadioButton(tr("Tomorrow"), tsOnce), "rbOnceTomorrow");
    rbOnceOther = Named(new QRadioButton(tsOnce), "rbOnceOther");
    // It has no caption: the date picker beside it says what it is.
    rbOnceOther->setAccessibleName(tr("Other date"));
    rbOnceTomorrow->setChecked(true);
    m_onceDay = new QButtonGroup(this);
    m_onceDay->addButton(rbOnceToday);
    m_onceDay->addButton(rbOnceTomorrow);
    m_onceDay->addButton(rbOnceOther);
    DatePickerOnce = DatePicker("DatePickerOnce", tsOnce);
    DatePickerOnce->setAccessibleName(tr("Other date"));

    gbDeleteAfter = Named(new QGroupBox(tr(" Delete alarm after "), tsOnce), "gbDeleteAfter");
    gbDeleteAfter->setAccessibleName(gbDeleteAfter->title().trimmed());
    chkDeleteAfterPlaying = Box("chkDeleteAfterPlaying", tr("Playing It"), true, gbDeleteAfter);
    chkDeleteAfterPlaying->setToolTip(tr("Delete an alarm after playing it"));
    chkDeleteAfterPlaying->setAccessibleName(chkDeleteAfterPlaying->toolTip());
    chkDeleteAfterExpiration = Box("chkDeleteAfterExpiration", tr("Expired On Start"), false, gbDeleteAfter);
    chkDeleteAfterExpiration->setToolTip(tr("Delete an alarm if it expires on start"));
    chkDeleteAfterExpiration->setAccessibleName(chkDeleteAfterExpiration->toolTip());
    auto* deleteLayout = new QVBoxLayout(gbDeleteAfter);
    deleteLayout->addWidget(chkDeleteAfterPlaying);
    deleteLayout->addWidget(chkDeleteAfterExpiration);

    auto* layout = new QGridLayout(tsOnce);
    layout->addWidget(TimePickerOnce, 0, 0, 1, 2, Qt::AlignLeft);
    layout->addWidget(rbOnceToday, 1, 0, 1, 2);
    layout->addWidget(rbOnceTomorrow, 2, 0, 1, 2);
    layout->addWidget(rbOnceOther, 3, 0);
    layout->addWidget(DatePickerOnce, 3, 1, Qt::AlignLeft);
    layout->addWidget(gbDeleteAfter, 0, 2, 4, 1, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(4, 1);
    return tsOnce;
}

QWidget* AlarmSchedulePages::buildDailyPage()
{
    tsDaily = Named(new QWidget(this), "tsDaily");
    TimePickerDaily = TimePicker("TimePickerDaily", tsDaily);
    TimePickerDaily->setAccessibleName(tr("Alarm time"));
    seEveryNdays = Period("seEveryNdays", tr("Ring the alarm every # days"), tsDaily);
    DatePickerDaily = Named(DatePicker("DatePickerDaily", tsDaily), "DatePickerDaily", tr("Set the starting date"));

    auto* layout = new QGridLayout(tsDaily);
    layout->addWidget(TimePickerDaily, 0, 0, 1, 3, Qt::AlignLeft);
    //: %1 is the box with the number of days.
    const QStringList everyDays = TextAround(tr("Every %1 days."), 1);
    layout->addWidget(Label(everyDays[0], seEveryNdays, tsDaily), 1, 0);
    layout->addWidget(seEveryNdays, 1, 1);
    layout->addWidget(new QLabel(everyDays[1], tsDaily), 1, 2);
    layout->addWidget(Label(tr("Start date"), DatePickerDaily, tsDaily), 2, 0);
    layout->addWidget(DatePickerDaily, 2, 1, 1, 2, Qt::AlignLeft);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(3, 1);
    return tsDaily;
}

QWidget* AlarmSchedulePages::buildWeeklyPage()
{
    tsWeekly = Named(new QWidget(this), "tsWeekly");
    TimePickerWeekly = TimePicker("TimePickerWeekly", tsWeekly);
    TimePickerWeekly->setAccessibleName(tr("Alarm time"));
    seEveryNweeks = Period("seEveryNweeks", tr("Ring the alarm every # weeks"), tsWeekly);
    DatePickerWeekly = DatePicker("DatePickerWeekly", tsWeekly);
    DatePickerWeekly->setAccessibleName(tr("Start date"));

    const QStringList days = weekDayNames();
    chkMonday = Box("chkMonday", days[0], true, tsWeekly);
    chkTuesday = Box("chkTuesday", days[1], true, tsWeekly);
    chkWednesday = Box("chkWednesday", days[2], true, tsWeekly);
    chkThursday = Box("chkThursday", days[3], true, tsWeekly);
    chkFriday = Box("chkFriday", days[4], true, tsWeekly);
    chkSaturday = Box("chkSaturday", days[5], false, tsWeekly);
    chkSunday = Box("chkSunday", days[6], false, tsWeekly);
    WeekDayBoxes = {nullptr, chkMonday, chkTuesday, chkWednesday, chkThursday, chkFriday, chkSaturday, chkSunday};

    auto* layout = new QGridLayout(tsWeekly);
    layout->addWidget(TimePickerWeekly, 0, 0, 1, 3, Qt::AlignLeft);
    //: %1 is the box with the number of weeks.
    const QStringList everyWeeks = TextAround(tr("Every %1 week"), 1);
    layout->addWidget(Label(everyWeeks[0], seEveryNweeks, tsWeekly), 1, 0);
    layout->addWidget(seEveryNweeks, 1, 1);
    layout->addWidget(new QLabel(everyWeeks[1], tsWeekly), 1, 2);
    layout->addWidget(Label(tr("Start date"), DatePickerWeekly, tsWeekly), 2, 0);
    layout->addWidget(DatePickerWeekly, 2, 1, 1, 2, Qt::AlignLeft);
    auto* dayBoxes = new QGridLayout;
    for (int d = 1; d <= 7; ++d)
        dayBoxes->addWidget(WeekDayBoxes[static_cast<std::size_t>(d)], (d - 1) % 4, (d - 1) / 4);
    layout->addLayout(dayBoxes, 0, 3, 4, 1, Qt::AlignTop);
    layout->setColumnStretch(4, 1);
    layout->setRowStretch(3, 1);
    return tsWeekly;
}

QWidget* AlarmSchedulePages::buildMonthlyPage()
{
    tsMonthly = Named(new QWidget(this), "tsMonthly");
    TimePickerMonthly = TimePicker("TimePickerMonthly", tsMonthly);
    TimePickerMonthly->setAccessibleName(tr("Alarm time"));

    const char* names[] = {"chkJan", "chkFeb", "chkMar", "chkApr", "chkMay", "chkJun",
                           "chkJul", "chkAug", "chkSep", "chkOct", "chkNov", "chkDec"};
    //: Short month names, as on the boxes of the months an alarm rings in.
    const char* const captions[] = {QT_TR_NOOP("Jan"), QT_TR_NOOP("Feb"), QT_TR_NOOP("Mar"), QT_TR_NOOP("Apr"),
                                    //: Short month name.
                                    QT_TR_NOOP("May"), QT_TR_NOOP("Jun"), QT_TR_NOOP("Jul"), QT_TR_NOOP("Aug"),
                                    QT_TR_NOOP("Sep"), QT_TR_NOOP("Oct"), QT_TR_NOOP("Nov"), QT_TR_NOOP("Dec")};
    for (int m = 1; m <= 12; ++m)
        MonthBoxes[static_cast<std::size_t>(m)] = Box(names[m - 1], tr(captions[m - 1]), true, tsMonthly);
    chkJan = MonthBoxes[1];
    chkFeb = MonthBoxes[2];
    chkMar = MonthBoxes[3];
    chkApr = MonthBoxes[4];
    chkMay = MonthBoxes[5];
    chkJun = MonthBoxes[6];
    chkJul = MonthBoxes[7];
    chkAug = MonthBoxes[8];
    chkSep = MonthBoxes[9];
    chkOct = MonthBoxes[10];
    chkNov = MonthBoxes[11];
    chkDec = MonthBoxes[12];

    //: "Day [15]": the alarm rings on that date of the month.
    rbMonthlyDay = Named(new QRadioButton(tr("Day", "date of the month"), tsMonthly), "rbMonthlyDay");
    rbMonthlyDay->setChecked(true);
    seMonthlyDay = Named(new TSpinEdit(1, 31, 1, TSpinEdit::ArrowsOnly, tsMonthly), "seMonthlyDay",
                         tr("On which date of the month"));
    seMonthlyDay->setValue(1);
    seMonthlyDay->setMinimumWidth(seMonthlyDay->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 32);
    //: "The [first] [Monday]" of the month: the words before two lists.
    rbMonthyThe = Named(new QRadioButton(tr("The"), tsMonthly), "rbMonthyThe");
    cbMonthlyTheN = Named(new QComboBox(tsMonthly), "cbMonthlyTheN", tr("Every 1st,2nd..."));
    //: "The [first] [Monday]" of the month.
    cbMonthlyTheN->addItems({tr("first"), tr("second"), tr("third"), tr("fourth"), tr("last")});
    cbMonthlyTheDay = Named(new QComboBox(tsMonthly), "cbMonthlyTheDay", tr("Day of the week"));
    cbMonthlyTheDay->addItems(weekDayNames());
    auto* mode = new QButtonGroup(this);
    mode->addButton(rbMonthlyDay);
    mode->addButton(rbMonthyThe);
    connect(rbMonthlyDay, &QRadioButton::toggled, this, &AlarmSchedulePages::rbMonthlyDayClick);
    connect(rbMonthyThe, &QRadioButton::toggled, this, &AlarmSchedulePages::rbMonthlyDayClick);

    auto* layout = new QGridLayout(tsMonthly);
    layout->addWidget(TimePickerMonthly, 0, 0, 1, 3, Qt::AlignLeft);
    layout->addWidget(rbMonthlyDay, 1, 0);
    layout->addWidget(seMonthlyDay, 1, 1, Qt::AlignLeft);
    layout->addWidget(rbMonthyThe, 2, 0);
    layout->addWidget(cbMonthlyTheN, 2, 1);
    layout->addWidget(cbMonthlyTheDay, 2, 2);
    auto* months = new QGridLayout;
    for (int m = 1; m <= 12; ++m)
        months->addWidget(MonthBoxes[static_cast<std::size_t>(m)], (m - 1) % 4, (m - 1) / 4);
    layout->addLayout(months, 0, 3, 4, 1, Qt::AlignTop);
    layout->setColumnStretch(4, 1);
    layout->setRowStretch(3, 1);
    return tsMonthly;
}

void AlarmSchedulePages::prepare(TDateTime now, const FormatSettings& settings)
{
    for (QDateTimeEdit* picker : timePickers())
        SetTime(picker, now);
    SetDate(DatePickerOnce, now);
    SetDate(DatePickerDaily, now);
    SetDate(DatePickerWeekly, now);
    setDayCaptions(now, settings);
}

void AlarmSchedulePages::setDayCaptions(TDateTime now, const FormatSettings& settings)
{
    const TDateTime today = DayOf(now);
    //: %1 is today's date.
    rbOnceToday->setText(tr("Today %1").arg(FormatDateTime(settings.shortDateFormat, today, settings)));
    //: %1 is tomorrow's date.
    rbOnceTomorrow->setText(tr("Tomorrow %1").arg(FormatDateTime(settings.shortDateFormat, today + 1, settings)));
}

void AlarmSchedulePages::setAmPm(bool ampm)
{
    const QString format = QString::fromLatin1(ampm ? kTimeFormat12 : kTimeFormat24);
    for (QDateTimeEdit* picker : timePickers())
        picker->setDisplayFormat(format);
}

QStringList AlarmSchedulePages::weekDayNames()
{
    return {tr("Monday"), tr("Tuesday"), tr("Wednesday"), tr("Thursday"), tr("Friday"), tr("Saturday"), tr("Sunday")};
}

std::array<QDateTimeEdit*, 4> AlarmSchedulePages::timePickers() const
{
    return {TimePickerOnce, TimePickerDaily, TimePickerWeekly, TimePickerMonthly};
}

void AlarmSchedulePages::showAlarm(const TAlarmRecord& alarm, TDateTime now)
{
    const int page = std::clamp<int>(alarm.Kind, akOnce, akMonthly);
    setCurrentIndex(page);
    switch (page) {
    case akOnce:
        SetTime(TimePickerOnce, alarm.AlarmTime);
        switch (OnceDayOf(alarm.OnceDate, now)) {
        case OnceDay::Today:
            rbOnceToday->setChecked(true);
            break;
        case OnceDay::Tomorrow:
            rbOnceTomorrow->setChecked(true);
            break;
        case OnceDay::Other:
            rbOnceOther->setChecked(true);
            break;
        }
        SetDate(DatePickerOnce, alarm.OnceDate);
        chkDeleteAfterPlaying->setChecked(alarm.DeleteAfterPlaying != 0);
        chkDeleteAfterExpiration->setChecked(alarm.DeleteAfterExpiration != 0);
        break;
    case akDaily:
        SetTime(TimePickerDaily, alarm.AlarmTime);
        seEveryNdays->setValue(alarm.EveryNdays);
        SetDate(DatePickerDaily, alarm.DailyStart);
        break;
    case akWeekly:
        SetTime(TimePickerWeekly, alarm.AlarmTime);
        seEveryNweeks->setValue(alarm.EveryNweeks);
        SetDate(DatePickerWeekly, alarm.WeeklyStart);
        ShowFlags(WeekDayBoxes, alarm.WeekDays);
        break;
    default:
        SetTime(TimePickerMonthly, alarm.AlarmTime);
        (alarm.MonthlyThe != 0 ? rbMonthyThe : rbMonthlyDay)->setChecked(true);
        seMonthlyDay->setValue(alarm.MonthlyDay);
        // A number the lists lack shows no item, and storing then keeps the number as it was.
        cbMonthlyTheN->setCurrentIndex(alarm.MonthlyTheN >= 1 && alarm.MonthlyTheN <= 5 ? alarm.MonthlyTheN - 1 : -1);
        cbMonthlyTheDay->setCurrentIndex(alarm.MonthlyTheDay >= 1 && alarm.MonthlyTheDay <= 7 ? alarm.MonthlyTheDay - 1
                                                                                              : -1);
        rbMonthlyDayClick();
        ShowFlags(MonthBoxes, alarm.Months);
        break;
    }
}

void AlarmSchedulePages::storeAlarm(TAlarmRecord& alarm, TDateTime now) const
{
    alarm.Kind = currentIndex();
    switch (currentIndex()) {
    case akOnce: {
        alarm.AlarmTime = FromPicker(TimePickerOnce->dateTime());
        alarm.DeleteAfterPlaying = chkDeleteAfterPlaying->isChecked() ? 1 : 0;
        alarm.DeleteAfterExpiration = chkDeleteAfterExpiration->isChecked() ? 1 : 0;
        const OnceDay choice = rbOnceToday->isChecked() ? OnceDay::Today
            : rbOnceTomorrow->isChecked()               ? OnceDay::Tomorrow
                                                        : OnceDay::Other;
        alarm.OnceDate = OnceDateFor(choice, FromDate(DatePickerOnce->date()), now);
        break;
    }
    case akDaily:
        alarm.AlarmTime = FromPicker(TimePickerDaily->dateTime());
        alarm.EveryNdays = seEveryNdays->value();
        alarm.DailyStart = FromDate(DatePickerDaily->date());
        break;
    case akWeekly:
        alarm.AlarmTime = FromPicker(TimePickerWeekly->dateTime());
        alarm.WeeklyStart = FromDate(DatePickerWeekly->date());
        alarm.EveryNweeks = seEveryNweeks->value();
        StoreFlags(WeekDayBoxes, alarm.WeekDays);
        break;
    case akMonthly:
        alarm.AlarmTime = FromPicker(TimePickerMonthly->dateTime());
        alarm.MonthlyThe = rbMonthyThe->isChecked() ? 1 : 0;
        alarm.MonthlyDay = std::clamp(seMonthlyDay->value(), seMonthlyDay->minimum(), seMonthlyDay->maximum());
        if (cbMonthlyTheN->currentIndex() >= 0)
            alarm.MonthlyTheN = cbMonthlyTheN->currentIndex() + 1;
        if (cbMonthlyTheDay->currentIndex() >= 0)
            alarm.MonthlyTheDay = cbMonthlyTheDay->currentIndex() + 1;
        StoreFlags(MonthBoxes, alarm.Months);
        break;
    }
}

void AlarmSchedulePages::rbMonthlyDayClick()
{
    seMonthlyDay->setEnabled(rbMonthlyDay->isChecked());
    cbMonthlyTheN->setEnabled(rbMonthyThe->isChecked());
    cbMonthlyTheDay->setEnabled(rbMonthyThe->isChecked());
}

} // namespace horavine

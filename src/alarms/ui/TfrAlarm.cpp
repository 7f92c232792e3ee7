#include "alarms/ui/TfrAlarm.h"

#include "alarms/AlarmRow.h"
#include "alarms/ui/AlarmSchedulePages.h"
#include "alarms/ui/AlarmShowGroup.h"
#include "common/Clock.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace horavine {

namespace {

enum class Glyph { Create, Delete, Edit };

// Three small pictures drawn here: they look the same under every style and need no files.
QIcon GlyphIcon(Glyph glyph)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (glyph) {
    case Glyph::Create:
        painter.setPen(QPen(QColor(0x2E, 0x9E, 0x3C), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(8, 2.5), QPointF(8, 13.5));
        painter.drawLine(QPointF(2.5, 8), QPointF(13.5, 8));
        break;
    case Glyph::Delete:
        painter.setPen(QPen(QColor(0xC8, 0x30, 0x30), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        break;
    case Glyph::Edit:
        painter.setPen(QPen(QColor(0x2F, 0x5F, 0xC0), 3, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(4, 12), QPointF(12.5, 3.5));
        painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
        painter.drawLine(QPointF(2, 14), QPointF(4.5, 13));
        break;
    }
    return QIcon(pixmap);
}

QToolButton* ToolButton(const char* name, const QString& caption, const QString& hint, Glyph glyph, QToolBar* bar)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setIcon(GlyphIcon(glyph));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}

} // namespace

TfrAlarm::TfrAlarm(AlarmList& alarms, const Clock& clock, const AppDir& appDir, QWidget* parent,
                   const FormatSettings& settings)
    : QWidget(parent)
    , m_alarms(alarms)
    , m_clock(clock)
    , m_appDir(appDir)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("frAlarm"));
    setAccessibleName(tr("Alarms"));
    buildToolBar();
    buildList();
    pcAlarmMode = new AlarmSchedulePages(this);
    gbAlarmFiles = new AlarmShowGroup(this);

    // One above the other: the page is narrow, and the settings need its whole width.
    lvAlarms->setMinimumHeight(80);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ToolBar1);
    layout->addWidget(lvAlarms, 1);
    layout->addWidget(pcAlarmMode);
    layout->addWidget(gbAlarmFiles);

    connect(tbNewAlarm, &QToolButton::clicked, this, &TfrAlarm::tbNewAlarmClick);
    connect(tbDeleteAlarm, &QToolButton::clicked, this, &TfrAlarm::tbDeleteAlarmClick);
    connect(tbEditSelected, &QToolButton::clicked, this, &TfrAlarm::tbEditSelectedClick);
    connect(lvAlarms, &QTreeWidget::itemSelectionChanged, this, &TfrAlarm::lvAlarmsSelectItem);
    connect(gbAlarmFiles->btnAlarmTest, &QAbstractButton::clicked, this, &TfrAlarm::btnAlarmTestClick);
    connect(gbAlarmFiles->bbVisualFile, &QAbstractButton::clicked, this, &TfrAlarm::bbVisualFileClick);
    connect(gbAlarmFiles->bbSoundFile, &QAbstractButton::clicked, this, &TfrAlarm::bbSoundFileClick);
    connect(gbAlarmFiles->bbDocFile, &QAbstractButton::clicked, this, &TfrAlarm::bbDocFileClick);
    connect(gbAlarmFiles->pcShow, &QTabWidget::currentChanged, this, &TfrAlarm::pcShowChange);

    AskYesNo = [this](const QString& question) {
        return QMessageBox::question(this, QApplication::applicationDisplayName(), question,
                                     QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::No;
    };
    ChooseFile = [this](const AlarmFileRequest& request) {
        return RunAlarmFileDialog(this, request);
    };

    setEditControls(false);
    tbEditSelected->setText(tr(" Edit selected"));
    InitEditor();
}

TfrAlarm::~TfrAlarm() = default;

void TfrAlarm::buildToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setAccessibleName(tr("Alarm tools"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ToolBar1->setIconSize(QSize(16, 16));
    tbNewAlarm = ToolButton("tbNewAlarm", tr(" Create alarm "), tr("Create new alarm"), Glyph::Create, ToolBar1);
    tbDeleteAlarm
        = ToolButton("tbDeleteAlarm", tr(" Delete alarm"), tr("Delete selected alarm"), Glyph::Delete, ToolBar1);
    ToolBar1->addSeparator();
    tbEditSelected
        = ToolButton("tbEditSelected", tr(" Edit selected"), tr("Edit selected alarm"), Glyph::Edit, ToolBar1);
    tbEditSelected->setCheckable(true);
}

void TfrAlarm::buildList()
{
    lvAlarms = new QTreeWidget(this);
    lvAlarms->setObjectName(QStringLiteral("lvAlarms"));
    lvAlarms->setAccessibleName(tr("Alarms"));
    lvAlarms->setColumnCount(4);
    //: Column headings of the alarm list.
    lvAlarms->setHeaderLabels({tr(" Name"), tr("Type"), tr("Alarm time"), tr("Next date to ring")});
    lvAlarms->setRootIsDecorated(false);
    lvAlarms->setItemsExpandable(false);
    lvAlarms->setUniformRowHeights(true);
    lvAlarms->setSelectionMode(QAbstractItemView::SingleSelection);
    lvAlarms->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvAlarms->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvAlarms->setAllColumnsShowFocus(true);

    QPalette palette = lvAlarms->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 240));
    // The selection stays as visible when the list loses the focus as when it has it.
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    lvAlarms->setPalette(palette);

    QHeaderView* header = lvAlarms->header();
    header->setStretchLastSection(true);
    header->setSectionResizeMode(kNameColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kTypeColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(kTimeColumn, QHeaderView::Interactive);
    // 70 pixels hold every kind's English name; a longer language's names widen the column.
    int typeWidth = 70;
    for (int kind : {akOnce, akDaily, akWeekly, akMonthly})
        typeWidth = std::max(typeWidth, lvAlarms->fontMetrics().horizontalAdvance(AlarmKindText(kind)) + 12);
    lvAlarms->setColumnWidth(kTypeColumn, typeWidth);
    lvAlarms->setColumnWidth(kTimeColumn, 85);
    lvAlarms->setColumnWidth(kNextDateColumn, 110);
    lvAlarms->setMinimumWidth(100 + typeWidth + 85 + 110);
}

void TfrAlarm::setFormatSettings(const FormatSettings& settings)
{
    m_settings = settings;
    for (int i = 0; i < rowCount(); ++i)
        RefreshAlarmRow(i);
}

void TfrAlarm::InitEditor()
{
    const TDateTime now = m_clock.now();
    if (m_editing) {
        pcAlarmMode->setDayCaptions(now, m_settings);
        return;
    }
    m_editIndex = -1;
    pcAlarmMode->prepare(now, m_settings);
}

void TfrAlarm::SetAmPm(bool ampm)
{
    m_amPm = ampm;
    pcAlarmMode->setAmPm(ampm);
    for (std::size_t i = 0; i < m_alarms.size(); ++i)
        RefreshAlarmRow(static_cast<int>(i));
}

int TfrAlarm::selectedRow() const
{
    const QList<QTreeWidgetItem*> selected = lvAlarms->selectedItems();
    return selected.isEmpty() ? -1 : lvAlarms->indexOfTopLevelItem(selected.first());
}

int TfrAlarm::rowCount() const
{
    return lvAlarms->topLevelItemCount();
}

void TfrAlarm::SelectFirstAlarm()
{
    if (rowCount() > 0 && selectedRow() < 0)
        lvAlarms->setCurrentItem(lvAlarms->topLevelItem(0));
}

void TfrAlarm::AddAlarmRow()
{
    auto* item = new QTreeWidgetItem(lvAlarms);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren);
    item->setCheckState(kNameColumn, Qt::Unchecked);
}

void TfrAlarm::RefreshAlarmRow(int row)
{
    if (row < 0 || row >= rowCount() || row >= static_cast<int>(m_alarms.size()))
        return;
    const AlarmRowTexts texts = DescribeAlarmRow(m_alarms, row, m_amPm, m_clock, m_settings);
    QTreeWidgetItem* item = lvAlarms->topLevelItem(row);
    item->setText(kNameColumn, texts.name);
    item->setCheckState(kNameColumn, texts.enabled ? Qt::Checked : Qt::Unchecked);
    item->setText(kTypeColumn, texts.kind);
    item->setText(kTimeColumn, texts.time);
    item->setText(kNextDateColumn, texts.nextDate);
}

void TfrAlarm::RefreshNextDate(int row)
{
    if (row < 0 || row >= rowCount() || row >= static_cast<int>(m_alarms.size()))
        return;
    const AlarmRowTexts texts = DescribeAlarmRow(m_alarms, row, m_amPm, m_clock, m_settings);
    lvAlarms->topLevelItem(row)->setText(kNextDateColumn, texts.nextDate);
}

void TfrAlarm::RebuildRows()
{
    lvAlarms->clear();
    for (std::size_t i = 0; i < m_alarms.size(); ++i) {
        AddAlarmRow();
        RefreshAlarmRow(static_cast<int>(i));
    }
    if (!m_editing)
        return;
    if (editedAlarm() != nullptr)
        selectRowHeld(m_editIndex);
    else
        endEditStoringNothing();
}

void TfrAlarm::AlarmDeleted(int index)
{
    if (m_editing && index >= 0 && m_editedCount == m_alarms.size() + 1) {
        if (index == m_editIndex)
            m_editIndex = -1;
        else if (index < m_editIndex)
            --m_editIndex;
        m_editedCount = m_alarms.size();
    }
    RebuildRows();
}

std::optional<bool> TfrAlarm::rowChecked(int row) const
{
    if (row < 0 || row >= rowCount())
        return std::nullopt;
    return lvAlarms->topLevelItem(row)->checkState(kNameColumn) == Qt::Checked;
}

void TfrAlarm::AlarmToControls(int index)
{
    if (index < 0 || index >= static_cast<int>(m_alarms.size()) || index >= rowCount())
        return;
    const TAlarmRecord& alarm = m_alarms[static_cast<std::size_t>(index)];
    // Showing a record is no change of the show page by the user.
    m_filling = true;
    pcAlarmMode->showAlarm(alarm, m_clock.now());
    gbAlarmFiles->showAlarm(alarm);
    m_filling = false;
}

void TfrAlarm::ControlsToAlarm(int index)
{
    if (index < 0 || index >= static_cast<int>(m_alarms.size()) || index >= rowCount())
        return;
    TAlarmRecord& alarm = m_alarms[static_cast<std::size_t>(index)];
    // An edited alarm may ring again today.
    alarm.LastRingDate = 0;
    pcAlarmMode->storeAlarm(alarm, m_clock.now());
    gbAlarmFiles->storeAlarm(alarm);
}

} // namespace horavine

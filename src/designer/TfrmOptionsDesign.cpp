// The "Skin Design" page: its controls, and the two copies between them and CurrentSkin.

#include "common/TextAround.h"
#include "controls/ErrorBox.h"
#include "controls/OptionsButtons.h"
#include "controls/TDsFancyButton.h"
#include "controls/TSpinEdit.h"
#include "designer/ColorPicker.h"
#include "designer/OptionsIcons.h"
#include "designer/TColorButton.h"
#include "designer/TfrmOptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace horavine {

namespace {

constexpr TColor kPermanentBackground = 0xEAF3F4; // 0x00BBGGRR, shared by the digital-format group

QLabel* Label(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

TSpinEdit* SpinEdit(const char* name, int minimum, int maximum, int step, TSpinEdit::Typing typing, const QString& hint,
                    QWidget* parent)
{
    auto* edit = new TSpinEdit(minimum, maximum, step, typing, parent);
    edit->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) {
        edit->setToolTip(hint);
        edit->setAccessibleName(hint);
    }
    return edit;
}

QComboBox* DropDown(const char* name, const QStringList& items, int visibleRows, const QString& hint, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(items);
    list->setMaxVisibleItems(visibleRows);
    list->setToolTip(hint);
    list->setAccessibleName(hint);
    return list;
}

QGroupBox* Group(const QString& caption, QWidget* parent)
{
    auto* group = new QGroupBox(caption, parent);
    group->setAccessibleName(caption.trimmed());
    return group;
}

TColorButton* MakeColorButton(const char* name, const QString& caption, const QString& hint, QWidget* parent)
{
    auto* button = new TColorButton(caption, hint, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

QWidget* TfrmOptions::buildDesignPage()
{
    using T = TSpinEdit;
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsDesign"));

    rgShape = Group(tr(" Shape "), page);
    rgShape->setObjectName(QStringLiteral("rgShape"));
    rgShape->setToolTip(tr("Choose a clock shape"));
    m_shapeGroup = new QButtonGroup(rgShape);
    auto* shapeLayout = new QHBoxLayout(rgShape);
    const QString shapes[] = {tr("Circular"), tr("Square"), tr("Rounded")};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(shapes[i], rgShape);
        button->setToolTip(rgShape->toolTip());
        m_shapeGroup->addButton(button, i);
        shapeLayout->addWidget(button);
    }
    m_shapeGroup->button(0)->setChecked(true);

    auto* transparency = Group(tr("Transparency [%] "), page);
    seTransparency = SpinEdit("seTransparency", 0, 50, 5, T::TypingAllowed, tr("Clock transparency"), transparency);
    (new QHBoxLayout(transparency))->addWidget(seTransparency);

    auto* general = Group(tr(" General "), page);
    seSize = SpinEdit("seSize", 50, 1000, 5, T::TypingAllowed, tr("Clock size"), general);
    QFont bold = seSize->font();
    bold.setBold(true);
    seSize->setFont(bold);
    seSize->setValue(DefaultSkin().ClockSize);
    auto* pattern = new QPushButton(MakeOptionsIcon(OptionsIcon::Texture), tr(" Texture"), general);
    pattern->setObjectName(QStringLiteral("bbPattern"));
    pattern->setToolTip(tr("Overlaped texture"));
    pattern->setAccessibleName(pattern->toolTip());
    bbPattern = pattern;
    auto* generalLayout = new QHBoxLayout(general);
    //: %1 is the box with the clock's size.
    const QStringList sizeRow = TextAround(tr("Size %1 pixels"), 1);
    generalLayout->addWidget(Label(sizeRow[0], general));
    generalLayout->addWidget(seSize);
    generalLayout->addWidget(Label(sizeRow[1], general));
    generalLayout->addStretch();
    generalLayout->addWidget(bbPattern);

    auto bandGroup = [&](const QString& caption, TColorButton*& first, const char* firstName, const QString& firstHint,
                         TSpinEdit*& middle, const char* middleName, TColorButton*& last, const char* lastName,
                         const QString& lastHint) {
        auto* group = Group(caption, page);
        //: A colour button: the band's first colour.
        first = MakeColorButton(firstName, tr(" First"), firstHint, group);
        middle = SpinEdit(middleName, 5, 95, 5, T::TypingAllowed, QString(), group);
        //: Accessible name; %1 is the group's caption, e.g. "Hours Colors (inner band)".
        middle->setAccessibleName(tr("%1: middle color position").arg(caption.trimmed()));
        //: A colour button: the band's last colour.
        last = MakeColorButton(lastName, tr(" Last"), lastHint, group);
        auto* layout = new QHBoxLayout(group);
        layout->addWidget(first);
        //: %1 is the box with the middle colour's position, in per cent of the way round.
        const QStringList middleRow = TextAround(tr("Middle color pos.  %1 %"), 1);
        layout->addWidget(Label(middleRow[0], group));
        layout->addWidget(middle);
        layout->addWidget(Label(middleRow[1], group));
        layout->addWidget(last);
        return group;
    };
    auto* hours = bandGroup(tr(" Hours Colors (inner band) "), bbHourStC, "bbHourStC", tr("First color for hours band"),
                            seHourMdC, "seHourMdC", bbHourEndC, "bbHourEndC", tr("Last color for hours band"));
    auto* minutes
        = bandGroup(tr(" Minutes Colors (outer band) "), bbMinStC, "bbMinStC", tr("First color for minutes band"),
                    seMinMdC, "seMinMdC", bbMinEndC, "bbMinEndC", tr("Last color for minutes band"));

    auto* tics = Group(tr(" Tics "), page);
    seTicsWidth = SpinEdit("seTicsWidth", 1, 20, 1, T::ArrowsOnly, tr("Choose tics width"), tics);
    bbTicsColor = MakeColorButton("bbTicsColor", tr(" Color"), tr("Choose tics color"), tics);
    auto* ticsLayout = new QHBoxLayout(tics);
    //: The width of the tics, in pixels.
    ticsLayout->addWidget(Label(tr("Width"), tics));
    ticsLayout->addWidget(seTicsWidth);
    ticsLayout->addWidget(bbTicsColor);

    auto* seconds = Group(tr(" Seconds "), page);
    cbSecStyle
        = DropDown("cbSecStyle",
                   {tr("Empty Circle"), tr("Full Circle"), tr("Star"),
                    //: No second marker at all.
                    tr("None"), tr("Empty Square"), tr("Full Square"), tr("Cross"), tr("Diamond"), tr("Triangle")},
                   10, tr("Choose second hand shape"), seconds);
    bbSecColor = MakeColorButton("bbSecColor", tr(" Color"), tr("Choose second hand color"), seconds);
    auto* secondsLayout = new QHBoxLayout(seconds);
    secondsLayout->addWidget(cbSecStyle, 1);
    secondsLayout->addWidget(bbSecColor);

    auto* band = Group(tr(" Tics Band (middle) "), page);
    bbBgColor = MakeColorButton("bbBgColor", tr(" Background Color"), tr("Choose tics band color"), band);
    seInnerEdge = SpinEdit("seInnerEdge", 10, 80, 1, T::ArrowsOnly, tr("Inner/middle band boundary position"), band);
    seOuterEdge = SpinEdit("seOuterEdge", 20, 90, 1, T::ArrowsOnly, tr("Middle/outer band boundary position"), band);
    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->addWidget(bbBgColor);
    bandLayout->addStretch();
    //: The band's inner (%1) and outer (%2) edge, boxes in per cent of the radius. %1 comes before %2;
    //: no space is needed before a box, the layout leaves a gap.
    const QStringList edgeRow = TextAround(tr("From%1 %  to%2 %"), 2);
    bandLayout->addWidget(Label(edgeRow[0], band));
    bandLayout->addWidget(seInnerEdge);
    bandLayout->addWidget(Label(edgeRow[1], band));
    bandLayout->addWidget(seOuterEdge);
    bandLayout->addWidget(Label(edgeRow[2], band));

    auto* digital = Group(tr(" Digital Clock "), page);
    cbDigPosition
        = DropDown("cbDigPosition",
                   //: Where the digital read-out stands on the face: nowhere, at the top, ...
                   {tr("Off"), tr("Top"), tr("Middle"), tr("Bottom")}, 10, tr("Digilal clock position/Off"), digital);
    seDigSize = SpinEdit("seDigSize", 5, 100, 1, T::ArrowsOnly, tr("Digital clock size"), digital);
    cbFontNames = DropDown("cbFontNames", {}, 16, tr("Digital clock font"), digital);
    fillFontNames();
    // The installed font names are as long as their makers chose: the list takes the row's rest
    // rather than widening the window for the longest name.
    cbFontNames->setMinimumWidth(cbFontNames->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 8);
    bbDigColor = MakeColorButton("bbDigColor", tr(" Color"), tr("Digital clock font color"), digital);
    auto* digitalLayout = new QHBoxLayout(digital);
    digitalLayout->addWidget(cbDigPosition);
    digitalLayout->addWidget(seDigSize);
    //: The unit after the read-out's size box (per cent of the face).
    digitalLayout->addWidget(Label(tr("%"), digital));
    digitalLayout->addWidget(cbFontNames, 1);
    digitalLayout->addWidget(bbDigColor);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    auto* top = new QHBoxLayout;
    top->addWidget(rgShape, 1);
    top->addWidget(transparency);
    layout->addLayout(top);
    layout->addWidget(general);
    layout->addWidget(hours);
    layout->addWidget(minutes);
    auto* ticsRow = new QHBoxLayout;
    ticsRow->addWidget(tics);
    ticsRow->addWidget(seconds, 1);
    layout->addLayout(ticsRow);
    layout->addWidget(band);
    layout->addWidget(digital);
    layout->addWidget(buildPermanentPanel(page));
    layout->addStretch(1);

    // Compact groups, so the whole page fits the window's 630 pixels.
    for (QGroupBox* group : page->findChildren<QGroupBox*>()) {
        if (QLayout* inner = group->layout()) {
            inner->setContentsMargins(6, 2, 6, 3);
            inner->setSpacing(4);
        }
    }
    for (TSpinEdit* edit : page->findChildren<TSpinEdit*>())
        edit->setMinimumWidth(edit == seSize ? 64 : 48);

    connectSkinControls();
    return page;
}

QWidget* TfrmOptions::buildPermanentPanel(QWidget* page)
{
    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("pnlPermanent"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);

    const QColor background = QColor::fromRgb(
        qRgb(kPermanentBackground & 0xFF, (kPermanentBackground >> 8) & 0xFF, (kPermanentBackground >> 16) & 0xFF));
    auto tint = [&](QWidget* widget) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, background);
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    };

    auto* permanent = Group(tr(" Permanent Options "), panel);
    tint(permanent);
    chkLastPos = new QCheckBox(tr("Save last pos. on exit"), permanent);
    chkLastPos->setObjectName(QStringLiteral("chkLastPos"));
    chkLastPos->setChecked(true);
    chkKeepSize = new QCheckBox(tr("Permanent clock size"), permanent);
    chkKeepSize->setObjectName(QStringLiteral("chkKeepSize"));
    chkKeepSize->setChecked(true);
    chkStayOnTop = new QCheckBox(tr("Always On Top"), permanent);
    chkStayOnTop->setObjectName(QStringLiteral("chkStayOnTop"));
    chkStayOnTop->setToolTip(tr("The clock stays above all"));
    chkStayOnTop->setAccessibleName(chkStayOnTop->toolTip());
    chkRandomSkin = new QCheckBox(tr("Random Skin from"), permanent);
    chkRandomSkin->setObjectName(QStringLiteral("chkRandomSkin"));
    cbRandomSkinGallery = new QComboBox(permanent);
    cbRandomSkinGallery->setObjectName(QStringLiteral("cbRandomSkinGallery"));
    cbRandomSkinGallery->setAccessibleName(tr("Random skin gallery"));
    cbRandomSkinGallery->setEnabled(false);
    auto* permanentLayout = new QVBoxLayout(permanent);
    permanentLayout->setSpacing(1);
    permanentLayout->addWidget(chkLastPos);
    permanentLayout->addWidget(chkKeepSize);
    permanentLayout->addWidget(chkStayOnTop);
    permanentLayout->addWidget(chkRandomSkin);
    permanentLayout->addWidget(cbRandomSkinGallery);

    rgDigFormat = Group(tr(" Digital Format "), panel);
    rgDigFormat->setObjectName(QStringLiteral("rgDigFormat"));
    tint(rgDigFormat);
    m_digFormatGroup = new QButtonGroup(rgDigFormat);
    auto* digLayout = new QHBoxLayout(rgDigFormat);
    //: The read-out's time format: 12-hour with AM/PM, or 24-hour.
    const QString captions[] = {tr("AMPM"), tr("24")};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(captions[i], rgDigFormat);
        m_digFormatGroup->addButton(button, i);
        digLayout->addWidget(button);
    }
    m_digFormatGroup->button(0)->setChecked(true);
    connect(m_digFormatGroup, &QButtonGroup::idClicked, this, [this] { rgDigFormatClick(); });

    sbSaveSettings = new TDsFancyButton(panel);
    sbSaveSettings->setObjectName(QStringLiteral("sbSaveSettings"));
    StyleOptionsButton(*sbSaveSettings, OptionsButton::SaveSkin);
    connect(sbSaveSettings, &QAbstractButton::clicked, this, [this] { sbSaveSettingsClick(); });

    auto* right = new QVBoxLayout;
    right->addWidget(rgDigFormat);
    right->addStretch();
    right->addWidget(sbSaveSettings, 0, Qt::AlignHCenter);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(permanent, 1);
    layout->addLayout(right);
    return panel;
}

void TfrmOptions::fillFontNames()
{
    // Each entry holds the name the skin stores; only "Default" shows a translated word.
    QStringList families = QFontDatabase::families();
    families.append(QStringLiteral("Default"));
    families.removeDuplicates();
    QList<std::pair<QString, QString>> entries; // shown, stored
    for (const QString& family : families)
        entries.append({family == QLatin1String("Default") ? tr("Default") : family, family});
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.first.compare(b.first, Qt::CaseInsensitive) < 0; });
    cbFontNames->clear();
    for (const auto& [shown, stored] : entries)
        cbFontNames->addItem(shown, stored);
}

void TfrmOptions::connectSkinControls()
{
    for (TColorButton* button :
         {bbHourStC, bbHourEndC, bbMinStC, bbMinEndC, bbBgColor, bbTicsColor, bbSecColor, bbDigColor})
        connect(button, &QPushButton::clicked, this, [this, button] { colorButtonClick(button); });
    for (TSpinEdit* edit : {seTicsWidth, seSize, seDigSize, seHourMdC, seMinMdC, seTransparency})
        connect(edit, &TSpinEdit::valueChanged, this, [this] { commonChange(); });
    for (QComboBox* list : {cbSecStyle, cbDigPosition, cbFontNames})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { commonChange(); });
    // The always-on-top box is a skin control too: the rebuild applies it, also when code sets it.
    connect(chkStayOnTop, &QCheckBox::toggled, this, [this] { commonChange(); });
    connect(chkRandomSkin, &QCheckBox::toggled, cbRandomSkinGallery, &QWidget::setEnabled);
    connect(m_shapeGroup, &QButtonGroup::idClicked, this, [this] { rgShapeClick(); });
    // The band boundaries hold each other, also while the controls are being filled.
    connect(seInnerEdge, &TSpinEdit::valueChanged, this, [this] {
        commonChange();
        seOuterEdge->setMinimum(seInnerEdge->value() - 1);
    });
    connect(seOuterEdge, &TSpinEdit::valueChanged, this, [this] {
        commonChange();
        seInnerEdge->setMaximum(seOuterEdge->value() + 1);
    });
    connect(bbPattern, &QAbstractButton::clicked, this, [this] { bbPatternClick(); });
}

void TfrmOptions::commonChange()
{
    if (m_filling)
        return;
    TakeSkinFromControls();
}

void TfrmOptions::colorButtonClick(TColorButton* button)
{
    if (m_filling)
        return;
    if (const std::optional<TColor> chosen = PickColor(this, button->color()))
        button->setColor(*chosen);
    else
        button->redrawSwatch();
    TakeSkinFromControls();
}

int TfrmOptions::shapeIndex() const
{
    return m_shapeGroup->checkedId();
}

void TfrmOptions::ShowSkinInControls()
{
    const TClockSkin& skin = m_skin.CurrentSkin;
    const bool wasFilling = m_filling;
    m_filling = true;

    // The band boundaries' cross limits come from the skin shown before; loosened first, a new
    // skin's edges are shown as they are and only then hold each other again.
    seInnerEdge->setMaximum(80);
    seOuterEdge->setMinimum(20);

    bbHourStC->setColor(skin.HourStartColor);
    seHourMdC->setValue(skin.HourMidPos);
    bbHourEndC->setColor(skin.HourEndColor);
    seInnerEdge->setValue(skin.InnerEdge);
    bbMinStC->setColor(skin.MinStartColor);
    seMinMdC->setValue(skin.MinMidPos);
    bbMinEndC->setColor(skin.MinEndColor);
    seOuterEdge->setValue(skin.OuterEdge);
    seOuterEdge->setMinimum(seInnerEdge->value() - 1);
    seInnerEdge->setMaximum(seOuterEdge->value() + 1);
    bbBgColor->setColor(skin.TicsBandColor);
    bbTicsColor->setColor(skin.TicsColor);
    seTicsWidth->setValue(skin.TicsWidth);
    bbSecColor->setColor(skin.SecColor);
    seTransparency->setValue(skin.Transparency);
    seSize->setValue(skin.ClockSize);

    const int shape = skin.NotCircular == 0 ? 0 : skin.Rounded == 1 ? 2 : 1;
    m_shapeGroup->button(shape)->setChecked(true);

    cbSecStyle->setCurrentIndex(skin.SecStyle >= 0 && skin.SecStyle < cbSecStyle->count() ? int(skin.SecStyle) : -1);
    cbDigPosition->setCurrentIndex(
        skin.DigPosition >= 0 && skin.DigPosition < cbDigPosition->count() ? int(skin.DigPosition) : -1);
    seDigSize->setValue(skin.DigSize);

    const auto entry = [this](const QString& family) {
        return cbFontNames->findData(family, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    };
    int font = entry(skin.DigFont.text());
    if (font < 0)
        font = entry(QStringLiteral("Arial"));
    // Arial is rarely installed here; the system's default font is the next best thing.
    if (font < 0)
        font = entry(QStringLiteral("Default"));
    cbFontNames->setCurrentIndex(font);

    bbDigColor->setColor(skin.DigColor);
    m_filling = wasFilling;
}

void TfrmOptions::TakeSkinFromControls()
{
    if (m_filling)
        return;
    TClockSkin& skin = m_skin.CurrentSkin;
    skin.HourStartColor = bbHourStC->color();
    skin.HourMidPos = seHourMdC->value();
    skin.HourEndColor = bbHourEndC->color();
    skin.InnerEdge = seInnerEdge->value();
    skin.MinStartColor = bbMinStC->color();
    skin.MinMidPos = seMinMdC->value();
    skin.MinEndColor = bbMinEndC->color();
    skin.OuterEdge = seOuterEdge->value();
    skin.TicsBandColor = bbBgColor->color();
    skin.TicsColor = bbTicsColor->color();
    skin.TicsWidth = seTicsWidth->value();
    skin.NotCircular = shapeIndex() != 0 ? 1 : 0;
    skin.Rounded = shapeIndex() == 2 ? 1 : 0;
    skin.SecColor = bbSecColor->color();
    skin.SecStyle = cbSecStyle->currentIndex();
    skin.ClockSize = seSize->value();

    // An 8-bit field: a typed value beyond it stops here, before the face is rebuilt.
    const int transparency = seTransparency->value();
    if (transparency < 0 || transparency > 255) {
        ShowErrorBox(this, tr("Range check error"));
        return;
    }
    skin.Transparency = std::uint8_t(transparency);
    skin.ClockSize = std::clamp(seSize->value(), seSize->minimum(), seSize->maximum());

    skin.DigPosition = cbDigPosition->currentIndex();
    skin.DigSize = seDigSize->value();
    skin.DigFont.setText(cbFontNames->currentData().toString().left(30));
    skin.DigColor = bbDigColor->color();

    if (RebuildFace)
        RebuildFace();
}

} // namespace horavine

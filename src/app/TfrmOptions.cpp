#include "app/TfrmOptions.h"

#include "app/ClockSettings.h"
#include "app/ErrorBox.h"
#include "common/IoError.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace horavine {

TfrmOptions::TfrmOptions(SkinState& skin, QWidget* parent)
    : QDialog(parent)
    , m_skin(skin)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);

    pcOptions = new QTabWidget(this);
    pcOptions->setObjectName(QStringLiteral("pcOptions"));
    pcOptions->addTab(buildDesignPage(), QStringLiteral("Skin Design"));
    pcOptions->addTab(new QWidget(pcOptions), QStringLiteral("Skin Galleries"));
    pcOptions->addTab(new QWidget(pcOptions), QStringLiteral("  Alarms  "));
    pcOptions->addTab(new QWidget(pcOptions), QStringLiteral("  Help   "));

    bbClose = new QPushButton(QStringLiteral("Close the clock"), this);
    bbClose->setObjectName(QStringLiteral("bbClose"));
    bbDone = new QPushButton(QStringLiteral("Done"), this);
    bbDone->setObjectName(QStringLiteral("bbDone"));
    bbDone->setDefault(true);
    connect(bbDone, &QPushButton::clicked, this, &TfrmOptions::bbDoneClick);
    connect(bbClose, &QPushButton::clicked, this, &TfrmOptions::bbCloseClick);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(bbClose);
    bottom->addStretch();
    bottom->addWidget(bbDone);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcOptions);
    layout->addLayout(bottom);

    pcOptions->setCurrentIndex(0);
}

QWidget* TfrmOptions::buildDesignPage()
{
    auto* page = new QWidget(this);

    auto* general = new QGroupBox(QStringLiteral(" General "), page);
    seSize = new QSpinBox(general);
    seSize->setObjectName(QStringLiteral("seSize"));
    seSize->setRange(50, 1000);
    seSize->setSingleStep(5);
    seSize->setToolTip(QStringLiteral("Clock size"));
    seSize->setValue(DefaultSkin().ClockSize);
    auto* sizeRow = new QHBoxLayout(general);
    sizeRow->addWidget(new QLabel(QStringLiteral("Size "), general));
    sizeRow->addWidget(seSize);
    sizeRow->addWidget(new QLabel(QStringLiteral("pixels"), general));
    sizeRow->addStretch();

    auto* permanent = new QGroupBox(QStringLiteral(" Permanent Options "), page);
    chkLastPos = new QCheckBox(QStringLiteral("Save last pos. on exit"), permanent);
    chkLastPos->setObjectName(QStringLiteral("chkLastPos"));
    chkKeepSize = new QCheckBox(QStringLiteral("Permanent clock size"), permanent);
    chkKeepSize->setObjectName(QStringLiteral("chkKeepSize"));
    chkKeepSize->setChecked(true);
    chkStayOnTop = new QCheckBox(QStringLiteral("Always On Top"), permanent);
    chkStayOnTop->setObjectName(QStringLiteral("chkStayOnTop"));
    chkRandomSkin = new QCheckBox(QStringLiteral("Random Skin from"), permanent);
    chkRandomSkin->setObjectName(QStringLiteral("chkRandomSkin"));
    cbRandomSkinGallery = new QComboBox(permanent);
    cbRandomSkinGallery->setObjectName(QStringLiteral("cbRandomSkinGallery"));
    cbRandomSkinGallery->setEnabled(false);
    auto* permanentLayout = new QVBoxLayout(permanent);
    permanentLayout->addWidget(chkLastPos);
    permanentLayout->addWidget(chkKeepSize);
    permanentLayout->addWidget(chkStayOnTop);
    auto* randomRow = new QHBoxLayout;
    randomRow->addWidget(chkRandomSkin);
    randomRow->addWidget(cbRandomSkinGallery, 1);
    permanentLayout->addLayout(randomRow);

    rgDigFormat = new QGroupBox(QStringLiteral(" Digital Format "), page);
    rgDigFormat->setObjectName(QStringLiteral("rgDigFormat"));
    m_digFormatGroup = new QButtonGroup(rgDigFormat);
    auto* digLayout = new QHBoxLayout(rgDigFormat);
    const QString captions[] = {QStringLiteral("AMPM"), QStringLiteral("24")};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(captions[i], rgDigFormat);
        m_digFormatGroup->addButton(button, i);
        digLayout->addWidget(button);
    }
    m_digFormatGroup->button(0)->setChecked(true);
    connect(m_digFormatGroup, &QButtonGroup::idClicked, this, [this] { rgDigFormatClick(); });

    // The size and the always-on-top box are skin controls: a change reaches the face at once.
    connect(seSize, &QSpinBox::valueChanged, this, [this] { TakeSkinFromControls(); });
    connect(chkStayOnTop, &QCheckBox::toggled, this, [this] { TakeSkinFromControls(); });
    connect(chkRandomSkin, &QCheckBox::toggled, cbRandomSkinGallery, &QWidget::setEnabled);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(general);
    layout->addWidget(permanent);
    layout->addWidget(rgDigFormat);
    layout->addStretch();
    return page;
}

void TfrmOptions::ShowSkinInControls()
{
    const bool wasFilling = m_filling;
    m_filling = true;
    seSize->setValue(m_skin.CurrentSkin.ClockSize);
    m_filling = wasFilling;
}

void TfrmOptions::TakeSkinFromControls()
{
    if (m_filling)
        return;
    m_skin.CurrentSkin.ClockSize = std::clamp(seSize->value(), 50, 1000);
    if (RebuildFace)
        RebuildFace();
}

int TfrmOptions::digFormatIndex() const
{
    return m_digFormatGroup->checkedId();
}

void TfrmOptions::setDigFormatIndex(int index)
{
    if (index >= 0 && index <= 1) {
        m_digFormatGroup->button(index)->setChecked(true);
    } else {
        // An exclusive group cannot be emptied by unchecking its checked button.
        m_digFormatGroup->setExclusive(false);
        for (QAbstractButton* button : m_digFormatGroup->buttons())
            button->setChecked(false);
        m_digFormatGroup->setExclusive(true);
    }
    rgDigFormatClick();
}

void TfrmOptions::rgDigFormatClick()
{
    if (SetAmPm)
        SetAmPm(digFormatIndex() == 0);
}

PermanentOptions TfrmOptions::permanentOptions() const
{
    PermanentOptions options;
    options.randomSkin = chkRandomSkin->isChecked();
    options.randomSkinGallery
        = cbRandomSkinGallery->currentIndex() >= 0 ? cbRandomSkinGallery->currentText() : QString();
    options.lastPos = chkLastPos->isChecked();
    options.keepSize = chkKeepSize->isChecked();
    options.stayOnTop = chkStayOnTop->isChecked();
    options.digFormat = digFormatIndex();
    return options;
}

void TfrmOptions::setGalleries(const QStringList& names)
{
    cbRandomSkinGallery->clear();
    cbRandomSkinGallery->addItems(names);
    cbRandomSkinGallery->setCurrentIndex(-1);
}

bool TfrmOptions::runDone()
{
    TakeSkinFromControls();
    try {
        if (WriteSettings)
            WriteSettings();
    } catch (const IoError& error) {
        ShowErrorBox(this, error.message());
        return false;
    }
    return true;
}

void TfrmOptions::bbDoneClick()
{
    if (runDone() && isVisible())
        accept();
}

void TfrmOptions::bbCloseClick()
{
    if (!runDone())
        return;
    if (isVisible())
        accept();
    if (CloseClock)
        CloseClock();
}

void TfrmOptions::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ShowSkinInControls();
}

} // namespace horavine

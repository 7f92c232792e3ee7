#include "designer/TBrushDialog.h"

#include "common/IoError.h"
#include "controls/ErrorBox.h"
#include "controls/Monitors.h"
#include "designer/ColorPicker.h"
#include "designer/PatternRowDelegate.h"
#include "designer/TexturePickers.h"
#include "face/FaceColors.h"
#include "face/TexturePatterns.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <utility>

namespace horavine {

namespace {

const QSize kPreviewSize(79, 59);
const QSize kSwatchSize(28, 15);

QIcon ColorSwatch(TColor color)
{
    QPixmap swatch(kSwatchSize);
    swatch.fill(QColor(ToQRgb(color)));
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    return QIcon(swatch);
}

} // namespace

TBrushDialog::TBrushDialog(FaceOverlay& overlay, SkinState& state, const AppDir& appDir,
                           std::function<void()> overlayChanged, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_choice(overlay, state, appDir)
    , m_overlayChanged(std::move(overlayChanged))
{
    setObjectName(QStringLiteral("BrushDialog"));
    setWindowTitle(tr("Texture Editor"));
    setModal(true);
    buildControls();
    setFixedSize(kClientWidth, kClientHeight);
}

void TBrushDialog::buildControls()
{
    // Created in tab order: the list first, so it takes the focus.
    LStyle = new QListWidget(this);
    LStyle->setObjectName(QStringLiteral("LStyle"));
    LStyle->setAccessibleName(tr("Texture"));
    LStyle->setItemDelegate(new PatternRowDelegate(LStyle));
    LStyle->setUniformItemSizes(true);
    LStyle->addItems(PatternNames());
    LStyle->setFixedWidth(170);
    connect(LStyle, &QListWidget::currentRowChanged, this, &TBrushDialog::rowChanged);
    // A click on the row already selected still applies it (it may have been left by a picture).
    connect(LStyle, &QListWidget::clicked, this, [this](const QModelIndex& index) { rowChanged(index.row()); });

    BColor = new QPushButton(tr("&Color..."), this);
    BColor->setObjectName(QStringLiteral("BColor"));
    BColor->setIconSize(kSwatchSize);
    connect(BColor, &QPushButton::clicked, this, &TBrushDialog::BColorClick);

    GroupBox1 = new QGroupBox(tr("Image:"), this);
    Button1 = new QPushButton(tr("&Image..."), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &TBrushDialog::Button1Click);
    Image1 = new QLabel(GroupBox1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(tr("Image"));
    Image1->setFixedSize(kPreviewSize);
    Image1->setScaledContents(true);
    Image1->setAlignment(Qt::AlignCenter);
    auto* imageRow = new QHBoxLayout(GroupBox1);
    imageRow->addWidget(Button1);
    imageRow->addWidget(Image1);

    GroupBox2 = new QGroupBox(tr(" Transperancy"), this);
    SpinEdit1 = new QSpinBox(GroupBox2);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setAccessibleName(tr("Transperancy"));
    SpinEdit1->setRange(0, 100);
    SpinEdit1->setSingleStep(2);
    // Arrows only: the box steps but takes no typing.
    if (auto* edit = SpinEdit1->findChild<QLineEdit*>())
        edit->setReadOnly(true);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TBrushDialog::SpinEdit1Change);
    Label1 = new QLabel(tr("%"), GroupBox2);
    Label1->setBuddy(SpinEdit1);
    auto* transparencyRow = new QHBoxLayout(GroupBox2);
    transparencyRow->addWidget(SpinEdit1);
    transparencyRow->addWidget(Label1);
    transparencyRow->addStretch();

    Button2 = new QPushButton(tr("OK"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);
    connect(Button2, &QPushButton::clicked, this, &TBrushDialog::Button2Click);
    Button3 = new QPushButton(tr("Cancel"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    connect(Button3, &QPushButton::clicked, this, &TBrushDialog::Button3Click);

    auto* topRow = new QHBoxLayout;
    topRow->addWidget(BColor);
    topRow->addStretch();
    topRow->addWidget(Button2);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(GroupBox2);
    bottomRow->addStretch();
    bottomRow->addWidget(Button3, 0, Qt::AlignBottom);
    auto* right = new QVBoxLayout;
    right->addLayout(topRow);
    right->addWidget(GroupBox1);
    right->addLayout(bottomRow);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(LStyle);
    layout->addLayout(right);
}

void TBrushDialog::selectPattern(int number)
{
    const bool wasSelecting = std::exchange(m_selecting, true);
    LStyle->setCurrentRow(number >= 0 && number < kPatternCount ? number : -1);
    m_selecting = wasSelecting;
}

void TBrushDialog::reloadTexture()
{
    imageAction(true);
}

void TBrushDialog::prepareForShow()
{
    m_choice.keepBackup();
    selectPattern(m_choice.state().CurrentPattern);
    updateImageButton();
    updateColorButton();
    LStyle->setFocus();
}

void TBrushDialog::rowChanged(int row)
{
    // Selecting a row in code is not a choice; choosing what already shows changes nothing.
    if (m_selecting || row < 0 || m_choice.showsPattern(row))
        return;
    LStyleClick();
}

void TBrushDialog::LStyleClick()
{
    const int row = LStyle->currentRow();
    if (row < 0)
        return;
    m_choice.choosePattern(row);
    updateImageButton();
    updateColorButton();
    overlayChanged();
}

void TBrushDialog::Button1Click()
{
    imageAction(false);
}

void TBrushDialog::imageAction(bool reload)
{
    if (LStyle->currentRow() >= kFirstPatternPicture)
        selectPattern(m_choice.brushStyle());

    // Before the first update the button reads "&Image...": a reload always loads, never clears.
    if (!reload && m_choice.hasImage()) {
        m_choice.removeImage();
        selectPattern(m_choice.state().CurrentPattern);
    } else {
        QString path;
        if (reload) {
            path = m_choice.locateTexturePath();
            if (path.isEmpty())
                ShowMessageBox(this, tr("Texture file not found."));
        } else if (const std::optional<QString> picked = PickTextureFile(m_choice.appDir(), this)) {
            path = *picked;
        }
        if (!path.isEmpty()) {
            try {
                m_choice.loadPicture(path);
            } catch (const IoError& error) {
                ShowErrorBox(this, error.message());
            }
        }
    }
    updateImageButton();
    updateColorButton();
    overlayChanged();
}

void TBrushDialog::updateImageButton()
{
    if (m_choice.hasImage()) {
        Button1->setText(tr("Clea&r"));
        Image1->setPixmap(QPixmap::fromImage(m_choice.overlay().Brush.Image));
    } else {
        Button1->setText(tr("B&rowse..."));
        Image1->clear();
        m_choice.forgetPathWithoutImage();
    }
}

void TBrushDialog::updateColorButton()
{
    BColor->setEnabled(m_choice.colorMatters());
    BColor->setIcon(ColorSwatch(m_choice.overlay().Brush.Color));
}

void TBrushDialog::BColorClick()
{
    if (const std::optional<TColor> color = PickColor(this, m_choice.overlay().Brush.Color)) {
        m_choice.setColor(*color);
        updateColorButton();
        overlayChanged();
    }
}

void TBrushDialog::SpinEdit1Change(int value)
{
    m_choice.setTransparency(value);
    overlayChanged();
}

void TBrushDialog::Button2Click()
{
    accept();
}

void TBrushDialog::Button3Click()
{
    reject();
}

void TBrushDialog::reject()
{
    m_choice.restoreBackup();
    overlayChanged();
    QDialog::reject();
}

void TBrushDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    CentreOnMonitorOf(this, parentWidget(), MonitorPart::Whole);
    prepareForShow();
}

void TBrushDialog::closeEvent(QCloseEvent* event)
{
    // The close box keeps every change, unlike Cancel and Escape.
    event->accept();
    done(QDialog::Rejected);
}

void TBrushDialog::overlayChanged()
{
    if (m_overlayChanged)
        m_overlayChanged();
}

} // namespace horavine

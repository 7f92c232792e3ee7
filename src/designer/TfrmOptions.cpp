#include "designer/TfrmOptions.h"

#include "common/IoError.h"
#include "common/Version.h"
#include "controls/ErrorBox.h"
#include "controls/Monitors.h"
#include "controls/OptionsButtons.h"
#include "controls/TDsFancyButton.h"
#include "controls/ValueLabel.h"
#include "controls/WindowFrame.h"
#include "designer/OptionsHelp.h"
#include "designer/OptionsIcons.h"
#include "designer/PermanentOptions.h"
#include "designer/TfmGallery.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace horavine {

namespace {

// The user guide ships beside the executable, so the notice's link works offline.
const char kUserGuide[] = "README.md";

} // namespace

TfrmOptions::TfrmOptions(SkinState& skin, const AppDir& appDir, QWidget* parent)
    : QDialog(parent)
    , m_skin(skin)
    , m_appDir(appDir)
{
    setObjectName(QStringLiteral("frmOptions"));
    //: The options window's caption; %1 is the version number.
    setWindowTitle(tr("Horavine Clock v%1  -  Options").arg(QStringLiteral(HORAVINE_VERSION)));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setModal(true);
    // The page was laid out for a small 8-point face; the desktop's larger default would not fit.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    setMinimumSize(410, 590);
    setMaximumWidth(420);
    resize(420, 630);

    pcOptions = new QTabWidget(this);
    pcOptions->setObjectName(QStringLiteral("pcOptions"));
    pcOptions->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 27px; }"));
    pcOptions->addTab(buildDesignPage(), MakeOptionsIcon(OptionsIcon::Design), tr("Skin Design"));
    pcOptions->addTab(buildGalleriesPage(), MakeOptionsIcon(OptionsIcon::Galleries), tr("Skin Galleries"));
    tsAlarms = new QWidget(pcOptions); // the alarm editor's frame goes here
    tsAlarms->setObjectName(QStringLiteral("tsAlarms"));
    auto* alarmsLayout = new QVBoxLayout(tsAlarms);
    alarmsLayout->setContentsMargins(2, 2, 2, 2);
    //: The spaces widen the tab; keep them.
    pcOptions->addTab(tsAlarms, MakeOptionsIcon(OptionsIcon::Alarms), tr("  Alarms  "));
    //: The spaces widen the tab; keep them.
    pcOptions->addTab(buildHelpPage(), MakeOptionsIcon(OptionsIcon::Help), tr("  Help   "));
    for (int i = 0; i < pcOptions->count(); ++i)
        pcOptions->widget(i)->setAccessibleName(pcOptions->tabText(i).trimmed());
    connect(pcOptions, &QTabWidget::currentChanged, this, &TfrmOptions::pageChanged);

    buildStatusBar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pcOptions, 1);
    layout->addWidget(buildBottomBar());
    layout->addWidget(StatusBar1);

    m_changingPage = true;
    pcOptions->setCurrentIndex(kDesignPage);
    m_changingPage = false;
    fitLanguage();
}

void TfrmOptions::fitLanguage()
{
    // 420 pixels hold the English texts; a language whose texts run longer widens the window as far
    // as its pages and tabs need, and no further.
    const int tabs = pcOptions->tabBar()->sizeHint().width() + 4;
    const int needed = std::max(minimumSizeHint().width(), tabs);
    if (needed <= maximumWidth())
        return;
    setMaximumWidth(needed);
    setMinimumWidth(needed);
    resize(needed, height());
}

TfrmOptions::~TfrmOptions() = default;

void TfrmOptions::setAlarmEditor(QWidget* editor)
{
    editor->setParent(tsAlarms);
    tsAlarms->layout()->addWidget(editor);
}

QWidget* TfrmOptions::buildGalleriesPage()
{
    auto* page = new QWidget(pcOptions);
    page->setObjectName(QStringLiteral("tsGalleries"));
    fmGallery = new TfmGallery(m_appDir, page);
    fmGallery->setObjectName(QStringLiteral("fmGallery"));
    fmGallery->OnThumbnailClick = [this](const QString& skinPath) {
        ThumbnailClick(skinPath);
    };

    // The picture button is kept off screen: previews are taken by "Save skin as...".
    pnlTakePicture = new QWidget(page);
    pnlTakePicture->setObjectName(QStringLiteral("pnlTakePicture"));
    auto* takePicture = new QPushButton(MakeOptionsIcon(OptionsIcon::Camera), tr("  Take a picture"), pnlTakePicture);
    takePicture->setObjectName(QStringLiteral("bbTakePicture"));
    takePicture->setAccessibleName(tr("Take a picture"));
    connect(takePicture, &QPushButton::clicked, this, [this] { bbTakePictureClick(); });
    bbTakePicture = takePicture;
    auto* panelLayout = new QHBoxLayout(pnlTakePicture);
    panelLayout->addWidget(takePicture);
    panelLayout->addStretch();
    pnlTakePicture->hide();

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(fmGallery, 1);
    layout->addWidget(pnlTakePicture);
    return page;
}

QWidget* TfrmOptions::buildHelpPage()
{
    auto* page = new QWidget(pcOptions);
    page->setObjectName(QStringLiteral("tsHelp"));
    pcHelp = new QTabWidget(page);
    pcHelp->setObjectName(QStringLiteral("pcHelp"));
    pcHelp->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 26px; }"));
    // The texts are broken into lines for a narrow face of 15-pixel cells; a wide face would
    // wrap every other line.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Sans Serif")});
    font.setPixelSize(13);
    const QStringList captions = HelpPageCaptions();
    for (int i = 0; i < captions.size(); ++i) {
        auto* text = new QPlainTextEdit(pcHelp);
        text->setObjectName(QStringLiteral("mmHelp%1").arg(i + 1));
        text->setReadOnly(true);
        text->setFrameShape(QFrame::NoFrame);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        text->setFont(font);
        text->setPlainText(HelpPageText(i));
        text->setAccessibleName(captions[i]);
        pcHelp->addTab(text, captions[i]);
    }
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(pcHelp);
    return page;
}

QWidget* TfrmOptions::buildBottomBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("pnlBottom"));
    bar->setFixedHeight(48);

    bbClose = new TDsFancyButton(bar);
    bbClose->setObjectName(QStringLiteral("bbClose"));
    StyleOptionsButton(*bbClose, OptionsButton::CloseClock);
    connect(bbClose, &QAbstractButton::clicked, this, &TfrmOptions::bbCloseClick);

    lblActiveSkin = new ValueLabel(bar); // the name says what it is, the text which skin
    lblActiveSkin->setObjectName(QStringLiteral("lblActiveSkin"));
    lblActiveSkin->setAlignment(Qt::AlignCenter);
    lblActiveSkin->setFrameShape(QFrame::Box);
    lblActiveSkin->setFixedWidth(137);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(15);
    lblActiveSkin->setFont(arial);
    lblActiveSkin->setAccessibleName(tr("Active skin"));

    bbDone = new TDsFancyButton(bar);
    bbDone->setObjectName(QStringLiteral("bbDone"));
    StyleOptionsButton(*bbDone, OptionsButton::Done);
    connect(bbDone, &QAbstractButton::clicked, this, &TfrmOptions::bbDoneClick);

    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(bbClose);
    layout->addStretch();
    layout->addWidget(lblActiveSkin);
    layout->addStretch();
    layout->addWidget(bbDone);
    return bar;
}

void TfrmOptions::buildStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    // A flat button that looks like a link: screen readers get a button they can press.
    auto* notice = new QPushButton(tr("Horavine, a skinnable desktop clock - read the user guide"), StatusBar1);
    notice->setObjectName(QStringLiteral("lblNotice"));
    notice->setFlat(true);
    notice->setCursor(Qt::PointingHandCursor);
    notice->setStyleSheet(QStringLiteral("QPushButton { color: blue; text-decoration: underline; border: none;"
                                         " text-align: left; padding: 0px; font-family: Arial; }"));
    connect(notice, &QPushButton::clicked, this, [this] { StatusBarClick(); });
    lblNotice = notice;
    StatusBar1->addWidget(notice, 1);
}

void TfrmOptions::StatusBarClick()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_appDir.file(QString::fromUtf8(kUserGuide))));
}

// --- the permanent options and the read-out format

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

void TfrmOptions::showPermanentOptions(const PermanentOptions& options, const QStringList& randomSkinGalleries)
{
    // Filling, not a change: the always-on-top box would otherwise rebuild the face from the controls.
    const bool wasFilling = m_filling;
    m_filling = true;
    cbRandomSkinGallery->clear();
    cbRandomSkinGallery->addItems(randomSkinGalleries);
    cbRandomSkinGallery->setCurrentIndex(
        options.randomSkinGallery.isEmpty() ? -1 : cbRandomSkinGallery->findText(options.randomSkinGallery));
    chkRandomSkin->setChecked(options.randomSkin);
    cbRandomSkinGallery->setEnabled(options.randomSkin);
    chkLastPos->setChecked(options.lastPos);
    chkKeepSize->setChecked(options.keepSize);
    chkStayOnTop->setChecked(options.stayOnTop);
    m_filling = wasFilling;
    setDigFormatIndex(options.digFormat);
}

void TfrmOptions::RefreshGalleryTabs()
{
    fmGallery->RefreshGalleryTabs();
    // The random-skin list is a copy of the tabs as they are now; later refreshes leave it.
    cbRandomSkinGallery->clear();
    cbRandomSkinGallery->addItems(fmGallery->galleryNames());
    cbRandomSkinGallery->setCurrentIndex(-1);
}

void TfrmOptions::setActiveSkinName(const QString& name)
{
    lblActiveSkin->setText(name);
    lblActiveSkin->setAccessibleDescription(name);
}

QString TfrmOptions::activeSkinName() const
{
    return lblActiveSkin->text();
}

// --- Done, Close, activation, pages

bool TfrmOptions::runDone()
{
    TakeSkinFromControls();
    if (EndAlarmEditing)
        EndAlarmEditing();
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

void TfrmOptions::rgShapeClick()
{
    TakeSkinFromControls();
    if (EndAlarmEditing)
        EndAlarmEditing();
}

void TfrmOptions::activationStep()
{
    if (InitEditor)
        InitEditor();
}

void TfrmOptions::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        ShowSkinInControls();
        activationStep();
    }
}

void TfrmOptions::placeForOpening()
{
    if (m_placed && MonitorOf(this) == MonitorOf(parentWidget()))
        return;
    m_placed = true;
    CentreOnMonitorOf(this, parentWidget(), MonitorPart::WorkArea);
}

void TfrmOptions::pageChanged(int index)
{
    if (m_changingPage)
        return;
    switch (index) {
    case kGalleriesPage:
        fmGallery->BuildThumbnails();
        break;
    case kAlarmsPage:
        if (SelectFirstAlarm)
            SelectFirstAlarm();
        break;
    case kHelpPage:
        pcHelp->setCurrentIndex(0);
        break;
    default:
        break;
    }
}

} // namespace horavine

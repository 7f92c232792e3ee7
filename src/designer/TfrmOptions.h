#pragma once

// The options window: the live skin designer, the galleries, the alarm editor's page and the
// help. Every change of a skin control copies all the controls into CurrentSkin and rebuilds the
// face at once; "Done" saves the settings, and only "Save skin as..." writes a skin file.

#include "common/AppDir.h"
#include "face/SkinState.h"

#include <QDialog>
#include <QImage>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QTabWidget;

namespace horavine {

struct PermanentOptions;
class TColorButton;
class TDsFancyButton;
class TfmGallery;
class TSpinEdit;
struct FaceOverlay;

class TfrmOptions : public QDialog
{
    Q_OBJECT
public:
    enum Page { kDesignPage = 0, kGalleriesPage = 1, kAlarmsPage = 2, kHelpPage = 3 };

    TfrmOptions(SkinState& skin, const AppDir& appDir, QWidget* parent = nullptr);
    ~TfrmOptions() override;

    // Wired by the main window.
    std::function<void()> RebuildFace;
    std::function<void()> WriteSettings; // throws IoError
    std::function<void()> CloseClock;
    std::function<void(const QString& path)> LoadSkin; // with the kept size; throws IoError
    std::function<void(const QString& path)> WriteSkinFile; // throws IoError
    std::function<QString()> CurrentSkinFile;
    std::function<QImage()> PhotographClock; // the clock's face as shown now, at the gallery size
    std::function<FaceOverlay*()> Overlay; // the face's texture overlay, changed in place
    std::function<void()> OverlayChanged; // the clock repaints its overlay
    // The alarm editor's side of this window.
    std::function<void(bool)> SetAmPm;
    std::function<void()> InitEditor;
    std::function<void()> SelectFirstAlarm;
    std::function<void()> EndAlarmEditing; // releases " Edit selected" when it is down

    // Before it opens: centred on the clock's monitor the first time, and again when the clock has
    // gone to another monitor since; otherwise it opens where the user left it.
    void placeForOpening();

    // Puts the alarm editor's frame on the "  Alarms  " page.
    void setAlarmEditor(QWidget* editor);

    void ShowSkinInControls();
    void TakeSkinFromControls();
    bool isFillingControls() const { return m_filling; }

    // rgDigFormat's selected index: -1 (none), 0 AM/PM, 1 24-hour.
    int digFormatIndex() const;
    void setDigFormatIndex(int index); // runs the group's click handler
    int shapeIndex() const;

    PermanentOptions permanentOptions() const;
    // Shows options the clock kept while this window did not exist; randomSkinGalleries is the
    // random-skin list as the first activation copied it. No skin control change follows from it.
    void showPermanentOptions(const PermanentOptions& options, const QStringList& randomSkinGalleries);
    // Lists the galleries as tabs, and copies them into the random-skin list (the first activation).
    void RefreshGalleryTabs();
    void setActiveSkinName(const QString& name);
    QString activeSkinName() const;

    // "Save skin as..." and the preview beside a skin file.
    void sbSaveSettingsClick();
    void TakeGalleryPicture(const QString& skinPath); // throws IoError
    void bbTakePictureClick();
    void bbPatternClick();
    void ThumbnailClick(const QString& skinPath);
    void StatusBarClick();

    // Skin Design
    QGroupBox* rgShape = nullptr;
    TSpinEdit* seTransparency = nullptr;
    TSpinEdit* seSize = nullptr;
    QAbstractButton* bbPattern = nullptr;
    TColorButton* bbHourStC = nullptr;
    TSpinEdit* seHourMdC = nullptr;
    TColorButton* bbHourEndC = nullptr;
    TColorButton* bbMinStC = nullptr;
    TSpinEdit* seMinMdC = nullptr;
    TColorButton* bbMinEndC = nullptr;
    TSpinEdit* seTicsWidth = nullptr;
    TColorButton* bbTicsColor = nullptr;
    QComboBox* cbSecStyle = nullptr;
    TColorButton* bbSecColor = nullptr;
    TColorButton* bbBgColor = nullptr;
    TSpinEdit* seInnerEdge = nullptr;
    TSpinEdit* seOuterEdge = nullptr;
    QComboBox* cbDigPosition = nullptr;
    TSpinEdit* seDigSize = nullptr;
    QComboBox* cbFontNames = nullptr;
    TColorButton* bbDigColor = nullptr;
    // Permanent options
    QCheckBox* chkLastPos = nullptr;
    QCheckBox* chkKeepSize = nullptr;
    QCheckBox* chkStayOnTop = nullptr;
    QCheckBox* chkRandomSkin = nullptr;
    QComboBox* cbRandomSkinGallery = nullptr;
    QGroupBox* rgDigFormat = nullptr;
    TDsFancyButton* sbSaveSettings = nullptr;
    // The window
    QTabWidget* pcOptions = nullptr;
    QWidget* tsAlarms = nullptr;
    TfmGallery* fmGallery = nullptr;
    QWidget* pnlTakePicture = nullptr; // not shown
    QAbstractButton* bbTakePicture = nullptr;
    QTabWidget* pcHelp = nullptr;
    TDsFancyButton* bbDone = nullptr;
    TDsFancyButton* bbClose = nullptr;
    QLabel* lblActiveSkin = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QAbstractButton* lblNotice = nullptr; // the maker's notice, a link to the user guide

public Q_SLOTS:
    void bbDoneClick();
    void bbCloseClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildDesignPage();
    QWidget* buildPermanentPanel(QWidget* page);
    QWidget* buildGalleriesPage();
    QWidget* buildHelpPage();
    QWidget* buildBottomBar();
    void buildStatusBar();
    void connectSkinControls();
    void colorButtonClick(TColorButton* button);
    void commonChange();
    void edgeLimits();
    void rgDigFormatClick();
    void rgShapeClick();
    void pageChanged(int index);
    void activationStep();
    bool runDone();
    void fillFontNames();
    void fitLanguage();

    SkinState& m_skin;
    AppDir m_appDir;
    QButtonGroup* m_shapeGroup = nullptr;
    QButtonGroup* m_digFormatGroup = nullptr;
    bool m_filling = false;
    bool m_changingPage = false; // a page made active by code runs no page-change action
    bool m_placed = false;
};

} // namespace horavine

#pragma once

// The options window: the permanent options and the clock size, "Done" and "Close the clock".
// The skin designer, the galleries and the alarm editor fill its other pages.

#include "face/SkinState.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace horavine {

struct PermanentOptions;

class TfrmOptions : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kAlarmsPage = 2;

    explicit TfrmOptions(SkinState& skin, QWidget* parent = nullptr);

    // Wired by the main window.
    std::function<void()> RebuildFace;
    std::function<void()> WriteSettings; // throws IoError
    std::function<void()> CloseClock;
    std::function<void(bool)> SetAmPm; // the alarm editor's 12-hour mode

    void ShowSkinInControls();
    void TakeSkinFromControls();
    bool isFillingControls() const { return m_filling; }

    // rgDigFormat's selected index: -1 (none), 0 AM/PM, 1 24-hour.
    int digFormatIndex() const;
    void setDigFormatIndex(int index); // runs the group's click handler

    PermanentOptions permanentOptions() const;
    void setGalleries(const QStringList& names);

    QSpinBox* seSize = nullptr;
    QCheckBox* chkLastPos = nullptr;
    QCheckBox* chkKeepSize = nullptr;
    QCheckBox* chkStayOnTop = nullptr;
    QCheckBox* chkRandomSkin = nullptr;
    QComboBox* cbRandomSkinGallery = nullptr;
    QGroupBox* rgDigFormat = nullptr;
    QTabWidget* pcOptions = nullptr;
    QPushButton* bbDone = nullptr;
    QPushButton* bbClose = nullptr;

public Q_SLOTS:
    void bbDoneClick();
    void bbCloseClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    void rgDigFormatClick();
    bool runDone();
    QWidget* buildDesignPage();

    SkinState& m_skin;
    QButtonGroup* m_digFormatGroup = nullptr;
    bool m_filling = false;
};

} // namespace horavine

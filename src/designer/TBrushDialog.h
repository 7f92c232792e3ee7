#pragma once

// The texture editor: edits the face overlay's brush and transparency in place, so the clock shows
// every choice at once. Cancel puts back what the overlay and the texture state were when shown.

#include "face/TextureChoice.h"

#include <QDialog>
#include <functional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace horavine {

class TBrushDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = 406;
    static constexpr int kClientHeight = 191;

    // overlay and state must outlive the dialog; overlayChanged runs after every change to the overlay.
    TBrushDialog(FaceOverlay& overlay, SkinState& state, const AppDir& appDir,
                 std::function<void()> overlayChanged = {}, QWidget* parent = nullptr);

    // Selects a row without running the list's click.
    void selectPattern(int number);
    // The image button's action on CurrentTexturePath instead of a file dialog; "Texture file not
    // found." when the file is neither there nor in the Textures folder.
    void reloadTexture();
    // Run when the dialog is shown: the backup, the list's selection, the two buttons.
    void prepareForShow();

    QListWidget* LStyle = nullptr;
    QPushButton* BColor = nullptr;
    QPushButton* Button2 = nullptr; // OK
    QPushButton* Button3 = nullptr; // Cancel
    QGroupBox* GroupBox1 = nullptr; // "Image:"
    QPushButton* Button1 = nullptr;
    QLabel* Image1 = nullptr;
    QGroupBox* GroupBox2 = nullptr; // transparency
    QSpinBox* SpinEdit1 = nullptr;
    QLabel* Label1 = nullptr;

public Q_SLOTS:
    void LStyleClick(); // the selected row's pattern onto the brush
    void Button1Click();
    void BColorClick();
    void SpinEdit1Change(int value);
    void Button2Click();
    void Button3Click();
    // Escape and the Cancel button; the close box keeps the changes instead.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void rowChanged(int row);
    void imageAction(bool reload);
    void updateImageButton();
    void updateColorButton();
    void overlayChanged();

    TextureChoice m_choice;
    std::function<void()> m_overlayChanged;
    bool m_selecting = false;
};

} // namespace horavine

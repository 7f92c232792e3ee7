#include "designer/TexturePickers.h"

#include "face/FaceColors.h"

#include <QColorDialog>
#include <QFileDialog>

namespace horavine {

namespace {

TextureFilePicker& FilePicker()
{
    static TextureFilePicker picker;
    return picker;
}

TextureColorPicker& ColorPicker()
{
    static TextureColorPicker picker;
    return picker;
}

} // namespace

std::optional<QString> PickTextureFile(const AppDir& appDir, QWidget* parent)
{
    if (FilePicker())
        return FilePicker()(appDir, parent);
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.setNameFilter(QStringLiteral("Bitmaps (*.bmp)"));
    dialog.setDirectory(appDir.texturesFolder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<TColor> PickTextureColor(TColor current, QWidget* parent)
{
    if (ColorPicker())
        return ColorPicker()(current, parent);
    const QColor chosen = QColorDialog::getColor(QColor(ToQRgb(current)), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return FromQRgb(chosen.rgb());
}

void SetTextureFilePicker(TextureFilePicker picker)
{
    FilePicker() = std::move(picker);
}

void SetTextureColorPicker(TextureColorPicker picker)
{
    ColorPicker() = std::move(picker);
}

} // namespace horavine

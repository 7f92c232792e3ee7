#include "designer/TexturePickers.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace horavine {

namespace {

TextureFilePicker& FilePicker()
{
    static TextureFilePicker picker;
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
    dialog.setNameFilter(QCoreApplication::translate("TexturePickers", "Bitmaps (*.bmp)"));
    dialog.setDirectory(appDir.texturesFolder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void SetTextureFilePicker(TextureFilePicker picker)
{
    FilePicker() = std::move(picker);
}

} // namespace horavine

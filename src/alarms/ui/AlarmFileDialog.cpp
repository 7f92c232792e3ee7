#include "alarms/ui/AlarmFileDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QImageReader>

namespace horavine {

QString PictureFilter()
{
    // The JPEG and GIF decoders are our own, so Qt's list may lack them.
    QStringList extensions = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe"),
                              QStringLiteral("jfif"), QStringLiteral("gif")};
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString extension = QString::fromLatin1(format).toLower();
        if (!extensions.contains(extension))
            extensions << extension;
    }
    QStringList masks;
    for (const QString& extension : extensions)
        masks << QStringLiteral("*.") + extension;
    //: A file dialog's filter; %1 is the list of file name masks.
    return QCoreApplication::translate("AlarmFileDialog", "Pictures (%1)").arg(masks.join(u' '));
}

std::optional<QString> RunAlarmFileDialog(QWidget* parent, const AlarmFileRequest& request)
{
    QFileDialog dialog(parent, {}, request.folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // AnyFile lets a message be typed where a file name goes; it comes back as a path.
    dialog.setFileMode(request.anyName ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(request.filters);
    if (!request.filters.isEmpty())
        dialog.selectNameFilter(request.filters.first());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace horavine

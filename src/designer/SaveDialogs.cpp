#include "designer/SaveDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QImageWriter>

namespace horavine {

namespace {

SaveDialogAnswer& Answer()
{
    static SaveDialogAnswer answer;
    return answer;
}

QString Run(QWidget* parent, const QString& title, const QString& folder, const QString& proposed,
            const QStringList& filters, const QString& suffix)
{
    if (Answer())
        return Answer()(title, folder, proposed);
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setSizeGripEnabled(true);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

} // namespace

QString ChooseSkinFile(QWidget* parent, const QString& folder, const QString& proposedName)
{
    return Run(parent, QCoreApplication::translate("SaveDialogs", "Save skin as"), folder, proposedName,
               {QCoreApplication::translate("SaveDialogs", "Clock Skin (*.clk)")}, QStringLiteral("clk"));
}

QString ChoosePictureFile(QWidget* parent, const QString& folder, const QString& proposedName)
{
    // The preview is written as a JPEG whatever the name says, so only JPEG names are offered.
    return Run(parent, QCoreApplication::translate("SaveDialogs", "Save picture as"), folder, proposedName,
               {QCoreApplication::translate("SaveDialogs", "JPEG picture (*.jpg *.jpeg)")}, QStringLiteral("jpg"));
}

void SetSaveDialogAnswer(SaveDialogAnswer answer)
{
    Answer() = std::move(answer);
}

} // namespace horavine

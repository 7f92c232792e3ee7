#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace horavine {

// "Save skin as": a .clk path chosen in folder (proposing proposedName), or empty when cancelled.
// It asks before replacing a file and accepts only existing folders.
QString ChooseSkinFile(QWidget* parent, const QString& folder, const QString& proposedName);
// The picture dialog of "  Take a picture": a picture path, or empty when cancelled.
QString ChoosePictureFile(QWidget* parent, const QString& folder, const QString& proposedName);

// Tests answer the dialogs: given the dialog's title, folder and proposed name, the chosen path
// (empty to cancel). An empty function brings the real dialogs back.
using SaveDialogAnswer = std::function<QString(const QString& title, const QString& folder, const QString& proposed)>;
void SetSaveDialogAnswer(SaveDialogAnswer answer);

} // namespace horavine

#pragma once

// The open dialogs of the alarm editor's file buttons, behind one hook so that tests answer them.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace horavine {

struct AlarmFileRequest
{
    enum Kind { Picture, Sound, Document };
    Kind kind = Picture;
    QString folder; // where the dialog opens
    QStringList filters; // name filters, the first one chosen
    bool anyName = false; // a name that is no file may be typed: a picture alarm's text message
};

// The chosen path, or nothing for Cancel.
using AlarmFileChooser = std::function<std::optional<QString>(const AlarmFileRequest&)>;

std::optional<QString> RunAlarmFileDialog(QWidget* parent, const AlarmFileRequest& request);

// "Pictures (...)" with every extension the picture loader reads.
QString PictureFilter();

} // namespace horavine

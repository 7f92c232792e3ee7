#pragma once

// The texts of the presentation window for alarms that show no picture.

#include <QString>

namespace horavine {

// A document alarm whose document is missing: " Rinnnng... (" + name + ")".
QString DocumentFallbackText(const QString& name);

// A picture or text alarm without a picture file: VisualFile is the message when it holds anything
// but spaces and control characters, else "Rinnnng... (" + name + ")".
QString AlarmMessage(const QString& visualFile, const QString& name);

// The label for a message: one space, the part after its last "\", "/" or ":" (all of it when it has
// none), one space. A message typed into the picture dialog comes back as a path under the dialog's
// folder, so only its last part is the user's text.
QString AlarmLabelText(const QString& message);

} // namespace horavine

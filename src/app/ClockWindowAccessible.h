#pragma once

namespace horavine {

// The clock window as screen readers see it: its value is the time the read-out shows (the elapsed
// time in timer mode), also through the text interface, since the face itself is only a picture.
// Needs the application object; calling it again does nothing.
void InstallAccessibleClockWindow();

} // namespace horavine

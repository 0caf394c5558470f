#pragma once

class QApplication;

namespace velkora {

// Everything the learner reads is Chinese, Qt's own dialogs included: the
// buttons of message boxes, the file and print dialogs. Loads Qt's
// Simplified Chinese translations and makes Chinese the locale of dates and
// numbers, whatever the system is set to, and gives the interface the
// Simplified Chinese sans-serif face that the program's Debian package
// brings, so that no machine shows a brush-style fallback.
void installChineseInterface(QApplication &app);

} // namespace velkora

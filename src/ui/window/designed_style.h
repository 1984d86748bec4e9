#pragma once

class QApplication;

namespace brelo {

// The window is designed to the twip with Fusion's metrics: Fusion it is,
// whatever style the desktop would give (QT_STYLE_OVERRIDE), unless the user
// asked for another on the command line (-style NAME).
void useDesignedStyle(QApplication &app, int argc, const char *const *argv);

} // namespace brelo

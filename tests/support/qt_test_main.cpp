#include "ui/window/designed_style.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Widget tests need a QApplication before any widget exists; without a display
// they run on the offscreen platform, with a fixed set of fonts and in the
// style the program chooses.
// Settings go to a fresh folder, so the user's own choices never change what
// a test sees.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("FONTCONFIG_FILE", BRELO_TEST_FONTS);  // the fixed set of fonts, for the driver too
    QApplication app(argc, argv);
    brelo::useDesignedStyle(app, 1, argv);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Writes the reference images of test_reference_images into tests/data (or the
// folder given): the drawings and the window's pages after a fixed session.
// Look at each image before committing it.
#include "reference_images.h"

#include "ui/window/designed_style.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("FONTCONFIG_FILE", BRELO_TEST_FONTS);  // the fonts the tests see
    QApplication app(argc, argv);
    brelo::useDesignedStyle(app, 1, argv);
    // As in the tests: the user's own choices (traced rays, the disc turned) never reach the images.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    using namespace brelo::reference;
    const bool elsewhere = argc > 1;
    const QDir drawings(elsewhere ? QString::fromLocal8Bit(argv[1]) : drawingsFolder());
    const QDir pages(elsewhere ? QString::fromLocal8Bit(argv[1]) : pagesFolder());

    bool ok = true;
    for (const DrawingCase &c : drawingCases())
        ok &= c.render().save(drawings.filePath(c.name + QStringLiteral(".png")));
    for (const PageShot &shot : pageShots())
        ok &= shot.image.save(pages.filePath(shot.name + QStringLiteral(".png")));
    std::printf("%s\n", ok ? "written" : "could not write the PNG files");
    return ok ? 0 : 1;
}

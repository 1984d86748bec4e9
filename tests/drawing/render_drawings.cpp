// Writes both drawings at design size as PNG files into the given folder (or
// the current one), to look at them: layout.png, disc.png and disc_tilted.png.
#include "drawing/disc_drawing.h"
#include "drawing/layout_drawing.h"
#include "drawing/picture_area.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    using namespace brelo;

    PictureArea layout(QColor(255, 128, 128), {kLayoutInnerWidthTwips, kLayoutInnerHeightTwips});
    OpticalState state;
    state.foco3b = "300";
    state.distb = 248.19277108433735;
    state.distc = 264.70588235294116;
    dessin(layout, {"1000", "90", "50", "30", "50", "50"}, state, -2000, true, '.');

    PictureArea disc(QColor(128, 0, 0), {kDiscInnerTwips, kDiscInnerTwips});
    setDiscUserScale(disc);
    dessinephem(disc, 0.0f, std::nullopt);
    PictureArea tilted(QColor(128, 0, 0), {kDiscInnerTwips, kDiscInnerTwips});
    setDiscUserScale(tilted);
    dessinephem(tilted, 20.0f, 5.0f);

    bool ok = true;
    ok &= layout.grab().save(folder.filePath("layout.png"));
    ok &= disc.grab().save(folder.filePath("disc.png"));
    ok &= tilted.grab().save(folder.filePath("disc_tilted.png"));
    std::printf("%s\n", ok ? "written" : "could not write the PNG files");
    return ok ? 0 : 1;
}

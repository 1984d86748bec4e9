#pragma once

// The pictures that the raster tests compare pixel for pixel with the PNG
// files of tests/data, and that render_references writes anew after a change
// that is meant to alter them (look at every file before committing it).

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace brelo::reference {

// One drawing into a fresh picture area at design size; image() is its inner
// picture.
struct DrawingCase {
    QString name;
    std::function<QImage()> render;
};
const std::vector<DrawingCase> &drawingCases();

// The whole window as the screen shows it after a fixed sequence of user
// events, one image per stop of the sequence.
struct PageShot {
    QString name;
    QImage image;
};
std::vector<PageShot> pageShots();

QString drawingsFolder();  // tests/data/drawings of the source tree
QString pagesFolder();     // tests/data/pages

} // namespace brelo::reference

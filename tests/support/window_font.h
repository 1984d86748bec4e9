#pragma once

#include <QFont>
#include <QString>

namespace brelo::test {

// The window's family list at a size and stretch, for tests of text drawn
// in the window's own fonts (design size, zoomed, or narrowed to fit).
inline QFont windowFont(double points, int stretch)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setStretch(stretch);
    return font;
}

} // namespace brelo::test

// Every pixel of the drawings and of the window's pages against images kept in
// tests/data (looked at once by eye; render_references writes them anew).
#include "reference_images.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace brelo::reference {
namespace {

// Every differing pixel counts; the first one and the count make the message.
// The actual image is left beside the build for a look.
void expectSameImage(const QImage &actual, const QString &expectedFile)
{
    const QImage expected = QImage(expectedFile).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull()) << expectedFile.toStdString() << " is missing";
    const QImage shown = actual.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), expected.size()) << expectedFile.toStdString();
    long differing = 0;
    QPoint first;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != expected.pixel(x, y) && differing++ == 0)
                first = {x, y};
    if (differing == 0)
        return;
    const QString saved = QDir::temp().filePath(QStringLiteral("actual_") + QFileInfo(expectedFile).fileName());
    shown.save(saved);
    ADD_FAILURE() << expectedFile.toStdString() << ": " << differing << " pixels differ, the first at ("
                  << first.x() << ", " << first.y() << "): expected #" << std::hex
                  << (expected.pixel(first) & 0xffffff) << ", drawn #" << (shown.pixel(first) & 0xffffff)
                  << std::dec << "; drawn image in " << saved.toStdString();
}

TEST(ReferenceImages, DrawingsArePixelIdentical)
{
    for (const DrawingCase &c : drawingCases()) {
        SCOPED_TRACE(c.name.toStdString());
        expectSameImage(c.render(), QDir(drawingsFolder()).filePath(c.name + QStringLiteral(".png")));
    }
}

TEST(ReferenceImages, PagesAfterASessionArePixelIdentical)
{
    for (const PageShot &shot : pageShots()) {
        SCOPED_TRACE(shot.name.toStdString());
        expectSameImage(shot.image, QDir(pagesFolder()).filePath(shot.name + QStringLiteral(".png")));
    }
}

} // namespace
} // namespace brelo::reference

#include "app/controls.h"
#include "app/instant_lines.h"
#include "common/twips_rect.h"

#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace brelo {
namespace {

// A line keeps the fit of its last text while text, font and size stay; after
// any change it must be fitted as a fresh label with the same font, size and
// text would be.
TEST(InstantLines, ALineIsFittedAsAFreshLabelWhateverChanged)
{
    const QString shortText = QStringLiteral("Heure locale : —");
    const QString longText =
        QStringLiteral("Heure locale : 07/12/2026 20:05 (CET, UTC+01:00) et encore un peu plus loin");
    const struct {
        const char *what;
        const QString &text;
        std::function<void(QLabel &)> change;
    } steps[] = {
        {"a long text", longText, [](QLabel &) {}},
        {"the same again", longText, [](QLabel &) {}},
        {"a short text", shortText, [](QLabel &) {}},
        {"the long text back", longText, [](QLabel &) {}},
        {"a larger font", longText, [](QLabel &l) { QFont f = l.font(); f.setPointSizeF(f.pointSizeF() * 1.5); l.setFont(f); }},
        {"narrower", longText, [](QLabel &l) { l.resize(l.width() * 2 / 3, l.height()); }},
        {"taller, so wrapped", longText, [](QLabel &l) { l.resize(l.width(), l.height() * 3); }},
        {"nothing changed", longText, [](QLabel &) {}},
        {"a smaller font", shortText, [](QLabel &l) { QFont f = l.font(); f.setPointSizeF(f.pointSizeF() / 2); l.setFont(f); }},
    };
    QWidget frame;
    bool condensed = false;
    QLabel *line = makeResultLabel(&frame, "lblheureloc", QStringLiteral("Heure locale :"), twipsRect(120, 1110, 4395, 195));
    for (const auto &step : steps) {
        step.change(*line);
        QLabel *fresh = makeResultLabel(&frame, "fresh", QString(), QRect(line->pos(), line->size()));
        fresh->setFont(line->font());
        fresh->setWordWrap(line->wordWrap());
        fresh->setText(step.text);
        refitText(fresh);

        setLineText(line, step.text);
        EXPECT_EQ(line->text(), step.text) << step.what;
        EXPECT_EQ(line->font(), fresh->font()) << step.what;
        EXPECT_EQ(line->size(), fresh->size()) << step.what;
        EXPECT_EQ(line->wordWrap(), fresh->wordWrap()) << step.what;
        condensed = condensed || (line->font().stretch() != QFont::AnyStretch && line->font().stretch() < 100);
        delete fresh;
    }
    EXPECT_TRUE(condensed);  // the test fits something
}

} // namespace
} // namespace brelo

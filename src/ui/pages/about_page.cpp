#include "ui/pages/about_page.h"

#include "ui/widgets/controls.h"
#include "ui/widgets/design_texts.h"
#include "ui/widgets/fitted_label.h"
#include "ui/widgets/twips_rect.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>

// The logo lives in the library's resources, which a static library must
// register itself.
static void registerResources() { Q_INIT_RESOURCE(brelo); }

namespace brelo {

namespace {

struct Text {
    const char *name;
    const char *text;
    int left, top, width, height;
    bool bold;
    Qt::Alignment alignment;
    bool licence = false;
};

void buildContents(QWidget *page)
{
    auto *texts = new DesignTexts("brelo::AboutPage", page);
    auto *frame = makeFrame(page, "Frame3", QString(), pageRect(2400, 2040, 7095, 3315));
    texts->keep(frame, QT_TRANSLATE_NOOP("brelo::AboutPage", "A Propos"));

    auto *logo = makeLabel(frame, "Picture2", QString(), twipsRect(240, 360, 3075, 1155));
    logo->setPixmap(QPixmap(QStringLiteral(":/brelo/logo.png")));
    logo->setAlignment(Qt::AlignCenter);

    auto *title = makeLabel(frame, "Label14", QStringLiteral("BRELO v.1.1"), twipsRect(4080, 240, 2235, 435));
    QFont comic = title->font();
    comic.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"), QStringLiteral("URW Gothic"),
                       QStringLiteral("DejaVu Sans")});
    comic.setPointSizeF(18);
    comic.setBold(true);
    title->setFont(comic);
    title->setWordWrap(false);  // one line, fitted to its box
    setTextColor(title, {0, 0, 192});

    constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    // Texts of the "brelo::AboutPage" context.
    const Text items[] = {
        {"Label15",
         QT_TRANSLATE_NOOP("brelo::AboutPage", "Programme d'aide au calcul de l'optique d'un coronographe de Lyot"),
         3540, 780, 3375, 435, true, centred},
        {"Label32", QT_TRANSLATE_NOOP("brelo::AboutPage", "Calcul d'éphéméride solaire"), 4020, 1320, 2835, 195, true,
         centred},
        {"Label16", QT_TRANSLATE_NOOP("brelo::AboutPage", "Logiciel libre et gratuit"), 2220, 1680, 4695, 195, true,
         left, true},
        {"Label17",
         QT_TRANSLATE_NOOP("brelo::AboutPage",
                           "Vous pouvez l'utiliser, le copier, le modifier et le redistribuer librement. "
                           "Il est fourni tel quel, sans aucune garantie : vérifiez vos calculs avant de monter vos "
                           "optiques."),
         120, 1920, 6855, 435, false, centred},
        {"Label18", QT_TRANSLATE_NOOP("brelo::AboutPage", "Écrit par des amateurs, pour des amateurs."), 2520, 2460,
         4455, 195, false, left},
        {"Label33",
         QT_TRANSLATE_NOOP("brelo::AboutPage", "Né de la construction d'un coronographe de Lyot d'amateur, pour observer "
                                               "les protubérances et la couronne solaire."),
         120, 2820, 6855, 435, false, centred},
    };
    for (const Text &t : items) {
        auto *label = makeLabel(frame, t.name, QString(), twipsRect(t.left, t.top, t.width, t.height));
        texts->keep(label, t.text);
        // What "Logiciel libre" means here: the licence, and where its full text is.
        if (t.licence)
            texts->keep([label, texts] {
                label->setToolTip(texts->text(QT_TRANSLATE_NOOP("brelo::AboutPage",
                                                                "Licence GPL-3.0 ou ultérieure — texte complet : %1"))
                                      .arg(QStringLiteral(BRELO_LICENSE_FILE)));
            });
        label->setAlignment(t.alignment);
        setBold(label, t.bold);
    }
}

} // namespace

AboutPage::AboutPage(QWidget *parent) : QWidget(parent)
{
    registerResources();  // the window's icon is among them
    buildContents(this);
}

} // namespace brelo

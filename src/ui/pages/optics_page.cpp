#include "ui/widgets/controls.h"
#include "ui/widgets/one_row_list_view.h"
#include "ui/pages/pages.h"
#include "ui/window/spin_table.h"
#include "ui/widgets/twips_rect.h"
#include "ui/widgets/picture_area.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelo {

namespace {

constexpr Rgb kDarkBlue{0, 0, 192};
constexpr Rgb kPicture1Background{255, 128, 128};

// Columns of the input grid: label, field, arrows, gap, label, field, arrows.
enum Column { kLabelA, kFieldA, kSpinA, kGap, kLabelB, kFieldB, kSpinB, kColumns };
constexpr int kFocalFieldWidth = 44;
constexpr int kDiameterFieldWidth = 34;
constexpr int kSpinWidth = 16;

struct FieldRow {
    const char *label;
    const char *labelText;
    const char *field;
    const char *text;
    const char *spin;
};

// One lens: its focal length and its diameter on one row.
struct LensRow {
    FieldRow focal;
    FieldRow diameter;
};

void addField(QGridLayout *grid, QWidget *frame, int row, int labelColumn, int labelSpan,
              const FieldRow &entry, int fieldWidth, char separator)
{
    auto *label = makeLabel(frame, entry.label, QString::fromUtf8(entry.labelText));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setContentsMargins(0, 0, 4, 0);  // keep the text off its field
    auto *field = makeTextBox(frame, entry.field, QString::fromUtf8(entry.text));
    field->setFixedWidth(fieldWidth);
    auto *spin = makeSpinButton(frame, entry.spin, separator);
    spin->setFixedSize(kSpinWidth, field->sizeHint().height());
    grid->addWidget(label, row, labelColumn, 1, labelSpan);
    grid->addWidget(field, row, labelColumn + labelSpan);
    grid->addWidget(spin, row, labelColumn + labelSpan + 1);
}

QGroupBox *buildInputFrame(QWidget *page, char separator)
{
    auto *frame = makeFrame(page, "Frame1", QString::fromUtf8("Valeurs en entrée"), pageRect(120, 440, 4575, 4155));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setHorizontalSpacing(0);
    grid->setColumnMinimumWidth(kGap, 10);
    grid->setColumnStretch(kLabelA, 1);

    const auto lens = [&](int row, const LensRow &r) {
        addField(grid, frame, row, kLabelA, 1, r.focal, kFocalFieldWidth, separator);
        addField(grid, frame, row, kLabelB, 1, r.diameter, kDiameterFieldWidth, separator);
    };
    lens(0, {{"Label3", "Lentille  O1  Focale=", "Txtfoco1", "1000", "UpDown1"},
             {"Label4", "Diamètre=", "Txtdo1", "90", "UpDown2"}});
    lens(1, {{"Label5", "Lentille 02   Focale=", "Txtfoco2", "200", "UpDown3"},
             {"Label6", "Diamètre=", "Txtdo2", "50", "UpDown4"}});
    addField(grid, frame, 2, kLabelA, kFieldB - kLabelA,
             {"Label7", "Distance A = Lentille O2 - Disque occulteur:", "Txtdiscoc", "30", "UpDown5"},
             kDiameterFieldWidth, separator);
    lens(3, {{"Label8", "Objectif O3  Focale=", "Txtfoco3a", "300", "UpDown6"},
             {"Label10", "Diamètre=", "Txtdo3a", "50", "UpDown7"}});
    grid->addWidget(makeCheckBox(frame, "Chko3", QStringLiteral("Objectifs O3 et O3' identiques"), true),
                    4, kLabelA, 1, kColumns);
    lens(5, {{"Label11", "Objectif O3'  Focale=", "Txtfoco3b", "300", "UpDown8"},
             {"Label12", "Diamètre=", "Txtdo3b", "50", "UpDown9"}});
    auto *calc = makeButton(frame, "Cmdcalc", QStringLiteral("&CALCUL"));
    calc->setMinimumSize(120, 30);
    grid->addWidget(calc, 6, kLabelA, 1, kColumns, Qt::AlignHCenter);
    for (int row = 0; row < 7; ++row)
        grid->setRowStretch(row, 1);

    // Chko3 starts checked: O3' follows O3 and its controls are disabled.
    for (const char *name : {"Txtfoco3b", "Txtdo3b", "UpDown8", "UpDown9"})
        frame->findChild<QWidget *>(QString::fromLatin1(name))->setEnabled(false);
    return frame;
}

QGroupBox *buildResultFrame(QWidget *page, QAbstractItemModel *listdiam, QAbstractItemModel *listdimfoy)
{
    auto *frame = makeFrame(page, "Frame2", QString::fromUtf8("Résultats"), pageRect(4800, 440, 6855, 4155));
    auto *column = new QVBoxLayout(frame);
    column->setContentsMargins(10, 4, 10, 6);
    column->setSpacing(2);

    QList<QWidget *> changing;  // rewritten by every computation
    const auto result = [&](const char *name, const char *text) {
        changing << makeResultLabel(frame, name, QString::fromUtf8(text));
        column->addWidget(changing.back());
    };
    result("Lblb", "Distance (Lentille O2 - Diaphragme) B=");
    result("Lblx", "Calcul intermédiaire x=");
    result("Lblc", "Distance (Lentille O2 - Objectif O3) C=");
    column->addWidget(makeSeparator(frame, "Line1"));
    result("Lblfocresult", "Focale résultante =");
    result("Lblfd", "Rapport F/D (à pleine ouverture du diaph.) =");
    result("Lbldiscmin", "Diamètre mini disque occulteur =");
    result("Lbldiscmax", "Diamètre maxi disque occulteur =");
    column->addWidget(makeSeparator(frame, "Line2"));

    auto *lists = new QGridLayout;
    lists->setHorizontalSpacing(12);
    lists->setVerticalSpacing(2);
    const auto yearly = [&](int col, const char *heading, const char *headingText, const char *name,
                            QAbstractItemModel *model) {
        auto *label = makeLabel(frame, heading, QString::fromUtf8(headingText));
        label->setWordWrap(true);
        auto *list = new OneRowListView(frame);
        list->setObjectName(QString::fromLatin1(name));
        list->setModel(model);
        list->setFixedHeight(list->fontMetrics().height() + 2 * list->frameWidth());
        lists->addWidget(label, 0, col, Qt::AlignBottom);
        lists->addWidget(list, 1, col);
    };
    yearly(0, "Label9", "Dimensions des disques occulteurs au cours de l'année:", "Listdiam", listdiam);
    yearly(1, "Lbldimimag", "Dimensions de l'image au foyer final du coronographe:", "Listdimfoy", listdimfoy);
    column->addLayout(lists);
    column->addWidget(makeSeparator(frame, "Line3"));

    auto *remark = makeLabel(frame, "Lblrem", QStringLiteral("REMARQUES:"));
    remark->setWordWrap(true);
    remark->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColor(remark, kDarkBlue);
    column->addWidget(remark, 1);
    changing << remark;
    keepLaidOutSize(frame, changing);
    return frame;
}

QRect onPicture(int left, int top, int width, int height)
{
    return twipsRect(left, top, width, height).translated(PictureArea::kBorderPx, PictureArea::kBorderPx);
}

struct ElementLabel {
    const char *name;
    const char *text;
    QRect geometry;
    Rgb color;
};

void buildLayoutPicture(QWidget *page, char separator)
{
    const QColor background(kPicture1Background.r, kPicture1Background.g, kPicture1Background.b);
    auto *picture = new PictureArea(background, QSizeF(11475, 2955), page);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(pageRect(120, 4700, 11535, 3015));

    makeSpinButton(picture, "UpDownech", separator, onPicture(60, 60, 375, 240));
    auto *scaleLabel = makeLabel(picture, "Label1", QString::fromUtf8("Réglage manuel de l'échelle"),
                                 onPicture(480, 60, 2055, 615));
    auto *bar = makeLabel(picture, "Label2", QStringLiteral("100mm"), onPicture(2640, 0, 555, 255));
    QFont narrow = bar->font();
    narrow.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                        QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
    bar->setFont(narrow);
    auto *rays = makeCheckBox(picture, "Chkchem", QStringLiteral("Tracé des chemins optiques"), true,
                              onPicture(60, 2580, 2355, 315));
    // The "100mm" label stands over its own scale bar: transparent, so the bar shows.
    for (QWidget *w : {static_cast<QWidget *>(scaleLabel), static_cast<QWidget *>(rays)})
        setOpaqueBackground(w, kPicture1Background);
    bar->setAutoFillBackground(false);

    const Rgb kDefault{0, 0, 0};
    const ElementLabel elements[] = {
        {"lblpico1", "O1", onPicture(60, 2220, 195, 195), {0, 0, 255}},
        {"Lblpico2", "O2", onPicture(60, 1980, 255, 195), {0, 192, 0}},
        {"Lblpicdo", "D.occ", onPicture(60, 900, 435, 195), {255, 255, 0}},
        {"Lblpicdia", "Diaph.", onPicture(540, 900, 495, 195), kDefault},
        {"Lblpico3", "O3-f-O3'", onPicture(720, 1980, 615, 195), {0, 0, 255}},
        {"Lblpicfoy", "Foyer", onPicture(300, 1980, 435, 195), {255, 0, 0}},
    };
    for (const ElementLabel &e : elements) {
        auto *label = makeLabel(picture, e.name, QString::fromUtf8(e.text), e.geometry);
        setTextColor(label, e.color);
        setOpaqueBackground(label, kPicture1Background);
    }
}

} // namespace

QWidget *buildOpticsPage(QWidget *parent, char decimalSeparator, QAbstractItemModel *listdiam,
                         QAbstractItemModel *listdimfoy)
{
    auto *page = new QWidget(parent);
    buildInputFrame(page, decimalSeparator);
    buildResultFrame(page, listdiam, listdimfoy);
    buildLayoutPicture(page, decimalSeparator);
    return page;
}

} // namespace brelo

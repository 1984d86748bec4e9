#include "ui/pages/optics_page.h"

#include "core/common/numeric_text.h"
#include "core/drawing/layout_drawing.h"
#include "ui/pages/picture_labels.h"
#include "ui/pages/run_layout.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/design_texts.h"
#include "ui/widgets/fitted_label.h"
#include "ui/widgets/flat_inside.h"
#include "ui/widgets/message_line.h"
#include "ui/widgets/one_row_list_view.h"
#include "ui/widgets/picture_area.h"
#include "ui/widgets/spin_button.h"
#include "ui/widgets/stale_results.h"
#include "ui/widgets/twips_rect.h"
#include "ui/widgets/yearly_list_model.h"
#include "ui/window/spin_table.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace brelo {

namespace {

constexpr Rgb kDarkBlue{0, 0, 192};
constexpr Rgb kRed{255, 0, 0};

// Columns of the input grid: label, field, arrows, gap, label, field, arrows.
enum Column { kLabelA, kFieldA, kSpinA, kGap, kLabelB, kFieldB, kSpinB, kColumns };
constexpr int kFocalFieldWidth = 44;
constexpr int kDiameterFieldWidth = 34;
constexpr int kSpinWidth = 16;

// One field of Frame1 with its label and arrows, in the panel's order.
struct InputDesign {
    const char *label;
    const char *labelText;
    const char *field;
    const char *text;
    const char *spin;
    int gridRow;
    bool secondColumn;  // a diameter, right of its lens's focal length
};
constexpr int kCheckBoxRow = 4;
constexpr int kButtonRow = 6;
const InputDesign kInputs[] = {
    {"Label3", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Lentille  O1  Focale="), "Txtfoco1", "1000", "UpDown1", 0, false},
    {"Label4", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Diamètre="), "Txtdo1", "90", "UpDown2", 0, true},
    {"Label5", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Lentille 02   Focale="), "Txtfoco2", "200", "UpDown3", 1, false},
    {"Label6", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Diamètre="), "Txtdo2", "50", "UpDown4", 1, true},
    {"Label7", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Distance A = Lentille O2 - Disque occulteur:"), "Txtdiscoc", "30", "UpDown5", 2, false},
    {"Label8", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Objectif O3  Focale="), "Txtfoco3a", "300", "UpDown6", 3, false},
    {"Label10", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Diamètre="), "Txtdo3a", "50", "UpDown7", 3, true},
    {"Label11", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Objectif O3'  Focale="), "Txtfoco3b", "300", "UpDown8", 5, false},
    {"Label12", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Diamètre="), "Txtdo3b", "50", "UpDown9", 5, true},
};
enum Input { kFoco1, kDo1, kFoco2, kDo2, kDiscoc, kFoco3a, kDo3a, kFoco3b, kDo3b };

struct ResultDesign {
    const char *name;
    const char *text;
    std::string OpticsResult::*shown;
    bool lineAfter;
};
const ResultDesign kResults[] = {
    {"Lblb", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Distance (Lentille O2 - Diaphragme) B="), &OpticsResult::lblb, false},
    {"Lblx", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Calcul intermédiaire x="), &OpticsResult::lblx, false},
    {"Lblc", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Distance (Lentille O2 - Objectif O3) C="), &OpticsResult::lblc, true},
    {"Lblfocresult", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Focale résultante ="), &OpticsResult::lblfocresult, false},
    {"Lblfd", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Rapport F/D (à pleine ouverture du diaph.) ="), &OpticsResult::lblfd, false},
    {"Lbldiscmin", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Diamètre mini disque occulteur ="), &OpticsResult::lbldiscmin, false},
    {"Lbldiscmax", QT_TRANSLATE_NOOP("brelo::OpticsPage", "Diamètre maxi disque occulteur ="), &OpticsResult::lbldiscmax, true},
};

// The drawing reads six fields itself; its failure names the first it cannot use.
struct DrawnField {
    std::string LayoutInput::*text;
    const char *frenchName;
};
const DrawnField kDrawnFields[] = {
    {&LayoutInput::foco1, QT_TRANSLATE_NOOP("fields", "la focale de O1")},
    {&LayoutInput::do1, QT_TRANSLATE_NOOP("fields", "le diamètre de O1")},
    {&LayoutInput::do2, QT_TRANSLATE_NOOP("fields", "le diamètre de O2")},
    {&LayoutInput::discoc, QT_TRANSLATE_NOOP("fields", "la distance A")},
    {&LayoutInput::do3a, QT_TRANSLATE_NOOP("fields", "le diamètre de O3")},
    {&LayoutInput::do3b, QT_TRANSLATE_NOOP("fields", "le diamètre de O3'")},
};

std::string layoutProblem(const LayoutInput &input, char separator)
{
    for (const DrawnField &field : kDrawnFields) {
        const NumericText read = readNumber(input.*field.text, separator);
        if (!read.ok())
            return fieldProblem(field.frenchName, input.*field.text, read.error);  // the same words as calcul's
    }
    return QCoreApplication::translate("brelo::OpticsPage", "une valeur est trop grande pour être dessinée.")
        .toStdString();
}

QRect onPicture(int left, int top, int width, int height)
{
    return twipsRect(left, top, width, height).translated(PictureArea::kBorderPx, PictureArea::kBorderPx);
}

std::string textOf(const QLineEdit *field) { return field->text().toStdString(); }

// What the drawing reads of the panel.
LayoutInput layoutTexts(const OpticsPanelTexts &t)
{
    return {t.optics.foco1, t.optics.do1, t.do2, t.optics.discoc, t.do3a, t.do3b};
}

} // namespace

OpticsPage::OpticsPage(char decimalSeparator, MessageLine &messages, QWidget *parent)
    : QWidget(parent), decimalSeparator_(decimalSeparator), messages_(messages),
      texts_(new DesignTexts("brelo::OpticsPage", this)),
      diameters_(new YearlyListModel(YearlyListModel::Table::OccultingDisc, decimalSeparator, this)),
      imageSizes_(new YearlyListModel(YearlyListModel::Table::FinalImage, decimalSeparator, this))
{
    buildInputFrame();
    buildResultFrame();
    buildPicture();
    std::vector<QWidget *> texts(results_.begin(), results_.end());
    texts.push_back(listdiam_);
    texts.push_back(listdimfoy_);
    stale_ = std::make_unique<StaleResults>(texts, picture1_, std::vector<QWidget *>{updownech_, chkchem_});
    connectEvents();
    for (QLabel *label : elementLabels_)
        label->hide();  // until the first drawing
    connect(texts_, &DesignTexts::retranslated, this, &OpticsPage::retell);
}

OpticsPage::~OpticsPage() = default;

void OpticsPage::buildInputFrame()
{
    auto *frame = makeFrame(this, "Frame1", QString(), pageRect(120, 440, 4575, 4155));
    texts_->keep(frame, QT_TR_NOOP("Valeurs en entrée"));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setHorizontalSpacing(0);
    grid->setColumnMinimumWidth(kGap, 10);
    grid->setColumnStretch(kLabelA, 1);
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        const InputDesign &design = kInputs[i];
        const int labelColumn = design.secondColumn ? kLabelB : kLabelA;
        // A's label runs over the first field's columns: its field stands with the diameters.
        const int labelSpan = i == kDiscoc ? kFieldB - kLabelA : 1;
        auto *label = makeLabel(frame, design.label, QString());
        texts_->keep(label, design.labelText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setContentsMargins(0, 0, 4, 0);  // keep the text off its field
        auto *field = makeTextBox(frame, design.field, QString::fromUtf8(design.text));
        const bool focal = !design.secondColumn && i != kDiscoc;
        field->setFixedWidth(focal ? kFocalFieldWidth : kDiameterFieldWidth);
        auto *spin = makeSpinButton(frame, design.spin, decimalSeparator_);
        spin->setFixedSize(kSpinWidth, field->sizeHint().height());
        spin->setBuddy(field);
        grid->addWidget(label, design.gridRow, labelColumn, 1, labelSpan);
        grid->addWidget(field, design.gridRow, labelColumn + labelSpan);
        grid->addWidget(spin, design.gridRow, labelColumn + labelSpan + 1);
        inputs_[i] = {field, spin};
    }
    chko3_ = makeCheckBox(frame, "Chko3", QString(), true);
    texts_->keep(chko3_, QT_TR_NOOP("Objectifs O3 et O3' identiques"));
    grid->addWidget(chko3_, kCheckBoxRow, kLabelA, 1, kColumns);
    cmdcalc_ = makeButton(frame, "Cmdcalc", QString());
    texts_->keep(cmdcalc_, QT_TR_NOOP("&CALCUL"));
    cmdcalc_->setMinimumSize(120, 30);
    grid->addWidget(cmdcalc_, kButtonRow, kLabelA, 1, kColumns, Qt::AlignHCenter);
    for (int row = 0; row <= kButtonRow; ++row)
        grid->setRowStretch(row, 1);
    setO3bEditable(false);  // Chko3 starts checked: O3' follows O3
    QList<QWidget *> changing{chko3_, cmdcalc_};
    for (const InputRow &input : inputs_)
        changing << input.field << input.spin;
    paintOnFlatInside(frame, changing);
}

void OpticsPage::buildResultFrame()
{
    auto *frame = makeFrame(this, "Frame2", QString(), pageRect(4800, 440, 6855, 4155));
    texts_->keep(frame, QT_TR_NOOP("Résultats"));
    auto *column = new QVBoxLayout(frame);
    column->setContentsMargins(10, 4, 10, 6);
    column->setSpacing(2);
    QList<QWidget *> changing;  // rewritten by every computation
    const char *const lines[] = {"Line1", "Line2"};
    int line = 0;
    for (std::size_t i = 0; i < results_.size(); ++i) {
        results_[i] = makeLabel(frame, kResults[i].name, QString());
        texts_->keep(results_[i], kResults[i].text);  // until the first run
        column->addWidget(results_[i]);
        changing << results_[i];
        if (kResults[i].lineAfter)
            column->addWidget(makeSeparator(frame, lines[line++]));
    }
    auto *lists = new QGridLayout;
    lists->setHorizontalSpacing(12);
    lists->setVerticalSpacing(2);
    const auto yearly = [&](int col, const char *heading, const char *headingText, const char *name,
                            YearlyListModel *model) {
        auto *label = makeLabel(frame, heading, QString());
        texts_->keep(label, headingText);
        label->setWordWrap(true);
        auto *list = new OneRowListView(frame);
        list->setObjectName(QString::fromLatin1(name));
        list->setModel(model);
        list->setFixedHeight(list->fontMetrics().height() + 2 * list->frameWidth());
        lists->addWidget(label, 0, col, Qt::AlignBottom);
        lists->addWidget(list, 1, col);
        return list;
    };
    listdiam_ = yearly(0, "Label9", QT_TR_NOOP("Dimensions des disques occulteurs au cours de l'année:"),
                       "Listdiam", diameters_);
    listdimfoy_ = yearly(1, "Lbldimimag", QT_TR_NOOP("Dimensions de l'image au foyer final du coronographe:"),
                         "Listdimfoy", imageSizes_);
    column->addLayout(lists);
    column->addWidget(makeSeparator(frame, "Line3"));
    auto *remark = makeLabel(frame, "Lblrem", QString());
    texts_->keep(remark, QT_TR_NOOP("REMARQUES:"));  // until the first run
    remark->setWordWrap(true);
    setTextColor(remark, kDarkBlue);
    column->addWidget(remark, 1);
    lblrem_ = remark;
    changing << remark << listdiam_ << listdimfoy_;
    keepLaidOutSize(frame, changing);
    paintOnFlatInside(frame, changing);
}

void OpticsPage::buildPicture()
{
    picture1_ = new PictureArea(QColor(kLayoutBackground.r, kLayoutBackground.g, kLayoutBackground.b),
                                QSizeF(kLayoutInnerWidthTwips, kLayoutInnerHeightTwips), this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(pageRect(120, 4700, 11535, 3015));
    updownech_ = makeSpinButton(picture1_, "UpDownech", decimalSeparator_, onPicture(60, 60, 375, 240));
    auto *scaleLabel = makeLabel(picture1_, "Label1", QString(), onPicture(480, 60, 2055, 615));
    texts_->keep(scaleLabel, QT_TR_NOOP("Réglage manuel de l'échelle"));
    chkchem_ = makeCheckBox(picture1_, "Chkchem", QString(), true, onPicture(60, 2580, 2355, 315));
    texts_->keep(chkchem_, QT_TR_NOOP("Tracé des chemins optiques"));
    for (QWidget *w : {static_cast<QWidget *>(scaleLabel), static_cast<QWidget *>(chkchem_)})
        setOpaqueBackground(w, kLayoutBackground);
    std::size_t element = 0;
    for (const PictureLabel &design : layoutPictureLabels()) {
        auto *label =
            makeLabel(picture1_, design.name, QString(), onPicture(design.left, design.top, design.width, design.height));
        texts_->keep([label, &design] { label->setText(shownText(design)); });
        setTextColor(label, design.color);
        if (design.onPictureColor) {
            setOpaqueBackground(label, kLayoutBackground);
            elementLabels_[element++] = label;
        } else {
            QFont narrow = label->font();
            narrow.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
            label->setFont(narrow);
        }
    }
}

void OpticsPage::connectEvents()
{
    for (const InputRow &input : inputs_)
        connect(input.spin, &SpinButton::changed, this, &OpticsPage::run);
    connect(updownech_, &SpinButton::changed, this, &OpticsPage::run);
    connect(cmdcalc_, &QAbstractButton::clicked, this, &OpticsPage::run);
    connect(chkchem_, &QAbstractButton::clicked, this, &OpticsPage::run);
    connect(chko3_, &QAbstractButton::clicked, this, [this] {
        copyO3ToO3b();
        setO3bEditable(!chko3_->isChecked());
        run();
    });
}

std::array<QLineEdit *, 9> OpticsPage::parameterBoxes() const
{
    std::array<QLineEdit *, 9> boxes{};
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        boxes[i] = inputs_[i].field;
    return boxes;
}

void OpticsPage::showOwnO3b()
{
    const auto differs = [this](Input a, Input b) { return inputs_[a].field->text() != inputs_[b].field->text(); };
    if (chko3_->isChecked() && (differs(kFoco3a, kFoco3b) || differs(kDo3a, kDo3b))) {
        chko3_->setChecked(false);
        setO3bEditable(true);
    }
}

void OpticsPage::copyO3ToO3b()
{
    inputs_[kFoco3b].field->setText(inputs_[kFoco3a].field->text());
    inputs_[kDo3b].field->setText(inputs_[kDo3a].field->text());
}

void OpticsPage::setO3bEditable(bool editable)
{
    // In the order Chko3 enables or disables them.
    for (Input i : {kFoco3b, kDo3b})
        inputs_[i].field->setEnabled(editable);
    for (Input i : {kFoco3b, kDo3b})
        inputs_[i].spin->setEnabled(editable);
}

void OpticsPage::showRemark(const Remark &remark)
{
    if (remark == shownRemark_)
        return;
    shownRemark_ = remark;
    lblrem_->setText(QString::fromStdString(remark.text));
    setTextColor(lblrem_, remark.color);
    setBold(lblrem_, remark.bold);
}

OpticsPanelTexts OpticsPage::panelTexts() const
{
    const auto text = [this](Input i) { return textOf(inputs_[i].field); };
    return {{text(kFoco1), text(kDo1), text(kFoco2), text(kDiscoc), text(kFoco3a), text(kFoco3b)},
            text(kDo2),
            text(kDo3a),
            text(kDo3b),
            cameraTexts_ ? cameraTexts_() : CameraInput{}};
}

void OpticsPage::run()
{
    // "Objectifs O3 et O3' identiques" holds for every run, whatever started it.
    if (chko3_->isChecked())
        copyO3ToO3b();
    attempt_ = panelTexts();
    // The lists write the rows they show; a file asks for the rest through lastRun().
    const Outcome<OpticsResult> outcome = calcul(attempt_->optics, decimalSeparator_, YearRowTexts::Left);
    if (!outcome.ok()) {
        tellFailure(outcome.error());
        emit builderChanged(nullptr);
        return;
    }
    const OpticsResult &result = outcome.value();
    showResults(result);
    diameters_->addRun(result.imageScale, result.magnification);
    imageSizes_->addRun(result.imageScale, result.magnification);
    showNewestRun(listdiam_);
    showNewestRun(listdimfoy_);
    messages_.clearMessage(MessageLine::Source::Optics);
    messages_.clearMessage(MessageLine::Source::ParamsFile);  // told until the first good run
    stale_->setStale(StaleResults::Nothing);
    showRemark(result.remark);
    opticalState_ = result.state;
    lastRun_.emplace();
    lastRun_->input = attempt_->optics;
    lastRun_->result = result;
    lastRun_->yearRowsWritten = false;
    lastRun_->camera = attempt_->camera;
    lastRunTexts_ = *attempt_;
    computeBuilder(true);
    drawLayout();
    if (lastRun_->builder)
        builderTexts_ = lastRunTexts_;
    emit builderChanged(lastRun_->builder ? &*lastRun_->builder : nullptr);
}

void OpticsPage::showResults(const OpticsResult &result)
{
    for (std::size_t i = 0; i < results_.size(); ++i)
        results_[i]->setText(QString::fromStdString(result.*kResults[i].shown));
}

// The builder's numbers of the last run, from the texts it read; their failure
// is said on the status line when `tell`.
void OpticsPage::computeBuilder(bool tell)
{
    const Outcome<BuilderResult> builder = builderNumbers(lastRunTexts_, decimalSeparator_);
    lastRun_->builder = builder.ok() ? std::optional(builder.value()) : std::nullopt;
    if (!builder.ok() && tell)
        messages_.setMessage(MessageLine::Source::Optics,
                             tr("Calcul Optique — construction impossible : %1").arg(QString::fromStdString(builder.error())));
}

void OpticsPage::tellFailure(const std::string &error)
{
    showRemark(failureRemark(error));
    fail(true, tr("calcul impossible : %1").arg(QString::fromStdString(error)));
}

// A failed run leaves the previous results on screen, greyed, and says on the
// status line what failed, until the next good run.
void OpticsPage::fail(bool textsToo, const QString &message)
{
    messages_.setMessage(MessageLine::Source::Optics, tr("Calcul Optique — %1").arg(message));
    stale_->setStale(textsToo ? StaleResults::TextsAndPicture : StaleResults::PictureOnly);
}

// The results on screen in the language now in use, computing nothing new:
// the last run's texts and numbers (the yearly lists keep their rows), then
// what the last run said, failures included.
void OpticsPage::retell()
{
    diameters_->retranslate();
    imageSizes_->retranslate();
    if (!attempt_)
        return;  // nothing ran: the design texts stand
    const Outcome<OpticsResult> attempt = calcul(attempt_->optics, decimalSeparator_, YearRowTexts::Left);
    shownRemark_.reset();
    if (attempt.ok()) {
        messages_.clearMessage(MessageLine::Source::Optics);
        showRemark(attempt.value().remark);
    } else {
        tellFailure(attempt.error());
    }
    // The same texts give the same numbers: only the words change.
    const Outcome<OpticsResult> last =
        lastRun_ ? calcul(lastRun_->input, decimalSeparator_, YearRowTexts::Left) : Outcome<OpticsResult>::failure({});
    if (last.ok()) {
        lastRun_->result = last.value();
        lastRun_->yearRowsWritten = false;
        showResults(lastRun_->result);
        computeBuilder(attempt.ok());
        if (attempt.ok() && lastRun_->layout.foco1.empty())
            tellDrawingFailure(layoutProblem(layoutTexts(*attempt_), decimalSeparator_));
    }
    // The Construction page shows the numbers of the last run that had them.
    const Outcome<BuilderResult> shown = builderTexts_ ? builderNumbers(*builderTexts_, decimalSeparator_)
                                                       : Outcome<BuilderResult>::failure({});
    if (shown.ok())
        emit builderRetold(shown.value());
}

const std::optional<OpticsRun> &OpticsPage::lastRun() const
{
    if (lastRun_ && !lastRun_->yearRowsWritten) {
        writeYearRows(lastRun_->result, decimalSeparator_);
        lastRun_->yearRowsWritten = true;
    }
    return lastRun_;
}

// A list shows one row: after a run it shows the newest run, at the date the
// user was looking at, so that an older run's row never passes for the new one.
void OpticsPage::showNewestRun(OneRowListView *list)
{
    list->verticalScrollBar()->setValue(list->topRow() % kYearRows);
    if (list->currentRow() >= 0)
        list->setCurrentRow(list->currentRow() % kYearRows);
}

bool OpticsPage::drawLayout()
{
    OpticsRun &run = *lastRun_;
    run.layout = layoutTexts(lastRunTexts_);
    run.scaleSetting = updownech_->value();
    run.rays = chkchem_->isChecked();
    run.paraxialRays = paraxialRays_;
    const std::optional<LayoutLabelEdges> edges = drawRunLayout(*picture1_, run, decimalSeparator_);
    if (!edges) {
        tellDrawingFailure(layoutProblem(run.layout, decimalSeparator_));
        run.layout = {};  // nothing drawn for the exports to draw again
        return false;
    }
    run.labelEdges = *edges;
    moveElementLabels(*edges);
    return true;
}

void OpticsPage::tellDrawingFailure(const std::string &problem)
{
    const QString why = QString::fromStdString(problem);
    showRemark({tr("REMARQUE: dessin impossible — %1").arg(why).toStdString(), kRed, true});
    fail(false, tr("dessin impossible : %1").arg(why));
}

void OpticsPage::moveElementLabels(const LayoutLabelEdges &edges)
{
    for (QLabel *label : elementLabels_)
        label->show();
    elementLefts_ = elementLabelLefts(edges);
    for (std::size_t i = 0; i < elementLabels_.size(); ++i) {
        if (const std::optional<double> twips = elementLefts_[i])
            elementLabels_[i]->move(PictureArea::kBorderPx + twipsToPixels(*twips * picture1_->zoom()),
                                    elementLabels_[i]->y());
    }
}

void OpticsPage::redraw()
{
    if (!lastRun_ || lastRun_->layout.foco1.empty())
        return;
    if (const auto edges = drawRunLayout(*picture1_, *lastRun_, decimalSeparator_))
        moveElementLabels(*edges);
}

void OpticsPage::setParaxialRays(bool on)
{
    paraxialRays_ = on;
    if (lastRun_ && lastRun_->paraxialRays != on) {
        lastRun_->paraxialRays = on;
        redraw();
    }
}

bool OpticsPage::resultsStale() const { return stale_->textsStale(); }
bool OpticsPage::pictureStale() const { return stale_->pictureStale(); }
int OpticsPage::yearlyRuns() const { return diameters_->runCount(); }

double OpticsPage::leftTwips(const QWidget *widget) const
{
    for (std::size_t i = 0; i < elementLabels_.size(); ++i)
        if (widget == elementLabels_[i] && elementLefts_[i])
            return *elementLefts_[i];
    const bool onPicture = widget->parentWidget() == picture1_;
    const int border = onPicture ? PictureArea::kBorderPx : 0;
    return (widget->x() - border) * kTwipsPerPixel / (onPicture ? picture1_->zoom() : 1.0);
}

} // namespace brelo

#include "ui/pages/ephemeris_page.h"

#include "core/drawing/disc_drawing.h"
#include "core/drawing/zenith_up_disc.h"
#include "core/ephemeris/carrington.h"
#include "time/instant_line.h"
#include "ui/pages/picture_labels.h"
#include "time/system_zone.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/design_texts.h"
#include "ui/widgets/fitted_label.h"
#include "ui/widgets/flat_inside.h"
#include "ui/widgets/message_line.h"
#include "ui/widgets/picture_area.h"
#include "ui/widgets/spin_button.h"
#include "ui/widgets/stale_results.h"
#include "ui/widgets/twips_rect.h"
#include "ui/window/spin_table.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace brelo {

namespace {

constexpr double kSymbolPoints = 13.5;

struct Placed {
    const char *name;
    const char *text;
    int left, top, width, height;
};

QRect rectOf(const Placed &p) { return twipsRect(p.left, p.top, p.width, p.height); }

// The nine fields in the input's order, each with its spin button.
const Placed kFields[] = {
    {"txtann", "2000", 1260, 300, 495, 285},     {"txtmois", "1", 2580, 300, 330, 285},
    {"txtjour", "1", 3660, 300, 330, 285},       {"txtheur", "0", 1740, 780, 390, 285},
    {"txtminut", "0", 3120, 780, 315, 285},      {"txtlatideg", "45", 2760, 1500, 435, 285},
    {"txtlatimin", "0", 3660, 1500, 375, 285},   {"txtlongideg", "0", 2760, 1920, 435, 285},
    {"txtlongimin", "0", 3660, 1920, 375, 285},
};
const Placed kSpins[] = {
    {"UpDown18", "", 1740, 300, 240, 285}, {"UpDown17", "", 2880, 300, 240, 285},
    {"UpDown15", "", 3960, 300, 240, 285}, {"UpDown16", "", 2100, 780, 240, 285},
    {"UpDown14", "", 3420, 780, 240, 285}, {"UpDown13", "", 3180, 1500, 240, 285},
    {"UpDown10", "", 4020, 1500, 240, 285}, {"UpDown12", "", 3180, 1920, 240, 285},
    {"UpDown11", "", 4020, 1920, 240, 285},
};
constexpr std::size_t kDateTimeFields = 5;
constexpr std::size_t kHourField = 3;
constexpr std::size_t kMinuteField = 4;
constexpr std::size_t kFirstPositionField = 5;

const Placed kLabels[] = {
    {"Label27", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Date: Année"), 180, 360, 1035, 255},
    {"Label26", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Mois"), 2100, 360, 375, 255},
    {"Label20", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Jour"), 3240, 360, 375, 255},
    {"Label23", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Heures"), 2460, 780, 555, 255},
    {"Label19", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Minutes"), 3780, 780, 615, 195},
    {"Label24", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Latitude de l'observateur:"), 900, 1560, 1815, 255},
    // Designed to run under txtlongideg; kept clear of it so the text shows whole.
    {"Label21", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Longitude de l'observateur (+ à l'Est):"), 60, 1980, 2670, 255},
    // The time fields hold Universal Time, not the local time: said on
    // screen as a heading over them, in the free band above their row.
    {"lbltu", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Temps Universel (TU) :"), 1740, 585, 2655, 195},
};
const Placed kSymbols[] = {
    {"Label22", "°", 3480, 1440, 135, 255},
    {"Label25", "'", 4320, 1380, 195, 315},
};

struct Result {
    Placed design;
    std::string EphemerisResult::*shown;
};
const Result kResults[] = {
    {{"lblad", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Ascension Droite ="), 300, 300, 4035, 255}, &EphemerisResult::lblad},
    {{"lbldec", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Déclinaison ="), 300, 660, 3975, 255}, &EphemerisResult::lbldec},
    {{"lblah", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Angle horaire (+ vers W) ="), 300, 1035, 4095, 255}, &EphemerisResult::lblah},
    {{"lblh", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Hauteur ="), 300, 1395, 4095, 255}, &EphemerisResult::lblh},
    {{"lblaz", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Azimuth (0 S - 90 W) ="), 300, 1770, 4155, 255}, &EphemerisResult::lblaz},
    {{"lblr", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Distance Terre-Soleil (U.A.) ="), 300, 2310, 4155, 255}, &EphemerisResult::lblr},
    {{"lblp", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Angle p (+ vers E) ="), 300, 2670, 4155, 255}, &EphemerisResult::lblp},
    {{"lblb0", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Latitude héliocentrique B0 ="), 300, 3045, 4215, 255}, &EphemerisResult::lblb0},
    {{"lbll0", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Longitude héliocentrique L0 ="), 300, 3405, 4215, 255}, &EphemerisResult::lbll0},
    {{"lblksi", QT_TRANSLATE_NOOP("brelo::EphemerisPage", "Angle Nord - Zenith ="), 300, 3780, 4215, 255}, &EphemerisResult::lblksi},
};
constexpr std::size_t kL0 = 8;

} // namespace

EphemerisPage::EphemerisPage(char decimalSeparator, MessageLine &messages, Clock clock, QWidget *parent)
    : QWidget(parent), decimalSeparator_(decimalSeparator), messages_(messages), clock_(std::move(clock)),
      texts_(new DesignTexts("brelo::EphemerisPage", this))
{
    buildInputFrame();
    buildResultFrame();
    buildPicture();
    stale_ = std::make_unique<StaleResults>(std::vector<QWidget *>(results_.begin(), results_.end()), picture3_);
    for (SpinButton *spin : spins_)
        connect(spin, &SpinButton::changed, this, &EphemerisPage::run);
    connect(command2_, &QAbstractButton::clicked, this, &EphemerisPage::run);
    connect(cmdmaint_, &QAbstractButton::clicked, this, [this] {
        fillDateTimeFromClock();
        run();
    });
    connect(cmdperiode_, &QAbstractButton::clicked, this, &EphemerisPage::periodRequested);
    connect(cmdjournee_, &QAbstractButton::clicked, this, &EphemerisPage::dayRequested);
    connect(texts_, &DesignTexts::retranslated, this, &EphemerisPage::retell);
}

EphemerisPage::~EphemerisPage() = default;

void EphemerisPage::buildInputFrame()
{
    auto *frame = makeFrame(this, "Frame4", QString(), pageRect(180, 480, 4575, 2895));
    texts_->keep(frame, QT_TR_NOOP("Valeurs en entrée"));
    for (const Placed &p : kLabels)
        texts_->keep(makeLabel(frame, p.name, QString(), rectOf(p)), p.text);
    for (const Placed &p : kSymbols)
        setPointSize(makeLabel(frame, p.name, QString::fromUtf8(p.text), rectOf(p)), kSymbolPoints);
    // The date and time fields hold Universal Time, which start-up and
    // "Maintenant" copy from the clock.
    const char *const universalTime = QT_TR_NOOP("Temps universel (TU)");
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = makeTextBox(frame, kFields[i].name, QString::fromUtf8(kFields[i].text), rectOf(kFields[i]));
        spins_[i] = makeSpinButton(frame, kSpins[i].name, decimalSeparator_, rectOf(kSpins[i]));
        spins_[i]->setBuddy(fields_[i]);
        if (i < kDateTimeFields)
            texts_->keepToolTip(fields_[i], universalTime);
    }
    cmdmaint_ = makeButton(frame, "cmdmaint", QString(), twipsRect(120, 780, 1275, 315));
    texts_->keep(cmdmaint_, QT_TR_NOOP("Maintenant"));
    texts_->keepToolTip(cmdmaint_, universalTime);
    command2_ = makeButton(frame, "Command2", QString(), twipsRect(1440, 2400, 1455, 315));
    texts_->keep(command2_, QT_TR_NOOP("Calcul"));
    cmdperiode_ = makeButton(frame, "cmdperiode", QString(), twipsRect(3015, 2400, 1440, 315));
    texts_->keep(cmdperiode_, QT_TR_NOOP("Période…"));
    texts_->keepToolTip(cmdperiode_, QT_TR_NOOP("Éphémérides sur une période"));
    // In the free corner left of "Calcul".
    cmdjournee_ = makeButton(frame, "cmdjournee", QString(), twipsRect(120, 2400, 1215, 315));
    texts_->keep(cmdjournee_, QT_TR_NOOP("Journée…"));
    texts_->keepToolTip(cmdjournee_,
                        QT_TR_NOOP("Lever, passage au méridien et coucher du Soleil, et la courbe de sa hauteur"));
    // Two lines in the free band under "Maintenant", placed by hand: the local
    // time of the instant in the fields (the page stays in Universal Time) and
    // the Carrington rotation it falls in. The second stops short of the "°".
    localTime_ = makeLabel(frame, "lblheureloc", QString(), twipsRect(120, 1110, 4395, 195));
    texts_->keep(localTime_, QT_TR_NOOP("Heure locale :"));  // until the first run
    carrington_ = makeLabel(frame, "lblcarrington", QString(), twipsRect(120, 1305, 3300, 195));
    texts_->keep(carrington_, QT_TR_NOOP("Rotation de Carrington :"));
    QList<QWidget *> changing{cmdmaint_, command2_, cmdperiode_, localTime_, carrington_};
    for (std::size_t i = 0; i < fields_.size(); ++i)
        changing << fields_[i] << spins_[i];
    paintOnFlatInside(frame, changing);
}

void EphemerisPage::buildResultFrame()
{
    auto *frame = makeFrame(this, "Frame6", QString(), pageRect(180, 3480, 4575, 4155));
    texts_->keep(frame, QT_TR_NOOP("Ephémérides Solaires"));
    for (std::size_t i = 0; i < results_.size(); ++i) {
        results_[i] = makeLabel(frame, kResults[i].design.name, QString(), rectOf(kResults[i].design));
        texts_->keep(results_[i], kResults[i].design.text);  // until the first run
    }
    makeSeparator(frame, "Line4", twipsRect(60, 2160, 4455, 30));
    paintOnFlatInside(frame, QList<QWidget *>(results_.begin(), results_.end()));
}

void EphemerisPage::buildPicture()
{
    picture3_ = new PictureArea(QColor(kDiscBackground.r, kDiscBackground.g, kDiscBackground.b),
                                QSizeF(kDiscInnerTwips, kDiscInnerTwips), this);
    picture3_->setObjectName(QStringLiteral("Picture3"));
    picture3_->setGeometry(pageRect(4860, 660, 6800, 6800));
    setDiscUserScale(*picture3_);
    for (std::size_t i = 0; i < compass_.size(); ++i) {
        const PictureLabel &p = compassLabels()[i];
        compass_[i] = makeLabel(picture3_, p.name, QString::fromLatin1(p.text),
                                twipsRect(p.left, p.top, p.width, p.height)
                                    .translated(PictureArea::kBorderPx, PictureArea::kBorderPx));
        setTextColor(compass_[i], p.color);
        setOpaqueBackground(compass_[i], kDiscBackground);
    }
}

std::array<QLineEdit *, 4> EphemerisPage::parameterBoxes() const
{
    return {fields_[kFirstPositionField], fields_[kFirstPositionField + 1], fields_[kFirstPositionField + 2],
            fields_[kFirstPositionField + 3]};
}

EphemerisInput EphemerisPage::fieldTexts() const
{
    const auto text = [this](std::size_t i) { return fields_[i]->text().toStdString(); };
    return {text(0), text(1), text(2), text(3), text(4), text(5), text(6), text(7), text(8)};
}

void EphemerisPage::fillDateTimeFromClock()
{
    const QDateTime now = clock_().toUTC();
    const int parts[kDateTimeFields] = {now.date().year(), now.date().month(), now.date().day(),
                                        now.time().hour(), now.time().minute()};
    for (std::size_t i = 0; i < kDateTimeFields; ++i)
        fields_[i]->setText(QString::number(parts[i]));
}

void EphemerisPage::run()
{
    attempt_ = fieldTexts();
    const Outcome<EphemerisResult> outcome = calculephem(*attempt_, decimalSeparator_);
    if (!outcome.ok()) {
        // P and B0 stay those of the last good run, which the disc shows.
        tellFailure(outcome.error());
        stale_->setStale(StaleResults::TextsAndPicture);
        showInstantLines(nullptr);
        emit ran(false);
        return;
    }
    const EphemerisResult &result = outcome.value();
    anglep_ = result.anglep;
    latb0_ = result.latb0;
    northZenith_ = static_cast<float>(result.values.northZenithDeg);
    lastRun_ = EphemerisRun{*attempt_, result};
    showResults(result);
    messages_.clearMessage(MessageLine::Source::ParamsFile);  // told until the first good run
    stale_->setStale(StaleResults::Nothing);
    showInstantLines(&result);
    drawDisc();
    emit ran(true);
}

void EphemerisPage::tellFailure(const std::string &error)
{
    messages_.setMessage(MessageLine::Source::Ephemeris,
                         tr("Ephémérides Solaires — %1").arg(QString::fromStdString(error)));
}

// The texts of a run, and for a year outside 1800-2100 the notice said once,
// where the page's failures are, for as long as it is shown.
void EphemerisPage::showResults(const EphemerisResult &result)
{
    for (std::size_t i = 0; i < results_.size(); ++i)
        results_[i]->setText(QString::fromStdString(result.*kResults[i].shown));
    if (result.accuracyNotice.empty())
        messages_.clearMessage(MessageLine::Source::Ephemeris);
    else
        tellFailure(result.accuracyNotice);
}

// The results on screen in the language now in use, computing nothing new:
// the last run's texts, then what the last run said.
void EphemerisPage::retell()
{
    if (!attempt_)
        return;  // nothing ran: the design texts stand
    const Outcome<EphemerisResult> last =
        lastRun_ ? calculephem(lastRun_->input, decimalSeparator_) : Outcome<EphemerisResult>::failure({});
    if (last.ok()) {  // the same texts give the same numbers: only the words change
        lastRun_->result = last.value();
        showResults(lastRun_->result);
    }
    const Outcome<EphemerisResult> attempt = calculephem(*attempt_, decimalSeparator_);
    if (!attempt.ok())
        tellFailure(attempt.error());
    showInstantLines(attempt.ok() ? &lastRun_->result : nullptr);
}

void EphemerisPage::setTimeOfDay(int minuteOfDay)
{
    fields_[kHourField]->setText(QString::number(minuteOfDay / 60));
    fields_[kMinuteField]->setText(QString::number(minuteOfDay % 60));
    run();
}

// After a run: the local time and the Carrington rotation of its instant, or
// dashes when the run failed, so that nothing describes an instant the fields
// no longer hold.
void EphemerisPage::showInstantLines(const EphemerisResult *result)
{
    const std::optional<double> julianDay = result ? std::optional(result->values.julianDay) : std::nullopt;
    localTime_->setText(localTimeLine(julianDay, systemZone()));
    carrington_->setText(tr("Rotation de Carrington : %1").arg(result ? rotationText(*result) : QString::fromUtf8("—")));
    // lbll0 keeps the last result, and its tooltip with it.
    if (lastRun_)
        results_[kL0]->setToolTip(tr("Rotation de Carrington : %1").arg(rotationText(lastRun_->result)));
}

QString EphemerisPage::rotationText(const EphemerisResult &result) const
{
    return QString::fromStdString(carringtonText(carringtonRotation(result.values.julianDay), decimalSeparator_));
}

void EphemerisPage::drawDisc()
{
    if (zenithUp_)
        dessinephemZenithUp(*picture3_, anglep_, latb0_, northZenith_);
    else
        dessinephem(*picture3_, anglep_, latb0_);
}

void EphemerisPage::redraw()
{
    if (lastRun_)
        drawDisc();
}

void EphemerisPage::setDiscZenithUp(bool on)
{
    zenithUp_ = on;
    for (QLabel *letter : compass_)
        letter->setVisible(!on);  // they do not follow the turn
    if (latb0_)  // blank until the first ephemeris
        drawDisc();
}

bool EphemerisPage::resultsStale() const { return stale_->textsStale(); }

} // namespace brelo

#include "ui/actions/sun_day_window.h"

#include "charts/sun_day_chart.h"
#include "core/ephemeris/sun_day_curve.h"
#include "core/ephemeris/sun_day_text.h"
#include "time/local_clock.h"
#include "time/system_zone.h"
#include "ui/actions/chart_export.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/design_texts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace brelo {

namespace {

using namespace std::chrono;

const char *const kDash = "—";
const char *const kEvents[] = {QT_TRANSLATE_NOOP("brelo::SunDayWindow", "Lever :"),
                               QT_TRANSLATE_NOOP("brelo::SunDayWindow", "Passage au méridien :"),
                               QT_TRANSLATE_NOOP("brelo::SunDayWindow", "Coucher :")};
// Short, for the chart's legend.
const char *const kMarks[] = {QT_TRANSLATE_NOOP("brelo::SunDayWindow", "Lever"),
                              QT_TRANSLATE_NOOP("brelo::SunDayWindow", "Passage"),
                              QT_TRANSLATE_NOOP("brelo::SunDayWindow", "Coucher")};
const char *const kUniversalNames[] = {"lbllever", "lblpassage", "lblcoucher"};
const char *const kLocalNames[] = {"lblleverlocal", "lblpassagelocal", "lblcoucherlocal"};
constexpr int kCurveStepMinutes = 5;

QLabel *addLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString dateText(sys_days date)
{
    const year_month_day d{date};
    return QDate(static_cast<int>(d.year()), static_cast<int>(unsigned(d.month())), static_cast<int>(unsigned(d.day())))
        .toString(QStringLiteral("dd/MM/yyyy"));
}

// The events of the day, rise, transit and set, each with its UT text.
struct DayEvent {
    std::optional<SunEvent> event;
    const std::string *text;
};
std::array<DayEvent, 3> eventsOf(const SunDay &day)
{
    return {DayEvent{day.rise, &day.texts.rise}, DayEvent{day.transit, &day.texts.transit},
            DayEvent{day.set, &day.texts.set}};
}

SunDayChartData chartData(const EphemerisRun &run, const SunDay &day, const DayPlace &place)
{
    SunDayChartData data;
    data.dateText = dateText(day.date);
    data.curve = sunDayCurve(place, day.date, kCurveStepMinutes);
    const SunDayMarks marks = sunDayMarks(day, run.result.values.julianDay);
    const std::optional<double> hours[] = {marks.rise, marks.transit, marks.set};
    for (std::size_t i = 0; i < std::size(hours); ++i)
        if (hours[i])
            data.marks.push_back({SunDayWindow::tr(kMarks[i]), *hours[i],
                                  i == 1 ? double(day.transitAltitudeDeg) : kRiseSetAltitudeDeg});
    if (marks.instant) {
        const long minutes = std::lround(*marks.instant * 60.0);
        data.instantHours = marks.instant;
        data.instantName = SunDayWindow::tr("Instant de la page (%1:%2 TU)")
                               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
    }
    return data;
}

} // namespace

SunDayWindow::SunDayWindow(char decimalSeparator, QWidget *parent)
    : QDialog(parent), decimalSeparator_(decimalSeparator), texts_(new DesignTexts("brelo::SunDayWindow", this))
{
    setObjectName(QStringLiteral("JourneeSoleil"));
    texts_->keep([this] { setWindowTitle(tr("Journée du Soleil")); });
    buildPanel();
    chart_ = new SunDayChart(this);
    chart_->setObjectName(QStringLiteral("graphiquejournee"));
    texts_->keepToolTip(
        chart_, QT_TR_NOOP("Cliquez sur le graphique : son heure va dans les champs de la page, qui est recalculée."));
    auto *hint = addLabel(this, "lblcliquejournee", QString());
    texts_->keep(hint, QT_TR_NOOP("Un clic sur le graphique porte son heure (TU) dans les champs de la page, "
                                  "qui est recalculée."));
    hint->setWordWrap(true);
    auto *exportButton = new QPushButton(this);
    texts_->keep(exportButton, QT_TR_NOOP("&Exporter le graphique…"));
    exportButton->setObjectName(QStringLiteral("cmdexportgraphique"));
    exportButton->setAutoDefault(false);  // Enter does not open a file dialog
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(exportButton, QDialogButtonBox::ActionRole);
    texts_->keep(buttons->button(QDialogButtonBox::Close), QT_TR_NOOP("Fermer"));

    auto *layout = qobject_cast<QVBoxLayout *>(this->layout());
    layout->addWidget(chart_, 1);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    resize(900, 720);  // room for the legend and the azimuth axis title in English as in French
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(exportButton, &QPushButton::clicked, this,
            [this] { exportChart(*this, *chart_, tr("journee-soleil")); });
    connect(chart_, &SunDayChart::instantPicked, this, &SunDayWindow::instantPicked);
    connect(texts_, &DesignTexts::retranslated, this, [this] { showRun(shown_ ? &*shown_ : nullptr); });
    showDashes(QString());
}

void SunDayWindow::buildPanel()
{
    auto *layout = new QVBoxLayout(this);
    heading_ = addLabel(this, "lbljournee", QString());
    layout->addWidget(heading_);
    auto *grid = new QGridLayout;
    QLabel *universal = addLabel(this, "lbljourneetu", QString());
    texts_->keep(universal, QT_TR_NOOP("Temps universel (TU)"));
    grid->addWidget(universal, 0, 1);
    zone_ = addLabel(this, "lbljourneefuseau", QString());
    grid->addWidget(zone_, 0, 2);
    for (int i = 0; i < 3; ++i) {
        auto *event = new QLabel(this);
        texts_->keep(event, kEvents[i]);
        grid->addWidget(event, i + 1, 0);
        universal_[i] = addLabel(this, kUniversalNames[i], QString());
        local_[i] = addLabel(this, kLocalNames[i], QString());
        grid->addWidget(universal_[i], i + 1, 1);
        grid->addWidget(local_[i], i + 1, 2);
    }
    const char *const below[] = {QT_TR_NOOP("Hauteur au passage :"), QT_TR_NOOP("Durée du jour :")};
    for (int i = 0; i < 2; ++i) {
        auto *caption = new QLabel(this);
        texts_->keep(caption, below[i]);
        grid->addWidget(caption, 4 + i, 0);
    }
    altitude_ = addLabel(this, "lblhauteurpassage", QString());
    grid->addWidget(altitude_, 4, 1, 1, 2);
    length_ = addLabel(this, "lbldureejour", QString());
    grid->addWidget(length_, 5, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setHorizontalSpacing(18);
    layout->addLayout(grid);
    message_ = addLabel(this, "lblmessagejournee", QString());
    message_->setWordWrap(true);
    setTextColor(message_, Rgb{255, 0, 0});
    layout->addWidget(message_);
}

void SunDayWindow::showRun(const EphemerisRun *run)
{
    shown_ = run ? std::optional(*run) : std::nullopt;
    zone_->setText(tr("Heure locale (%1)").arg(QString::fromUtf8(systemZone().id())));
    if (!run) {
        showDashes(QString());
        return;
    }
    const Outcome<SunDay> day = sunDayOfPage(run->input, decimalSeparator_);
    if (!day.ok()) {
        showDashes(QString::fromStdString(day.error()));
        return;
    }
    showDay(*run, day.value());
}

void SunDayWindow::showDay(const EphemerisRun &run, const SunDay &day)
{
    heading_->setText(QString::fromStdString(sunDayHeading(day, run.input)));
    const QTimeZone zone = systemZone();
    const auto events = eventsOf(day);
    for (std::size_t i = 0; i < events.size(); ++i) {
        const QString ut = QString::fromStdString(*events[i].text);
        universal_[i]->setText(ut);
        // No such event: the same words in both columns.
        local_[i]->setText(events[i].event ? localClockText(events[i].event->instant, day.date, zone) : ut);
    }
    altitude_->setText(QString::fromStdString(day.texts.transitAltitude));
    length_->setText(QString::fromStdString(day.texts.dayLength));
    message_->clear();
    chart_->showDay(chartData(run, day, dayPlaceOf(run.input, decimalSeparator_).value()));
}

void SunDayWindow::showDashes(const QString &why)
{
    const QString dash = QString::fromUtf8(kDash);
    heading_->setText(tr("Journée du Soleil : %1").arg(dash));
    for (std::size_t i = 0; i < universal_.size(); ++i) {
        universal_[i]->setText(dash);
        local_[i]->setText(dash);
    }
    altitude_->setText(dash);
    length_->setText(dash);
    message_->setText(why);
    chart_->showNothing();
}

} // namespace brelo

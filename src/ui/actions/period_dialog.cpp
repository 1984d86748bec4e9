#include "ui/actions/period_dialog.h"

#include "ui/widgets/controls.h"
#include "ui/widgets/design_texts.h"
#include "ui/actions/file_dialogs.h"
#include "ui/actions/period_chart_window.h"
#include "ui/actions/period_csv.h"
#include "ui/actions/period_table_model.h"
#include "ui/widgets/twips_rect.h"
#include "core/ephemeris/typed_date_time.h"
#include "time/local_time.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace brelo {

namespace {

// Minutes, hours, days: in the order of StepUnit.
const char *const kStepUnits[] = {QT_TRANSLATE_NOOP("brelo::PeriodDialog", "minutes"),
                                  QT_TRANSLATE_NOOP("brelo::PeriodDialog", "heures"),
                                  QT_TRANSLATE_NOOP("brelo::PeriodDialog", "jours")};

// What the locale writes between thousands, as it writes counts ("" where it
// groups none, as the C locale): the table's refusal and its count then agree.
std::string localeGrouping()
{
    const QString thousand = QLocale().toString(1000);
    return thousand.mid(1, thousand.size() - 4).toStdString();
}

UtMinutes minutesOf(const QDateTime &instant)
{
    return std::chrono::floor<std::chrono::minutes>(
        std::chrono::sys_seconds{std::chrono::seconds{instant.toSecsSinceEpoch()}});
}

QString placeText(const ObserverPosition &p)
{
    return PeriodDialog::tr("Lieu de l'observateur, repris de la page : latitude %1° %2', longitude %3° %4' (+ à l'Est)")
        .arg(QString::fromStdString(p.latitudeDegrees), QString::fromStdString(p.latitudeMinutes),
             QString::fromStdString(p.longitudeDegrees), QString::fromStdString(p.longitudeMinutes));
}

QLineEdit *makeTimeField(QWidget *parent, DesignTexts &texts, const char *name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    texts.keep([&texts, field] {
        field->setPlaceholderText(texts.text(QT_TRANSLATE_NOOP("brelo::PeriodDialog", "JJ/MM/AAAA HH:MM")));
    });
    return field;
}

} // namespace

PeriodDialog::PeriodDialog(ObserverSource observerOfPage, char decimalSeparator, QTimeZone localZone,
                           QWidget *parent)
    : QDialog(parent), observerOfPage_(std::move(observerOfPage)), decimalSeparator_(decimalSeparator),
      localZone_(std::move(localZone)), texts_(new DesignTexts("brelo::PeriodDialog", this))
{
    setObjectName(QStringLiteral("PeriodDialog"));
    setAttribute(Qt::WA_WindowPropagation);  // the window's font, at the window's zoom
    texts_->keep([this] { setWindowTitle(tr("Éphémérides sur une période")); });

    QFormLayout *form = buildPeriodFields();

    place_ = new QLabel(this);
    place_->setObjectName(QStringLiteral("lbllieu"));
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("lblmessageperiode"));
    message_->setWordWrap(true);

    auto *make = new QPushButton(this);
    texts_->keep(make, QT_TR_NOOP("&Calculer le tableau"));
    make->setObjectName(QStringLiteral("cmdtableau"));
    make->setDefault(true);
    export_ = new QPushButton(this);
    texts_->keep(export_, QT_TR_NOOP("&Exporter en CSV…"));
    export_->setObjectName(QStringLiteral("cmdexportcsv"));
    export_->setEnabled(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(make, QDialogButtonBox::ActionRole);
    buttons->addButton(export_, QDialogButtonBox::ActionRole);
    addChartButton(*buttons);
    texts_->keep(buttons->button(QDialogButtonBox::Close), QT_TR_NOOP("Fermer"));

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tableperiode"));
    // Fixed row heights: the view never measures rows it does not show.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->installEventFilter(this);  // its font follows the window's zoom
    fitTableToFont();
    table_->setWordWrap(false);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(place_);
    layout->addWidget(message_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(1100, 600);

    connect(make, &QPushButton::clicked, this, &PeriodDialog::makeTable);
    connect(export_, &QPushButton::clicked, this, &PeriodDialog::chooseExportFile);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(timeBasis_, &QComboBox::currentIndexChanged, this, &PeriodDialog::timeBasisChanged);
    connect(texts_, &DesignTexts::retranslated, this, &PeriodDialog::retell);
}

// Start, end, step and the time basis, in a form.
QFormLayout *PeriodDialog::buildPeriodFields()
{
    start_ = makeTimeField(this, *texts_, "periodedebut");
    end_ = makeTimeField(this, *texts_, "periodefin");
    stepCount_ = new QSpinBox(this);
    stepCount_->setObjectName(QStringLiteral("periodepas"));
    stepCount_->setRange(1, 1'000'000);
    stepCount_->setValue(10);
    stepUnit_ = new QComboBox(this);
    stepUnit_->setObjectName(QStringLiteral("periodeunite"));
    timeBasis_ = new QComboBox(this);
    timeBasis_->setObjectName(QStringLiteral("periodeheures"));
    for (std::size_t i = 0; i < std::size(kStepUnits); ++i)
        stepUnit_->addItem(QString());
    timeBasis_->addItems({QString(), QString()});
    texts_->keep([this] {
        for (int i = 0; i < stepUnit_->count(); ++i)
            stepUnit_->setItemText(i, tr(kStepUnits[i]));
        timeBasis_->setItemText(0, tr("Temps universel (TU)"));
        timeBasis_->setItemText(1, tr("Heure locale (%1)").arg(QString::fromUtf8(localZone_.id())));
    });

    auto *step = new QHBoxLayout;
    step->addWidget(stepCount_);
    step->addWidget(stepUnit_);
    step->addStretch();
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    const auto addRow = [&](const char *caption, auto *field) {
        auto *label = new QLabel(this);
        texts_->keep(label, caption);
        form->addRow(label, field);
    };
    addRow(QT_TR_NOOP("Début :"), start_);
    addRow(QT_TR_NOOP("Fin :"), end_);
    addRow(QT_TR_NOOP("Pas :"), step);
    addRow(QT_TR_NOOP("Heures saisies en :"), timeBasis_);
    return form;
}

Outcome<UtMinutes> PeriodDialog::fieldInstant(const QLineEdit *field) const
{
    return typedInstant(field->text(), field == start_, local_);
}

Outcome<UtMinutes> PeriodDialog::typedInstant(const QString &text, bool isStart, bool local) const
{
    const QString subject = isStart ? tr("Le début de la période") : tr("La fin de la période");
    const Outcome<CivilTime> typed = readTypedDateTime(text.toStdString(), subject.toStdString());
    if (!typed.ok())
        return Outcome<UtMinutes>::failure(typed.error());
    const UtMinutes asTyped = *instantOf(typed.value());  // a date read is one that exists
    if (!local)
        return Outcome<UtMinutes>::success(asTyped);
    // A local time the clocks skip or repeat is said so, quoted as typed.
    const LocalReading reading = readLocalTime(std::chrono::local_seconds{asTyped.time_since_epoch()}, localZone_,
                                               subject + QStringLiteral(" (%1)").arg(text.trimmed()));
    if (!reading.ok())
        return Outcome<UtMinutes>::failure(reading.problem.toStdString());
    return Outcome<UtMinutes>::success(std::chrono::floor<std::chrono::minutes>(reading.instants.front()));
}

void PeriodDialog::showInstant(QLineEdit *field, UtMinutes instant)
{
    const UtMinutes shown =
        local_ ? UtMinutes{std::chrono::floor<std::chrono::minutes>(zonedTime(instant, localZone_).local).time_since_epoch()}
               : instant;
    field->setText(QString::fromStdString(typedDateTimeText(civilTimeOf(shown))));
}

void PeriodDialog::setPeriod(UtMinutes start, UtMinutes end)
{
    showInstant(start_, start);
    showInstant(end_, end);
}

void PeriodDialog::setTimesInLocalZone(bool local) { timeBasis_->setCurrentIndex(local ? 1 : 0); }

void PeriodDialog::timeBasisChanged()
{
    // The same instants, shown in the other basis; a text that does not read stays as typed.
    const Outcome<UtMinutes> start = fieldInstant(start_);
    const Outcome<UtMinutes> end = fieldInstant(end_);
    local_ = timeBasis_->currentIndex() == 1;
    if (start.ok())
        showInstant(start_, start.value());
    if (end.ok())
        showInstant(end_, end.value());
}

Outcome<PeriodTable> PeriodDialog::tableFor(const Request &r) const
{
    const Outcome<UtMinutes> start = typedInstant(r.start, true, r.local);
    const Outcome<UtMinutes> end = typedInstant(r.end, false, r.local);
    if (!start.ok() || !end.ok())
        return Outcome<PeriodTable>::failure(!start.ok() ? start.error() : end.error());
    if (end.value() < start.value())
        return Outcome<PeriodTable>::failure(
            tr("La fin de la période (%1) précède son début (%2).").arg(r.end.trimmed(), r.start.trimmed()).toStdString());
    return PeriodTable::make(civilTimeOf(start.value()), civilTimeOf(end.value()), r.step, r.observer,
                             decimalSeparator_, localeGrouping());
}

bool PeriodDialog::makeTable()
{
    const Request request{start_->text(), end_->text(),
                          {stepCount_->value(), static_cast<StepUnit>(stepUnit_->currentIndex())}, local_,
                          observerOfPage_()};
    shownPlace_ = request.observer;
    place_->setText(placeText(request.observer));
    const Outcome<PeriodTable> table = tableFor(request);
    PeriodTableModel *old = model_;
    model_ = table.ok() ? new PeriodTableModel(table.value(), localZone_, decimalSeparator_, this) : nullptr;
    table_->setModel(model_);
    delete old;
    export_->setEnabled(model_ != nullptr);
    chart_->setEnabled(model_ != nullptr);
    if (!model_) {
        // Read again for its words in another language.
        showMessage([this, request] { return QString::fromStdString(tableFor(request).error()); }, true);
        return false;
    }
    fitTableToFont();
    showMessage([rows = model_->rowCount()] { return tr("%1 instants").arg(QLocale().toString(qlonglong(rows))); },
                false);
    return true;
}

void PeriodDialog::fitTableToFont()
{
    const QFontMetrics metrics = table_->fontMetrics();
    table_->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    if (!model_)
        return;
    // Widths from the titles and the first row, which the view shows anyway:
    // measuring every row would compute them all.
    const QStringList titles = PeriodTableModel::columnTitles();
    for (int c = 0; c < titles.size(); ++c) {
        const QString first = model_->data(model_->index(0, c)).toString();
        table_->setColumnWidth(c, std::max(metrics.horizontalAdvance(titles[c]), metrics.horizontalAdvance(first)) + 24);
    }
}

bool PeriodDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == table_ && event->type() == QEvent::FontChange)
        fitTableToFont();
    return QDialog::eventFilter(watched, event);
}

QString PeriodDialog::message() const { return message_->text(); }

void PeriodDialog::showMessage(std::function<QString()> text, bool failure)
{
    said_ = std::move(text);
    message_->setText(said_());
    setTextColor(message_, failure ? Rgb{255, 0, 0} : Rgb{0, 0, 0});
}

// The place, the message and the table in the language now in use.
void PeriodDialog::retell()
{
    if (shownPlace_)
        place_->setText(placeText(*shownPlace_));
    if (said_)
        message_->setText(said_());
    if (model_) {
        model_->retranslate();
        fitTableToFont();
        if (chartWindow_)
            chartWindow_->showTable(model_->table(), local_ ? localZone_ : QTimeZone::utc(), timeBasis_->currentText());
    }
}

bool PeriodDialog::exportCsv(const QString &fileName)
{
    if (!model_)
        return false;
    // Written as it is computed, row after row; the old file stays until the whole table is written.
    QSaveFile file(fileName);
    const bool written = file.open(QIODevice::WriteOnly) && writePeriodCsv(*model_, file) && file.commit();
    const QString shown = QDir::toNativeSeparators(fileName);
    if (!written) {
        showMessage([shown, why = file.errorString()] { return tr("Impossible d'enregistrer « %1 » : %2.").arg(shown, why); },
                    true);
        return false;
    }
    showMessage([shown] { return tr("Tableau exporté dans « %1 ».").arg(shown); }, false);
    return true;
}

// "Graphique…" beside the table's other actions, enabled with a table.
void PeriodDialog::addChartButton(QDialogButtonBox &buttons)
{
    chart_ = new QPushButton(this);
    texts_->keep(chart_, QT_TR_NOOP("&Graphique…"));
    chart_->setObjectName(QStringLiteral("cmdgraphique"));
    chart_->setEnabled(false);
    buttons.addButton(chart_, QDialogButtonBox::ActionRole);
    connect(chart_, &QPushButton::clicked, this, &PeriodDialog::showChart);
}

PeriodChartWindow *PeriodDialog::showChart()
{
    if (!model_)
        return nullptr;
    if (!chartWindow_)
        chartWindow_ = new PeriodChartWindow(this);
    // The times as the period's fields read them.
    chartWindow_->showTable(model_->table(), local_ ? localZone_ : QTimeZone::utc(), timeBasis_->currentText());
    chartWindow_->show();
    chartWindow_->raise();
    return chartWindow_;
}

void PeriodDialog::chooseExportFile()
{
    const auto answer = fileDialogs().chooseFile(
        this, {FileQuestion::Kind::Save, tr("Exporter le tableau"), tr("ephemerides-periode.csv"),
               {tr("Tableau CSV (*.csv)")}});
    if (!answer)
        return;
    exportCsv(withExtension(answer->path, "csv"));
}

PeriodDialog *showPeriodDialog(QWidget &window, PeriodDialog *dialog, std::function<EphemerisInput()> pageFields,
                               char decimalSeparator)
{
    if (!dialog) {
        const EphemerisInput now = pageFields();
        dialog = new PeriodDialog(
            [pageFields] {
                const EphemerisInput page = pageFields();
                return ObserverPosition{page.txtlatideg, page.txtlatimin, page.txtlongideg, page.txtlongimin};
            },
            decimalSeparator, QTimeZone::systemTimeZone(), &window);
        // The page's instant when its fields hold one (astronomical years, as
        // the page reads them), else now; a day at the default step.
        const auto field = [](const std::string &text) { return QString::fromStdString(text).toInt(); };
        const auto part = [&](const std::string &text) { return static_cast<unsigned>(std::max(field(text), 0)); };
        const std::optional<UtMinutes> page = instantOf(
            {field(now.txtann), part(now.txtmois), part(now.txtjour), part(now.txtheur), part(now.txtminut)});
        const UtMinutes start = page ? *page : minutesOf(QDateTime::currentDateTimeUtc());
        dialog->setPeriod(start, start + std::chrono::days{1});
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

} // namespace brelo

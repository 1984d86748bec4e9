#include "ui/actions/period_dialog.h"

#include "ui/widgets/controls.h"
#include "ui/actions/file_dialogs.h"
#include "ui/actions/period_chart_window.h"
#include "ui/actions/period_csv.h"
#include "ui/actions/period_table_model.h"
#include "ui/widgets/twips_rect.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
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

const char *const kTitle = "Éphémérides sur une période";
const char *const kFieldFormat = "dd/MM/yyyy HH:mm";

// Minutes, hours, days: in the order of StepUnit.
const char *const kStepUnits[] = {"minutes", "heures", "jours"};

CivilTime civilTimeOfUtc(const QDateTime &utc)
{
    const QDate d = utc.date();
    const QTime t = utc.time();
    return {d.year(), static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()),
            static_cast<unsigned>(t.hour()), static_cast<unsigned>(t.minute())};
}

QString placeText(const ObserverPosition &p)
{
    return QString::fromUtf8("Lieu de l'observateur, repris de la page : latitude %1° %2', longitude %3° %4' (+ à l'Est)")
        .arg(QString::fromStdString(p.latitudeDegrees), QString::fromStdString(p.latitudeMinutes),
             QString::fromStdString(p.longitudeDegrees), QString::fromStdString(p.longitudeMinutes));
}

QDateTimeEdit *makeTimeField(QWidget *parent, const char *name)
{
    auto *field = new QDateTimeEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setDisplayFormat(QString::fromLatin1(kFieldFormat));
    field->setTimeSpec(Qt::UTC);  // the date and time as typed; the basis decides what they mean
    return field;
}

} // namespace

PeriodDialog::PeriodDialog(ObserverSource observerOfPage, char decimalSeparator, QTimeZone localZone,
                           QWidget *parent)
    : QDialog(parent), observerOfPage_(std::move(observerOfPage)), decimalSeparator_(decimalSeparator),
      localZone_(std::move(localZone))
{
    setObjectName(QStringLiteral("PeriodDialog"));
    setWindowTitle(QString::fromUtf8(kTitle));

    start_ = makeTimeField(this, "periodedebut");
    end_ = makeTimeField(this, "periodefin");
    stepCount_ = new QSpinBox(this);
    stepCount_->setObjectName(QStringLiteral("periodepas"));
    stepCount_->setRange(1, 1'000'000);
    stepCount_->setValue(10);
    stepUnit_ = new QComboBox(this);
    stepUnit_->setObjectName(QStringLiteral("periodeunite"));
    for (const char *unit : kStepUnits)
        stepUnit_->addItem(QString::fromLatin1(unit));
    timeBasis_ = new QComboBox(this);
    timeBasis_->setObjectName(QStringLiteral("periodeheures"));
    timeBasis_->addItem(QStringLiteral("Temps universel (TU)"));
    timeBasis_->addItem(QStringLiteral("Heure locale (%1)").arg(QString::fromUtf8(localZone_.id())));

    auto *step = new QHBoxLayout;
    step->addWidget(stepCount_);
    step->addWidget(stepUnit_);
    step->addStretch();
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QString::fromUtf8("Début :"), start_);
    form->addRow(QStringLiteral("Fin :"), end_);
    form->addRow(QStringLiteral("Pas :"), step);
    form->addRow(QString::fromUtf8("Heures saisies en :"), timeBasis_);

    place_ = new QLabel(this);
    place_->setObjectName(QStringLiteral("lbllieu"));
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("lblmessageperiode"));
    message_->setWordWrap(true);

    auto *make = new QPushButton(QStringLiteral("&Calculer le tableau"), this);
    make->setObjectName(QStringLiteral("cmdtableau"));
    make->setDefault(true);
    export_ = new QPushButton(QString::fromUtf8("&Exporter en CSV…"), this);
    export_->setObjectName(QStringLiteral("cmdexportcsv"));
    export_->setEnabled(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(make, QDialogButtonBox::ActionRole);
    buttons->addButton(export_, QDialogButtonBox::ActionRole);
    addChartButton(*buttons);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fermer"));

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tableperiode"));
    // Fixed row heights: the view never measures rows it does not show.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
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
}

QDateTime PeriodDialog::fieldInstant(const QDateTimeEdit *field) const
{
    // Invalid for a local time skipped when the clocks go forward.
    const QDateTime typed = field->dateTime();
    const QDateTime instant(typed.date(), typed.time(), local_ ? localZone_ : QTimeZone::utc());
    return instant.isValid() ? instant.toUTC() : QDateTime();
}

void PeriodDialog::showInstant(QDateTimeEdit *field, const QDateTime &instant)
{
    const QDateTime shown = instant.toTimeZone(local_ ? localZone_ : QTimeZone::utc());
    field->setDateTime(QDateTime(shown.date(), shown.time(), QTimeZone::utc()));
}

void PeriodDialog::setPeriod(const QDateTime &start, const QDateTime &end)
{
    showInstant(start_, start);
    showInstant(end_, end);
}

void PeriodDialog::setTimesInLocalZone(bool local) { timeBasis_->setCurrentIndex(local ? 1 : 0); }

void PeriodDialog::timeBasisChanged()
{
    // The same instants, shown in the other basis.
    const QDateTime start = fieldInstant(start_);
    const QDateTime end = fieldInstant(end_);
    local_ = timeBasis_->currentIndex() == 1;
    if (start.isValid())
        showInstant(start_, start);
    if (end.isValid())
        showInstant(end_, end);
}

bool PeriodDialog::makeTable()
{
    const ObserverPosition observer = observerOfPage_();
    place_->setText(placeText(observer));
    const PeriodStep step{stepCount_->value(), static_cast<StepUnit>(stepUnit_->currentIndex())};
    const QDateTime start = fieldInstant(start_);
    const QDateTime end = fieldInstant(end_);
    Outcome<PeriodTable> table = Outcome<PeriodTable>::failure("");
    if (!start.isValid() || !end.isValid()) {
        const QDateTimeEdit *skipped = start.isValid() ? end_ : start_;
        table = Outcome<PeriodTable>::failure(
            QStringLiteral("%1 de la période (%2) n'existe pas en heure locale : les horloges avancent à cette heure-là.")
                .arg(skipped == start_ ? QStringLiteral("Le début") : QStringLiteral("La fin"), skipped->text())
                .toStdString());
    } else {
        table = PeriodTable::make(civilTimeOfUtc(start), civilTimeOfUtc(end), step, observer, decimalSeparator_);
    }
    PeriodTableModel *old = model_;
    model_ = table.ok() ? new PeriodTableModel(table.value(), localZone_, decimalSeparator_, this) : nullptr;
    table_->setModel(model_);
    delete old;
    export_->setEnabled(model_ != nullptr);
    chart_->setEnabled(model_ != nullptr);
    if (!model_) {
        showMessage(QString::fromStdString(table.error()), true);
        return false;
    }
    // Widths from the titles and the first row, which the view shows anyway:
    // measuring every row would compute them all.
    const QFontMetrics metrics = table_->fontMetrics();
    const QStringList titles = PeriodTableModel::columnTitles();
    for (int c = 0; c < titles.size(); ++c) {
        const QString first = model_->data(model_->index(0, c)).toString();
        table_->setColumnWidth(c, std::max(metrics.horizontalAdvance(titles[c]), metrics.horizontalAdvance(first)) + 24);
    }
    showMessage(QStringLiteral("%1 instants").arg(QLocale().toString(static_cast<qlonglong>(model_->rowCount()))), false);
    return true;
}

QString PeriodDialog::message() const { return message_->text(); }

void PeriodDialog::showMessage(const QString &text, bool failure)
{
    message_->setText(text);
    setTextColor(message_, failure ? Rgb{255, 0, 0} : Rgb{0, 0, 0});
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
        showMessage(QStringLiteral("Impossible d'enregistrer « %1 » : %2.").arg(shown, file.errorString()), true);
        return false;
    }
    showMessage(QStringLiteral("Tableau exporté dans « %1 ».").arg(shown), false);
    return true;
}

// "Graphique…" beside the table's other actions, enabled with a table.
void PeriodDialog::addChartButton(QDialogButtonBox &buttons)
{
    chart_ = new QPushButton(QString::fromUtf8("&Graphique…"), this);
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
        this, {FileQuestion::Kind::Save, QStringLiteral("Exporter le tableau"), QStringLiteral("ephemerides-periode.csv"),
               {QStringLiteral("Tableau CSV (*.csv)")}});
    if (!answer)
        return;
    const QString path = answer->path;
    exportCsv(QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".csv") : path);
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
        // The page's instant when its fields hold one, else now; a day at the default step.
        const auto field = [](const std::string &text) { return QString::fromStdString(text).toInt(); };
        QDateTime start(QDate(field(now.txtann), field(now.txtmois), field(now.txtjour)),
                        QTime(field(now.txtheur), field(now.txtminut)), QTimeZone::utc());
        if (!start.isValid())
            start = QDateTime::currentDateTimeUtc();
        dialog->setPeriod(start, start.addDays(1));
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

} // namespace brelo

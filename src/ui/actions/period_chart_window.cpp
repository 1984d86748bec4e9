#include "ui/actions/period_chart_window.h"

#include "charts/period_chart.h"
#include "core/ephemeris/period_series.h"
#include "ui/actions/chart_export.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelo {

namespace {

// Enough for a smooth curve across the chart's width many times over, few
// enough to draw at once.
constexpr std::size_t kMaxPoints = 4000;
constexpr int kAltitudeColumn = 3;

qint64 msecsOf(UtMinutes instant)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(instant.time_since_epoch()).count();
}

} // namespace

PeriodChartWindow::PeriodChartWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GraphiquePeriode"));
    setWindowTitle(QString::fromUtf8("Graphique de la période"));
    column_ = new QComboBox(this);
    column_->setObjectName(QStringLiteral("graphiquecolonne"));
    for (const std::string &title : seriesColumnTitles())
        column_->addItem(QString::fromStdString(title));
    column_->setCurrentIndex(kAltitudeColumn);
    chart_ = new PeriodChart(this);
    chart_->setObjectName(QStringLiteral("graphiqueperiode"));
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("lblmessagegraphique"));

    auto *exportButton = new QPushButton(QString::fromUtf8("&Exporter le graphique…"), this);
    exportButton->setObjectName(QStringLiteral("cmdexportgraphiqueperiode"));
    exportButton->setAutoDefault(false);  // Enter does not open a file dialog
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(exportButton, QDialogButtonBox::ActionRole);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fermer"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Colonne :"), column_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(chart_, 1);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    resize(900, 560);

    connect(column_, &QComboBox::currentIndexChanged, this, &PeriodChartWindow::draw);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(exportButton, &QPushButton::clicked, this, [this] {
        message_->setText(exportChart(*this, *chart_, QStringLiteral("graphique-periode")));
    });
}

void PeriodChartWindow::showTable(const PeriodTable &table, const QTimeZone &zone, const QString &zoneTitle)
{
    table_ = table;
    zone_ = zone;
    zoneTitle_ = zoneTitle;
    draw();
}

void PeriodChartWindow::setColumn(int column) { column_->setCurrentIndex(column); }

void PeriodChartWindow::draw()
{
    message_->clear();
    if (!table_)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);  // a long table takes a moment
    const PeriodSeries series = periodSeries(*table_, static_cast<std::size_t>(column_->currentIndex()), kMaxPoints);
    QApplication::restoreOverrideCursor();
    PeriodChartData data;
    data.title = column_->currentText();
    data.zoneTitle = zoneTitle_;
    data.zone = zone_;
    for (const SeriesPoint &p : series.points)
        data.points.emplace_back(static_cast<double>(msecsOf(p.instant)), p.value);
    if (table_->rowCount() > 1)
        data.gapMsecs = 1.5 * static_cast<double>(series.rowStep)
                        * static_cast<double>(msecsOf(table_->instant(1)) - msecsOf(table_->instant(0)));
    if (series.rowStep > 1)
        data.note = QString::fromUtf8("une ligne sur %1 du tableau").arg(QLocale().toString(qulonglong(series.rowStep)));
    chart_->showColumn(data);
}

} // namespace brelo

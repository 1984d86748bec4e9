#include "ui/actions/period_chart_window.h"

#include "charts/period_chart.h"
#include "core/ephemeris/period_series.h"
#include "ui/actions/chart_export.h"
#include "ui/widgets/design_texts.h"

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
    auto *texts = new DesignTexts("brelo::PeriodChartWindow", this);
    texts->keep([this] { setWindowTitle(tr("Graphique de la période")); });
    column_ = new QComboBox(this);
    column_->setObjectName(QStringLiteral("graphiquecolonne"));
    for (const std::string &title : seriesColumnTitles())
        column_->addItem(QString::fromStdString(title));
    column_->setCurrentIndex(kAltitudeColumn);
    chart_ = new PeriodChart(this);
    chart_->setObjectName(QStringLiteral("graphiqueperiode"));
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("lblmessagegraphique"));

    auto *exportButton = new QPushButton(this);
    texts->keep(exportButton, QT_TR_NOOP("&Exporter le graphique…"));
    exportButton->setObjectName(QStringLiteral("cmdexportgraphiqueperiode"));
    exportButton->setAutoDefault(false);  // Enter does not open a file dialog
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(exportButton, QDialogButtonBox::ActionRole);
    texts->keep(buttons->button(QDialogButtonBox::Close), QT_TR_NOOP("Fermer"));
    auto *form = new QFormLayout;
    auto *columnLabel = new QLabel(this);
    texts->keep(columnLabel, QT_TR_NOOP("Colonne :"));
    form->addRow(columnLabel, column_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(chart_, 1);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    resize(900, 560);

    connect(column_, &QComboBox::currentIndexChanged, this, &PeriodChartWindow::draw);
    // The columns' names and the chart in the language now in use.
    connect(texts, &DesignTexts::retranslated, this, [this] {
        const std::vector<std::string> titles = seriesColumnTitles();
        for (int i = 0; i < column_->count(); ++i)
            column_->setItemText(i, QString::fromStdString(titles[static_cast<std::size_t>(i)]));
        draw();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(exportButton, &QPushButton::clicked, this, [this] {
        message_->setText(exportChart(*this, *chart_, tr("graphique-periode")));
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
        data.note = tr("une ligne sur %1 du tableau").arg(QLocale().toString(qulonglong(series.rowStep)));
    chart_->showColumn(data);
}

} // namespace brelo

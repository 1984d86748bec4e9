#pragma once

#include "core/ephemeris/calculephem.h"
#include "core/ephemeris/period_table.h"

#include <QDialog>
#include <QTimeZone>

#include <functional>
#include <optional>

class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace brelo {

class DesignTexts;
class PeriodChartWindow;
class PeriodTableModel;

// "Éphémérides sur une période…": start, end and step of a period, the times
// entered in Universal Time or in local time, and the table of the ephemeris
// for every instant, for the observer's place on the ephemeris page at the
// moment the table is made. The table can be exported as CSV.
class PeriodDialog : public QDialog {
    Q_OBJECT

public:
    using ObserverSource = std::function<ObserverPosition()>;

    PeriodDialog(ObserverSource observerOfPage, char decimalSeparator, QTimeZone localZone,
                 QWidget *parent = nullptr);

    // Start and end of the period, as instants; the fields show them in the chosen time basis.
    void setPeriod(UtMinutes start, UtMinutes end);
    void setTimesInLocalZone(bool local);

    // Builds the table, or shows why it cannot: a false return leaves the table empty.
    bool makeTable();
    PeriodTableModel *model() const { return model_; }
    QString message() const;

    // Writes the whole table to a file; a French message names the file on failure.
    bool exportCsv(const QString &fileName);
    // The chart of a column of the table, in its own window.
    PeriodChartWindow *showChart();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What a table is made of: the period as typed, its step and time basis,
    // and the observer's place on the page.
    struct Request {
        QString start, end;
        PeriodStep step;
        bool local = false;
        ObserverPosition observer;
    };
    QFormLayout *buildPeriodFields();
    // The instant typed in a field, read in the chosen basis, or why it cannot be.
    Outcome<UtMinutes> fieldInstant(const QLineEdit *field) const;
    Outcome<UtMinutes> typedInstant(const QString &typed, bool isStart, bool local) const;
    Outcome<PeriodTable> tableFor(const Request &request) const;
    void showInstant(QLineEdit *field, UtMinutes instant);
    void timeBasisChanged();
    void fitTableToFont();  // one line of the font a row, columns as wide as their texts
    void chooseExportFile();
    void addChartButton(QDialogButtonBox &buttons);
    // The message is written again in another language.
    void showMessage(std::function<QString()> text, bool failure);
    void retell();

    ObserverSource observerOfPage_;
    char decimalSeparator_;
    QTimeZone localZone_;
    bool local_ = false;

    QLineEdit *start_;  // "05/03/2027 08:00", read as typed
    QLineEdit *end_;
    QSpinBox *stepCount_;
    QComboBox *stepUnit_;
    QComboBox *timeBasis_;
    QLabel *place_;
    QLabel *message_;
    QTableView *table_;
    QPushButton *export_;
    QPushButton *chart_;
    DesignTexts *texts_;
    std::optional<ObserverPosition> shownPlace_;
    std::function<QString()> said_;
    PeriodTableModel *model_ = nullptr;
    PeriodChartWindow *chartWindow_ = nullptr;
};

// Shows the period dialog, made at the first call (`dialog` null): its period
// starts at the instant of the page's date and time fields, or now when they
// hold none, and the observer's place is read from the page at each table.
PeriodDialog *showPeriodDialog(QWidget &window, PeriodDialog *dialog, std::function<EphemerisInput()> pageFields,
                               char decimalSeparator);

} // namespace brelo

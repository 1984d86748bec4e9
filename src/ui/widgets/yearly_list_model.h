#pragma once

#include <QAbstractListModel>

#include <vector>

namespace brelo {

// One of the two yearly lists of the optics page. Every optical run adds 24 rows
// at the top; the list keeps only each run's image scale k and magnification m
// and formats a row when the view asks for it, so a long session stays small.
class YearlyListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum class Table { OccultingDisc, FinalImage };

    YearlyListModel(Table table, char decimalSeparator, QObject *parent = nullptr);

    // Inserts the 24 rows of a new run at rows 0 to 23.
    void addRun(double imageScale, float magnification);
    // Every row again, its date in the language now in use.
    void retranslate();

    int runCount() const { return static_cast<int>(runs_.size()); }
    QString rowText(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    struct Run {
        double imageScale;
        float magnification;
    };

    Table table_;
    char decimalSeparator_;
    std::vector<Run> runs_;  // oldest first: the newest run is shown at the top
};

} // namespace brelo

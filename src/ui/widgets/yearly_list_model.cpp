#include "ui/widgets/yearly_list_model.h"

#include "core/optics/calcul.h"
#include "core/optics/yearly_table.h"

namespace brelo {

YearlyListModel::YearlyListModel(Table table, char decimalSeparator, QObject *parent)
    : QAbstractListModel(parent), table_(table), decimalSeparator_(decimalSeparator)
{
}

void YearlyListModel::addRun(double imageScale, float magnification)
{
    beginInsertRows(QModelIndex(), 0, kYearRows - 1);
    runs_.push_back({imageScale, magnification});
    endInsertRows();
}

void YearlyListModel::retranslate()
{
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
}

QString YearlyListModel::rowText(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const Run &run = runs_[runs_.size() - 1 - static_cast<std::size_t>(row / kYearRows)];
    const int index = row % kYearRows;
    const std::string text = table_ == Table::OccultingDisc
        ? occultingDiscRow(index, run.imageScale, decimalSeparator_)
        : finalImageRow(index, run.imageScale, run.magnification, decimalSeparator_);
    return QString::fromStdString(text);
}

int YearlyListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(runs_.size()) * kYearRows;
}

QVariant YearlyListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return rowText(index.row());
}

} // namespace brelo

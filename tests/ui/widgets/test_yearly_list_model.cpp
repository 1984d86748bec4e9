#include "ui/widgets/yearly_list_model.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

// Design-time inputs: k = 1000 / 206265 and m = 1.1764706 give the worked
// example's rows; the second run (f1 = 1500, m = 2) was worked by hand.
constexpr double kFirstScale = 1000.0 / 206265.0;
constexpr float kFirstMagnification = 1.1764706f;
constexpr double kSecondScale = 1500.0 / 206265.0;
constexpr float kSecondMagnification = 2.0f;

struct RowCase {
    YearlyListModel::Table table;
    int row;
    const char *text;
};

TEST(YearlyListModel, NewestRunFillsTheTopRowsInCalendarOrder)
{
    using T = YearlyListModel::Table;
    const RowCase cases[] = {
        // second run on top
        {T::OccultingDisc, 0, "1er Janvier: 14.193"},
        {T::OccultingDisc, 12, "1er Juillet: 13.727"},
        {T::OccultingDisc, 23, "15 Décembre: 14.18"},
        {T::FinalImage, 0, "1er Janvier: 28.387"},
        {T::FinalImage, 12, "1er Juillet: 27.455"},
        {T::FinalImage, 23, "15 Décembre: 28.361"},
        // first run below it
        {T::OccultingDisc, 24, "1er Janvier: 9.462"},
        {T::OccultingDisc, 36, "1er Juillet: 9.151"},
        {T::OccultingDisc, 47, "15 Décembre: 9.453"},
        {T::FinalImage, 24, "1er Janvier: 11.132"},
        {T::FinalImage, 36, "1er Juillet: 10.766"},
        {T::FinalImage, 47, "15 Décembre: 11.122"},
    };
    for (const RowCase &c : cases) {
        YearlyListModel model(c.table, '.');
        model.addRun(kFirstScale, kFirstMagnification);
        model.addRun(kSecondScale, kSecondMagnification);
        ASSERT_EQ(model.rowCount(), 48);
        EXPECT_EQ(model.data(model.index(c.row)).toString(), QString::fromUtf8(c.text)) << "row " << c.row;
    }
}

TEST(YearlyListModel, FirstRunAloneAndTheLocaleSeparator)
{
    YearlyListModel model(YearlyListModel::Table::OccultingDisc, ',');
    EXPECT_EQ(model.rowCount(), 0);
    model.addRun(kFirstScale, kFirstMagnification);
    EXPECT_EQ(model.rowCount(), 24);
    EXPECT_EQ(model.rowText(0), QStringLiteral("1er Janvier: 9,462"));
    EXPECT_EQ(model.rowText(24), QString());
    EXPECT_EQ(model.rowText(-1), QString());
}

TEST(YearlyListModel, InsertsEachRunAtTheTop)
{
    YearlyListModel model(YearlyListModel::Table::FinalImage, '.');
    int first = -1;
    int last = -1;
    QObject::connect(&model, &QAbstractItemModel::rowsInserted,
                     [&](const QModelIndex &, int f, int l) { first = f; last = l; });
    model.addRun(kFirstScale, kFirstMagnification);
    model.addRun(kSecondScale, kSecondMagnification);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 23);
}

TEST(YearlyListModel, HundredThousandRunsAnswerTheirFirstAndLastRows)
{
    YearlyListModel model(YearlyListModel::Table::OccultingDisc, '.');
    model.addRun(kFirstScale, kFirstMagnification);  // the oldest ends at the bottom
    for (int run = 1; run < 99'999; ++run)
        model.addRun(kFirstScale, kFirstMagnification);
    model.addRun(kSecondScale, kSecondMagnification);
    ASSERT_EQ(model.runCount(), 100'000);
    ASSERT_EQ(model.rowCount(), 2'400'000);
    EXPECT_EQ(model.rowText(0), QStringLiteral("1er Janvier: 14.193"));
    EXPECT_EQ(model.rowText(2'399'999), QString::fromUtf8("15 Décembre: 9.453"));
    EXPECT_EQ(model.rowText(2'399'976), QStringLiteral("1er Janvier: 9.462"));
}

} // namespace
} // namespace brelo

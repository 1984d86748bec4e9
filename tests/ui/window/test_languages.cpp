#include "language/language.h"
#include "ui/pages/ephemeris_page.h"
#include "ui/pages/optics_page.h"
#include "ui/window/form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace brelo {
namespace {

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

// Every text the window shows, its dialogs and menus included, by the object
// showing it and the place it stands in.
using Texts = std::map<std::pair<const QObject *, QString>, QString>;

void add(Texts &texts, const QObject *object, const QString &place, const QString &text)
{
    if (!text.isEmpty())
        texts[{object, place}] = text;
}

void addModel(Texts &texts, const QAbstractItemView *view)
{
    const QAbstractItemModel *model = view->model();
    for (int column = 0; model && column < model->columnCount() && model->rowCount() > 0; ++column) {
        add(texts, view, QStringLiteral("header %1").arg(column), model->headerData(column, Qt::Horizontal).toString());
        add(texts, view, QStringLiteral("cell %1").arg(column), model->index(0, column).data().toString());
    }
}

void addChart(Texts &texts, const QChartView *view)
{
    add(texts, view, QStringLiteral("title"), view->chart()->title());
    for (const QAbstractAxis *axis : view->chart()->axes())
        add(texts, axis, QStringLiteral("axis"), axis->titleText());
    for (const QAbstractSeries *series : view->chart()->series())
        add(texts, series, QStringLiteral("series"), series->name());
}

void addWidget(Texts &texts, const QWidget *w)
{
    add(texts, w, QStringLiteral("tip"), w->toolTip());
    if (w->isWindow())
        add(texts, w, QStringLiteral("title"), w->windowTitle());
    if (const auto *label = qobject_cast<const QLabel *>(w))
        add(texts, w, QStringLiteral("text"), label->text());
    else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        add(texts, w, QStringLiteral("text"), button->text());
    else if (const auto *frame = qobject_cast<const QGroupBox *>(w))
        add(texts, w, QStringLiteral("title"), frame->title());
    else if (const auto *menu = qobject_cast<const QMenu *>(w))
        add(texts, w, QStringLiteral("title"), menu->title());
    else if (const auto *edit = qobject_cast<const QLineEdit *>(w))
        add(texts, w, QStringLiteral("placeholder"), edit->placeholderText());
    else if (const auto *combo = qobject_cast<const QComboBox *>(w))
        for (int i = 0; i < combo->count(); ++i)
            add(texts, w, QStringLiteral("item %1").arg(i), combo->itemText(i));
    else if (const auto *tabs = qobject_cast<const QTabWidget *>(w))
        for (int i = 0; i < tabs->count(); ++i)
            add(texts, w, QStringLiteral("tab %1").arg(i), tabs->tabText(i));
    else if (const auto *view = qobject_cast<const QAbstractItemView *>(w))
        addModel(texts, view);
    else if (const auto *chart = qobject_cast<const QChartView *>(w))
        addChart(texts, chart);
}

Texts shownTexts(const Form1 &form)
{
    Texts texts;
    addWidget(texts, &form);
    for (const QWidget *w : form.findChildren<QWidget *>())
        addWidget(texts, w);
    for (const QAction *action : form.findChildren<QAction *>()) {
        add(texts, action, QStringLiteral("text"), action->text());
        add(texts, action, QStringLiteral("tip"), action->statusTip());
    }
    return texts;
}

// Texts the same in both languages: the lenses' and compass points' names,
// numbers, times, durations and zones ("23 h 57 '", "11 h 24 min 48 s",
// "06/03/2026 09:05 UTC", "145 instants"), and the few words both share.
bool sameInBothLanguages(const QString &text)
{
    static const std::set<QString> shared = {
        QStringLiteral("O1"),      QStringLiteral("O2"),      QStringLiteral("O3-f-O3'"), QStringLiteral("100mm"),
        QStringLiteral("Minutes"), QStringLiteral("minutes"), QStringLiteral("Horizon"),  QStringLiteral("BRELO v.1.1"),
        QStringLiteral("English"), QStringLiteral("Français")};
    static const std::set<QString> sharedWords = {QStringLiteral("h"), QStringLiteral("min"), QStringLiteral("s"),
                                                  QStringLiteral("UTC"), QStringLiteral("instants")};
    if (shared.count(text) || text.size() == 1)
        return true;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool hasLetter = std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); });
        if (hasLetter && !sharedWords.count(word))
            return false;
    }
    return true;
}

void switchTo(Language language)
{
    useLanguage(language);
    QApplication::processEvents();
}

// One session with every page, dialog and message: under English every text
// differs from the French, the results and lists kept; back in French, every
// text is the French again.
TEST(Languages, EveryShownTextFollowsTheLanguageAndComesBack)
{
    switchTo(Language::French);
    Form1 form(&fixedClock);
    form.show();
    form.runOptics();
    form.runOptics();
    form.runEphemeris();
    for (const char *name : {"menuperiode", "menujournee", "menugabarit"})
        form.findChild<QAction *>(QString::fromLatin1(name))->trigger();
    form.findChild<QAbstractButton *>(QStringLiteral("cmdtableau"))->click();
    // A failed run: a message, and greyed results in either language.
    form.findChild<QLineEdit *>(QStringLiteral("txtmois"))->setText(QStringLiteral("13"));
    form.runEphemeris();
    QApplication::processEvents();
    const Texts french = shownTexts(form);
    ASSERT_FALSE(form.shownMessage().isEmpty());

    switchTo(Language::English);
    const Texts english = shownTexts(form);
    for (const auto &[where, text] : french) {
        const auto found = english.find(where);
        ASSERT_NE(found, english.end()) << text.toStdString();
        if (!sameInBothLanguages(text)) {
            EXPECT_NE(found->second, text) << where.second.toStdString() << " of " << where.first->objectName().toStdString();
        }
    }
    EXPECT_EQ(form.opticsPage().yearlyRuns(), 2);
    EXPECT_TRUE(form.ephemerisPage().resultsStale());
    EXPECT_TRUE(form.shownMessage().startsWith(QStringLiteral("Solar Ephemeris — Calculation impossible: the month")))
        << form.shownMessage().toStdString();

    switchTo(Language::French);
    const Texts again = shownTexts(form);
    for (const auto &[where, text] : french)
        EXPECT_EQ(again.at(where), text) << where.second.toStdString() << " of " << where.first->objectName().toStdString();
}

} // namespace
} // namespace brelo

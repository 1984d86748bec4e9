#include "scenario.h"
#include "ui/pages/ephemeris_page.h"
#include "ui/pages/optics_page.h"
#include "ui/window/form1.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace brelo {
namespace {

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

// The window previews Enter to run the optics, and the key still reaches the
// focused control, once.
TEST(Form1Keys, EnterRunsTheOpticsOnceAndReachesTheFocusedField)
{
    Form1 form(&fixedClock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto *field = qobject_cast<QLineEdit *>(scenario::control(form, QStringLiteral("Txtfoco1")));
    ASSERT_NE(field, nullptr);
    QSignalSpy returned(field, &QLineEdit::returnPressed);
    field->setFocus();

    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(returned.count(), 1);
    EXPECT_EQ(form.opticsPage().yearlyRuns(), 1);

    // Any other key runs nothing.
    QTest::keyClick(field, Qt::Key_A);
    EXPECT_EQ(form.opticsPage().yearlyRuns(), 1);
    EXPECT_EQ(field->text(), QStringLiteral("1000a"));
}

} // namespace
} // namespace brelo

#include "ui/widgets/spin_button.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace brelo {
namespace {

struct Fixture {
    QWidget window;
    QLineEdit *field = new QLineEdit(&window);
    SpinButton *spin;

    Fixture(SpinRange range, int value, const QString &text)
        : spin(new SpinButton(range, value, ',', &window))
    {
        field->setText(text);
        spin->setBuddy(field);
        spin->resize(16, 20);
    }
};

struct ClickCase {
    const char *what;
    SpinRange range;
    int ownValue;
    const char *fieldText;
    int direction;
    const char *expectedText;  // nullptr: nothing changes, no event
    int expectedValue;
};

// Expected values: the next whole number above or below the typed one,
// then the nearest bound of the range, worked by hand.
TEST(SpinButton, ClickStepsFromTheFieldOrItsOwnValue)
{
    const ClickCase cases[] = {
        {"steps up from the field", {1, 500, 1}, 30, "30", +1, "31", 31},
        {"typed number wins over own value", {1, 500, 1}, 30, "120", -1, "119", 119},
        {"blanks around a whole number", {1, 500, 1}, 30, " 42 ", +1, "43", 43},
        {"non-number: own value", {1, 500, 1}, 30, "abc", +1, "31", 31},
        {"typed decimal, up: the whole number above", {1, 500, 1}, 90, "45.5", +1, "46", 46},
        {"typed decimal, down: the whole number below", {1, 500, 1}, 90, "45,5", -1, "45", 45},
        {"typed negative decimal, up", {-90, 90, 1}, 45, "-10,5", +1, "-10", -10},
        {"decimal just under max, up", {1, 10000, 1}, 1000, "9999.5", +1, "10000", 10000},
        {"empty: own value", {1, 500, 1}, 30, "", +1, "31", 31},
        {"typed beyond max is clamped first", {1800, 2100, 1}, 2000, "2500", +1, "2100", 2100},
        {"typed below min is clamped first", {-90, 90, 1}, 45, "-300", -1, "-90", -90},
        {"down from above max lands on max", {1, 10000, 1}, 1000, "20000", -1, "10000", 10000},
        {"up from below min lands on min", {-90, 90, 1}, 45, "-300", +1, "-90", -90},
        {"down from just above max", {1, 10000, 1}, 1000, "10001", -1, "10000", 10000},
        {"up from far above max", {1, 10000, 1}, 1000, "1e300", +1, "10000", 10000},
        {"own value at a bound, field unreadable", {0, 23, 1}, 23, "x", +1, "23", 23},
        {"at max showing max", {1800, 2100, 1}, 2000, "2100", +1, nullptr, 2000},
        {"at min showing min", {-90, 90, 1}, 45, "-90", -1, nullptr, 45},
        {"step larger than the room left", {-10000, -1, 10}, -2000, "-5", +1, "-1", -1},
        {"negative step down", {-10000, -1, 10}, -2000, "-2000", -1, "-2010", -2010},
    };
    for (const ClickCase &c : cases) {
        Fixture f(c.range, c.ownValue, QString::fromUtf8(c.fieldText));
        QSignalSpy changed(f.spin, &SpinButton::changed);
        QTest::mouseClick(c.direction > 0 ? f.spin->upArrow() : f.spin->downArrow(), Qt::LeftButton);
        if (c.expectedText) {
            EXPECT_EQ(f.field->text(), QString::fromUtf8(c.expectedText)) << c.what;
            EXPECT_EQ(changed.count(), 1) << c.what;
        } else {
            EXPECT_EQ(f.field->text(), QString::fromUtf8(c.fieldText)) << c.what;
            EXPECT_EQ(changed.count(), 0) << c.what;
        }
        EXPECT_EQ(f.spin->value(), c.expectedValue) << c.what;
    }
}

TEST(SpinButton, UpAndDownKeysInTheFieldStepLikeClicks)
{
    Fixture f({1, 12, 1}, 1, "5");
    QSignalSpy changed(f.spin, &SpinButton::changed);
    QTest::keyClick(f.field, Qt::Key_Up);
    QTest::keyClick(f.field, Qt::Key_Up);
    QTest::keyClick(f.field, Qt::Key_Down);
    EXPECT_EQ(f.field->text(), QStringLiteral("6"));
    EXPECT_EQ(changed.count(), 3);
    QTest::keyClick(f.field, Qt::Key_A);  // other keys go on to the field
    EXPECT_EQ(f.field->text(), QStringLiteral("6a"));
    EXPECT_EQ(changed.count(), 3);
}

TEST(SpinButton, DisabledSpinIgnoresKeys)
{
    Fixture f({1, 12, 1}, 1, "5");
    f.spin->setEnabled(false);
    QSignalSpy changed(f.spin, &SpinButton::changed);
    QTest::keyClick(f.field, Qt::Key_Up);
    EXPECT_EQ(f.field->text(), QStringLiteral("5"));
    EXPECT_EQ(changed.count(), 0);
}

TEST(SpinButton, WithoutBuddyItStepsItsOwnValueAndStopsAtTheBound)
{
    SpinButton spin({-10000, -1, 10}, -20, '.');
    QSignalSpy changed(&spin, &SpinButton::changed);
    spin.stepUp();
    EXPECT_EQ(spin.value(), -10);
    spin.stepUp();
    EXPECT_EQ(spin.value(), -1);
    spin.stepUp();  // already at the maximum: no event
    EXPECT_EQ(spin.value(), -1);
    EXPECT_EQ(changed.count(), 2);
}

TEST(SpinButton, ArrowsRepeatWhileHeld)
{
    SpinButton spin({0, 100, 1}, 0, '.');
    EXPECT_TRUE(spin.upArrow()->autoRepeat());
    EXPECT_TRUE(spin.downArrow()->autoRepeat());
}

} // namespace
} // namespace brelo

#pragma once

#include <QWidget>

#include <optional>

class QLineEdit;
class QToolButton;

namespace brelo {

struct SpinRange {
    int minimum = 0;
    int maximum = 100;
    int step = 1;
};

// The value a click leads to, or nothing when the click changes nothing.
// `shown` is the number the buddy field reads as (when it reads as one),
// `shownText` the field's exact text (empty without a buddy).
std::optional<int> spinTarget(const SpinRange &range, int ownValue, std::optional<double> shown,
                              bool hasBuddy, const QString &shownText, int direction);

// A pair of arrows that steps a whole number, optionally written into a buddy
// text box. A click steps from the number the buddy shows when it reads as one:
// up to the next whole number above it, down to the next below (12 gives 13 and
// 11, 45.5 gives 46 and 45; from outside the range it lands on the nearest
// bound), else from the arrows' own value; the arrows auto-repeat while held.
// Up and Down in the buddy step too.
class SpinButton : public QWidget {
    Q_OBJECT

public:
    SpinButton(SpinRange range, int value, char decimalSeparator, QWidget *parent = nullptr);

    void setBuddy(QLineEdit *buddy);
    QLineEdit *buddy() const { return buddy_; }

    int value() const { return value_; }
    const SpinRange &range() const { return range_; }

    QToolButton *upArrow() const { return up_; }
    QToolButton *downArrow() const { return down_; }

public slots:
    void stepUp() { stepBy(+1); }
    void stepDown() { stepBy(-1); }

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void stepBy(int direction);

    SpinRange range_;
    int value_;
    char decimalSeparator_;
    QLineEdit *buddy_ = nullptr;
    QToolButton *up_;
    QToolButton *down_;
};

} // namespace brelo

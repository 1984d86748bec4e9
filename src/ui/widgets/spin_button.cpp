#include "ui/widgets/spin_button.h"

#include "core/common/numeric_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace brelo {

namespace {

// The buddy's text as a number, when it reads as one (either decimal separator).
std::optional<double> numberIn(const QString &text, char decimalSeparator)
{
    const NumericText number = readNumber(text.toStdString(), decimalSeparator);
    return number.ok() ? std::optional(number.value) : std::nullopt;
}

} // namespace

std::optional<int> spinTarget(const SpinRange &range, int ownValue, std::optional<double> shown,
                              bool hasBuddy, const QString &shownText, int direction)
{
    // Up goes to the next whole step above the number shown, down to the next
    // below (45.5 gives 46 and 45), then into the range: down from a typed
    // 20000 lands on the maximum 10000. Worked in doubles, as a typed number
    // may lie far beyond an int.
    const double low = range.minimum;
    const double high = range.maximum;
    const double start = shown ? *shown : ownValue;
    const double stepped = direction > 0 ? std::floor(start) + range.step : std::ceil(start) - range.step;
    const int to = static_cast<int>(std::clamp(stepped, low, high));
    const double from = std::clamp(start, low, high);
    // At a bound the click does nothing, unless the field still has to be
    // brought to show that bound as a whole number.
    if (to == from && (!hasBuddy || shownText == QString::number(to)))
        return std::nullopt;
    return to;
}

SpinButton::SpinButton(SpinRange range, int value, char decimalSeparator, QWidget *parent)
    : QWidget(parent), range_(range), value_(value), decimalSeparator_(decimalSeparator),
      up_(new QToolButton(this)), down_(new QToolButton(this))
{
    for (QToolButton *arrow : {up_, down_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRaise(false);
    }
    up_->setObjectName(QStringLiteral("qt_spin_up"));
    down_->setObjectName(QStringLiteral("qt_spin_down"));
    connect(up_, &QToolButton::clicked, this, &SpinButton::stepUp);
    connect(down_, &QToolButton::clicked, this, &SpinButton::stepDown);
}

void SpinButton::setBuddy(QLineEdit *buddy)
{
    if (buddy_)
        buddy_->removeEventFilter(this);
    buddy_ = buddy;
    if (buddy_)
        buddy_->installEventFilter(this);
}

void SpinButton::stepBy(int direction)
{
    const QString shownText = buddy_ ? buddy_->text() : QString();
    const std::optional<double> shown = buddy_ ? numberIn(shownText, decimalSeparator_) : std::nullopt;
    const std::optional<int> target = spinTarget(range_, value_, shown, buddy_ != nullptr, shownText, direction);
    if (!target)
        return;
    value_ = *target;
    if (buddy_)
        buddy_->setText(QString::number(value_));
    emit changed();
}

bool SpinButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == buddy_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpinButton::resizeEvent(QResizeEvent *event)
{
    // Wider than tall: arrows side by side (down on the left); else stacked.
    const int w = width();
    const int h = height();
    if (w > h) {
        down_->setArrowType(Qt::LeftArrow);
        up_->setArrowType(Qt::RightArrow);
        down_->setGeometry(0, 0, w / 2, h);
        up_->setGeometry(w / 2, 0, w - w / 2, h);
    } else {
        up_->setArrowType(Qt::UpArrow);
        down_->setArrowType(Qt::DownArrow);
        up_->setGeometry(0, 0, w, h / 2);
        down_->setGeometry(0, h / 2, w, h - h / 2);
    }
    QWidget::resizeEvent(event);
}

} // namespace brelo

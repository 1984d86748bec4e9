#include "window_events.h"

#include "scenario.h"
#include "ui/widgets/spin_button.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace brelo::bench {

namespace {

constexpr int kWarmingEvents = 4;

class PaintCounter : public QObject {
public:
    explicit PaintCounter(long &count) : count_(count) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        count_ += event->type() == QEvent::Paint;
        return false;
    }

private:
    long &count_;
};

SpinButton *spin(Form1 &form, const char *name)
{
    return static_cast<SpinButton *>(scenario::control(form, QString::fromLatin1(name)));
}

} // namespace

QDateTime fixedClock() { return QDateTime(QDate(2026, 3, 6), QTime(9, 5), Qt::UTC); }

Session::Session(Event event) : event_(event), form_(std::make_unique<Form1>(&fixedClock))
{
    auto *tabs = static_cast<QTabWidget *>(scenario::control(*form_, QStringLiteral("SSTab1")));
    // Shown first: the click points come from the laid-out controls.
    form_->show();
    QApplication::processEvents();
    const auto arrows = [this](SpinButton *button) {
        targets_[0] = button->upArrow();
        targets_[1] = button->downArrow();
    };
    switch (event_) {
    case Event::Optics: arrows(spin(*form_, "UpDown3")); break;
    case Event::Ephemeris:
        tabs->setCurrentIndex(2);
        arrows(spin(*form_, "UpDown14"));
        break;
    case Event::PageChange:
        targets_[0] = targets_[1] = tabs->tabBar();
        break;
    }
    for (int i = 0; i < 2; ++i)
        points_[i] = targets_[i]->rect().center();
    if (event_ == Event::PageChange) {
        points_[0] = tabs->tabBar()->tabRect(2).center();
        points_[1] = tabs->tabBar()->tabRect(0).center();
    }
    QApplication::processEvents();
    for (int i = 0; i < kWarmingEvents; ++i)
        play();
    paintCounter_ = std::make_unique<PaintCounter>(picturePaints_);
    const char *picture = event_ == Event::Optics ? "Picture1" : "Picture3";
    scenario::control(*form_, QString::fromLatin1(picture))->installEventFilter(paintCounter_.get());
}

Session::~Session() = default;

void Session::play()
{
    QTest::mouseClick(targets_[turn_], Qt::LeftButton, Qt::NoModifier, points_[turn_]);
    QApplication::processEvents();
    turn_ = 1 - turn_;
}

Event eventNamed(const QString &name, bool *ok)
{
    *ok = true;
    if (name == QLatin1String("optics"))
        return Event::Optics;
    if (name == QLatin1String("ephemeris"))
        return Event::Ephemeris;
    *ok = name == QLatin1String("page");
    return Event::PageChange;
}

} // namespace brelo::bench

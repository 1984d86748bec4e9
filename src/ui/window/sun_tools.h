#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace brelo {

class DiscPositionTracker;
class DiscTemplateDialog;
class EphemerisPage;
class SunDayWindow;

// The observer's tools around the ephemeris page: the Sun's day window, the
// disc template dialog and the heliographic position under the mouse on the
// disc. The two windows open on the page's fields as they stand (the page runs
// first) and follow every later run.
class SunTools : public QObject {
    Q_OBJECT

public:
    using ShowStatus = std::function<void(const QString &)>;  // "" clears the status line

    SunTools(QWidget &window, EphemerisPage &page, ShowStatus showStatus, char decimalSeparator);

    void openSunDay();
    void openDiscTemplate();
    void discTurned();  // the zenith-up choice changed
    DiscPositionTracker &discPositions() const { return *positions_; }

private:
    void pageRan(bool succeeded);
    void showTemplateRun(bool succeeded);

    QWidget &window_;
    EphemerisPage &page_;
    char decimalSeparator_;
    DiscPositionTracker *positions_;
    SunDayWindow *sunDay_ = nullptr;
    DiscTemplateDialog *template_ = nullptr;
};

} // namespace brelo

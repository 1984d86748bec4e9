#pragma once

#include "ui/window/last_runs.h"

#include <QDateTime>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brelo {

class DesignTexts;
class FittedLabel;
class MessageLine;
class PictureArea;
class SpinButton;
class StaleResults;

// The "Ephémérides Solaires" page: the date, time and place (Frame4), the
// ten results (Frame6) and the solar disc (Picture3). Every event of the page
// runs the ephemeris, then the disc drawing.
class EphemerisPage : public QWidget {
    Q_OBJECT

public:
    // The current date and time in Universal Time, which "Maintenant" copies.
    using Clock = std::function<QDateTime()>;

    EphemerisPage(char decimalSeparator, MessageLine &messages, Clock clock, QWidget *parent = nullptr);
    ~EphemerisPage() override;

    void run();     // calculephem, then dessinephem
    void redraw();  // the disc of the last run again, computing nothing (after a zoom)
    void fillDateTimeFromClock();
    // The hour and minute fields set to a minute of the day (0 to 1439), then run().
    void setTimeOfDay(int minuteOfDay);

    // The disc as an alt-azimuth instrument shows it (zenith up) or as the sky
    // shows it (north up); a disc already drawn is drawn again the new way.
    void setDiscZenithUp(bool on);
    bool discZenithUp() const { return zenithUp_; }

    // The four position fields of the parameters file, in the file's order.
    std::array<QLineEdit *, 4> parameterBoxes() const;
    // The nine texts as they stand, and the observer's place.
    EphemerisInput fieldTexts() const;
    PictureArea &discPicture() const { return *picture3_; }

    const std::optional<EphemerisRun> &lastRun() const { return lastRun_; }
    float anglep() const { return anglep_; }
    std::optional<float> latb0() const { return latb0_; }
    bool resultsStale() const;

signals:
    void periodRequested();  // "Période…"
    void dayRequested();     // "Journée…"
    // After every run; lastRun() is this run's when it succeeded.
    void ran(bool succeeded);

private:
    void buildInputFrame();
    void buildResultFrame();
    void buildPicture();
    void showResults(const EphemerisResult &result);
    void tellFailure(const std::string &error);
    void showInstantLines(const EphemerisResult *result);
    QString rotationText(const EphemerisResult &result) const;
    void retell();
    void drawDisc();

    char decimalSeparator_;
    MessageLine &messages_;
    Clock clock_;
    DesignTexts *texts_;

    // Frame4, in the input's order: year, month, day, hour, minute, latitude
    // degrees and minutes, longitude degrees and minutes.
    std::array<QLineEdit *, 9> fields_{};
    std::array<SpinButton *, 9> spins_{};
    QPushButton *cmdmaint_ = nullptr;
    QPushButton *command2_ = nullptr;
    QPushButton *cmdperiode_ = nullptr;
    QPushButton *cmdjournee_ = nullptr;
    FittedLabel *localTime_ = nullptr;   // lblheureloc
    FittedLabel *carrington_ = nullptr;  // lblcarrington
    // Frame6, from lblad to lblksi.
    std::array<FittedLabel *, 10> results_{};
    PictureArea *picture3_ = nullptr;
    std::array<QLabel *, 4> compass_{};
    std::unique_ptr<StaleResults> stale_;

    float anglep_ = 0.0f;
    std::optional<float> latb0_;  // none before the first ephemeris
    float northZenith_ = 0.0f;    // q of the last ephemeris, for the zenith-up disc
    bool zenithUp_ = false;
    std::optional<EphemerisRun> lastRun_;
    std::optional<EphemerisInput> attempt_;  // what the last run read, successful or not
};

} // namespace brelo

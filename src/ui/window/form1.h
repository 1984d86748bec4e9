#pragma once

#include "ui/window/last_runs.h"
#include "ui/widgets/message_line.h"
#include "ui/widgets/stale_results.h"
#include "core/optics/calcul.h"
#include "core/formats/params_file.h"

#include <QDateTime>
#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace brelo {

class AboutPage;
class OneRowListView;
class PictureArea;
class SpinButton;
class YearlyListModel;

// The program's window: four pages of named controls and the table that ties
// each user event to the computations and drawings it runs.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // The current date and time in Universal Time, which the date and time
    // fields hold. Tests and the scenario driver inject a fixed one.
    using Clock = std::function<QDateTime()>;
    static QDateTime systemClock();

    // Runs the start-up sequence: design contents, brelo.dat from the working
    // directory (or the parameters file given), clock into the date and time
    // fields. Computes nothing.
    explicit Form1(Clock clock = &Form1::systemClock, QWidget *parent = nullptr,
                   const QString &parametersFile = QString());
    ~Form1() override;

    // Read-only views for the scenario driver and the tests. The About page's
    // controls are built at its first showing, or here when asked for.
    QWidget *control(const QString &name) const
    {
        QWidget *widget = controls_.value(name);
        return widget ? widget : waitingControl(name);
    }
    QStringList controlNames() const;
    const OpticalState &opticalState() const { return opticalState_; }
    float anglep() const { return anglep_; }
    std::optional<float> latb0() const { return latb0_; }
    QString shownMessage() const;  // the messages on the status line, "" when none
    // Results kept on screen, greyed, after a failed run.
    bool opticsStale() const;      // optics labels and lists
    bool layoutStale() const;      // Picture1
    bool ephemerisStale() const;   // ephemeris labels and Picture3
    QString startupMessage() const { return startupMessage_; }
    // Left edge in twips from the parent's inner left edge, as the drawing set it.
    double leftTwips(const QWidget *widget) const;
    int yearlyRuns() const;
    // The latest successful runs, for files, printing and the clipboard (the
    // optical run's yearly rows are written at the first asking).
    const std::optional<OpticsRun> &lastOptics() const;
    const std::optional<EphemerisRun> &lastEphemeris() const { return lastEphemeris_; }
    char decimalSeparator() const { return decimalSeparator_; }
    // The thirteen texts of the parameters file's boxes, in the file's order.
    ParamsFields parameterTexts() const;
    void setParameterTexts(const ParamsFields &texts);
    // The parameters file given at start-up, "" for brelo.dat in the working directory.
    QString parametersFile() const { return parametersFile_; }

    // The two halves of the event table.
    void runOptics();     // calcul, then dessin
    void runEphemeris();  // calculephem, then dessinephem
    // Draws both pictures again from the latest runs, computing nothing (after a zoom).
    void redrawPictures();

    // The disc as an alt-azimuth instrument shows it (zenith up) or as the sky
    // shows it (north up); a disc already drawn is drawn again the new way.
    void setDiscZenithUp(bool on);
    bool discZenithUp() const { return discZenithUp_; }

signals:
    void pageBuilt(QWidget *contents);  // a waiting page's controls exist from now on

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *waitingControl(const QString &name) const;
    void addControls(QWidget *root);
    QLineEdit *box(const char *name) const;
    std::string text(const char *name) const;
    void loadParameters();
    void buildStaleResults();
    void fillDateTimeFromClock();
    void connectEvents();
    void copyO3ToO3b();
    void setO3bEditable(bool editable);
    void chko3Clicked();
    void showNewestRun(OneRowListView *list);
    bool drawLayout();
    void moveElementLabels(const LayoutLabelEdges &edges);
    void showRemark(const Remark &remark);
    void showFailure(MessageLine::Source source, StaleResults &results, StaleResults::Extent extent,
                     const QString &message);
    void showSuccess(MessageLine::Source source, StaleResults &results);
    void drawDisc();

    Clock clock_;
    char decimalSeparator_;
    QHash<QString, QWidget *> controls_;
    YearlyListModel *listdiam_;
    YearlyListModel *listdimfoy_;
    PictureArea *picture1_ = nullptr;
    PictureArea *picture3_ = nullptr;
    QLabel *lblrem_ = nullptr;
    std::optional<Remark> shownRemark_;  // the last one showRemark wrote
    QTabWidget *tabs_ = nullptr;
    QWidget *ephemerisPage_ = nullptr;
    AboutPage *aboutPage_ = nullptr;
    MessageLine *messages_ = nullptr;
    std::unique_ptr<StaleResults> opticsResults_;
    std::unique_ptr<StaleResults> ephemerisResults_;
    QCheckBox *chko3_ = nullptr;
    QCheckBox *chkchem_ = nullptr;
    SpinButton *updownech_ = nullptr;

    OpticalState opticalState_;
    float anglep_ = 0.0f;
    std::optional<float> latb0_;  // none before the first ephemeris
    float northZenith_ = 0.0f;    // q of the last ephemeris, for the zenith-up disc
    bool discZenithUp_ = false;
    QString startupMessage_;
    QString parametersFile_;
    mutable std::optional<OpticsRun> lastOptics_;  // rows written when first asked for
    std::optional<EphemerisRun> lastEphemeris_;
    // The element labels' left edges in twips, as the last layout drawing
    // placed them (a dynamic property would send each label an event per run).
    QHash<const QWidget *, double> elementLeftTwips_;
};

} // namespace brelo

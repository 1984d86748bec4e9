#pragma once

#include "ui/window/page_results.h"

#include <QDateTime>
#include <QMainWindow>

#include <functional>

class QTabWidget;

namespace brelo {

class AboutPage;
class ConstructionPage;
class DesignTexts;
class DocPage;
class EphemerisPage;
class FileMenu;
class MessageLine;
class OpticsPage;
class PeriodDialog;
class SunTools;

// The program's window: the five pages in their tab control, the menus, the
// message line, and the table that ties the window's own events (the Enter
// key, a change of page) to the pages' computations.
class Form1 : public QMainWindow, public PageResults, public ParameterFields {
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

    OpticsPage &opticsPage() const { return *optics_; }
    EphemerisPage &ephemerisPage() const { return *ephemeris_; }
    ConstructionPage &constructionPage() const { return *construction_; }
    DocPage &docPage() const { return *doc_; }
    QTabWidget &tabs() const { return *tabs_; }

    QString shownMessage() const;  // the messages on the status line, "" when none
    QString startupMessage() const { return startupMessage_; }
    QString parametersFile() const { return parametersFile_; }

    // The two halves of the event table.
    void runOptics();     // calcul, then dessin
    void runEphemeris();  // calculephem, then dessinephem
    // Draws both pictures again from the latest runs, computing nothing (after a zoom).
    void redrawPictures();

    // The disc turned zenith up (an alt-azimuth instrument's view) or north up.
    void setDiscZenithUp(bool on);

    std::optional<ResultsPage> shownResultsPage() const override;
    const std::optional<OpticsRun> &lastOptics() const override;
    const std::optional<EphemerisRun> &lastEphemeris() const override;
    bool shownRunFailed() const override;
    bool discZenithUp() const override;
    PainterCanvas::ColorOf pictureColors() const override;
    double pictureZoom() const override;
    char decimalSeparator() const override { return decimalSeparator_; }

    ParamsFields parameterTexts() const override;
    void setParameterTexts(const ParamsFields &texts) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void loadParameters();
    void openPeriodTable();

    char decimalSeparator_;
    QString parametersFile_;
    DesignTexts *texts_;
    QString startupMessage_;
    std::function<QString()> startupMessageAgain_;
    MessageLine *messages_;
    QTabWidget *tabs_;
    OpticsPage *optics_;
    DocPage *doc_;
    EphemerisPage *ephemeris_;
    AboutPage *about_;
    ConstructionPage *construction_;
    FileMenu *fileMenu_ = nullptr;
    PeriodDialog *periodDialog_ = nullptr;
    SunTools *sunTools_ = nullptr;
};

} // namespace brelo

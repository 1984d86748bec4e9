#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QPrinter;
class QWidget;

namespace brelo {

class PageResults;
class ParameterFields;
struct ResultsText;

// The "Fichier" menu: parameters files in and out, the page's drawing and
// results out to files, the printer and the clipboard; and F1 for the help
// page. It reads the parameter boxes and the latest runs, never the widgets.
class FileMenu : public QObject {
    Q_OBJECT

public:
    // `window` is the parent of the dialogs; `parametersFile` the file given at
    // start-up ("" for brelo.dat in the working directory); `recompute` runs
    // both pages' computations and drawings, as a change of page does.
    FileMenu(QWidget &window, ParameterFields &fields, const PageResults &results, QString parametersFile,
             std::function<void()> showHelp, std::function<void()> recompute);

    // Fills the "Fichier" and "Aide" menus with their items.
    void fill(QMenu &fileMenu, QMenu &helpMenu);

    // The parameters file that Ctrl+S writes: the one last opened or saved, or
    // brelo.dat in the working directory.
    QString parametersPath() const;

    void openParameters();
    void saveParameters();
    void saveParametersAs();
    void exportDrawing();
    void exportResults();
    void print();
    void printPreview();
    void copyResults();

    // Items that need a page with results are enabled on those pages only.
    void pageChanged();

private:
    bool writeParameters(const QString &path);
    bool refuseFailedRun();
    bool readyToPrint();
    std::optional<ResultsText> shownResults(QString *reason) const;
    void paintPage(QPrinter &printer);
    QString suggestedPath(const QString &fileName) const;

    QWidget &window_;
    ParameterFields &fields_;
    const PageResults &results_;
    QString parametersPath_;
    std::function<void()> showHelp_;
    std::function<void()> recompute_;
    std::vector<QAction *> pageActions_;
    QAction *whitePaper_ = nullptr;  // the drawing printed on white
};

} // namespace brelo

#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class QAction;
class QPrinter;

namespace brelo {

class Form1;
struct ResultsText;

// The "Fichier" menu: parameters files in and out, the page's drawing and
// results out to files, the printer and the clipboard; and F1 for the help
// page. Built once; Form1 only calls installFileMenu.
class FileMenu : public QObject {
    Q_OBJECT

public:
    explicit FileMenu(Form1 &form);

    // The parameters file that Ctrl+S writes: the one last opened or saved, or
    // brelo.dat in the working directory.
    QString parametersPath() const;

    void openParameters();
    void saveParameters();
    void saveParametersAs();
    void exportDrawing();
    void exportResults();
    bool readyToPrint();
    void print();
    void printPreview();
    void copyResults();
    void showHelp();

    // Items that need a page with results are enabled on those pages only.
    void addPageAction(QAction *action) { pageActions_.push_back(action); }
    void pageChanged();

private:
    bool writeParameters(const QString &path);
    std::optional<ResultsText> shownResults(QString *reason) const;
    void paintPage(QPrinter &printer);
    QString suggestedPath(const QString &fileName) const;

    Form1 &form_;
    QString parametersPath_;
    std::vector<QAction *> pageActions_;
};

// Puts "Fichier" before "Quitter" in the window's menu bar.
FileMenu *installFileMenu(Form1 &form);

} // namespace brelo

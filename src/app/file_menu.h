#pragma once

#include <QObject>
#include <QString>

namespace brelo {

class Form1;

// The "Fichier" menu: parameters files in and out, the page's drawing and
// results out to files, the printer and the clipboard. Built once; Form1 only
// calls installFileMenu.
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

private:
    bool writeParameters(const QString &path);

    Form1 &form_;
    QString parametersPath_;
};

// Puts "Fichier" before "Quitter" in the window's menu bar.
FileMenu *installFileMenu(Form1 &form);

} // namespace brelo

#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace brelo {

// What the file menu asks the user, and what the user answered. The window asks
// through real dialogs; the scenario driver replaces them with its own answers.
struct FileQuestion {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString caption;
    QString suggestedPath;
    QStringList filters;  // "Image PNG (*.png)", …; the first is preselected
};

struct FileAnswer {
    QString path;
    QString filter;  // the filter the user left selected
};

struct FileDialogs {
    std::function<std::optional<FileAnswer>(QWidget *parent, const FileQuestion &question)> chooseFile;
    std::function<bool(QWidget *parent, QPrinter &printer)> choosePrinter;  // false: cancelled
    std::function<void(QWidget *parent, const QString &message, bool failure)> tell;
};

// The real dialogs: QFileDialog, QPrintDialog, a warning box for failures and
// the status bar for the rest.
FileDialogs standardFileDialogs();

// A name without extension gets `extension` ("pdf"), which the open dialogs'
// filters then show; a folder's name is left as it is, for the writer to refuse.
QString withExtension(const QString &path, const char *extension);

// The dialogs the file menu uses from now on.
void setFileDialogs(FileDialogs dialogs);
const FileDialogs &fileDialogs();

} // namespace brelo

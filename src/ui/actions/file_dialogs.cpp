#include "ui/actions/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

namespace brelo {

namespace {

std::optional<FileAnswer> askWithFileDialog(QWidget *parent, const FileQuestion &question)
{
    QString filter = question.filters.value(0);
    const QString joined = question.filters.join(QStringLiteral(";;"));
    const QString path = question.kind == FileQuestion::Kind::Open
                             ? QFileDialog::getOpenFileName(parent, question.caption, question.suggestedPath, joined, &filter)
                             : QFileDialog::getSaveFileName(parent, question.caption, question.suggestedPath, joined, &filter);
    if (path.isEmpty())
        return std::nullopt;
    return FileAnswer{path, filter};
}

bool askWithPrintDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void tellUser(QWidget *parent, const QString &message, bool failure)
{
    if (failure) {
        QMessageBox::warning(parent, QStringLiteral("BRELO"), message);
        return;
    }
    if (auto *window = qobject_cast<QMainWindow *>(parent ? parent->window() : nullptr))
        window->statusBar()->showMessage(message, 8000);
}

FileDialogs &current()
{
    static FileDialogs dialogs = standardFileDialogs();
    return dialogs;
}

} // namespace

FileDialogs standardFileDialogs() { return {askWithFileDialog, askWithPrintDialog, tellUser}; }

void setFileDialogs(FileDialogs dialogs) { current() = std::move(dialogs); }

const FileDialogs &fileDialogs() { return current(); }

QString withExtension(const QString &path, const char *extension)
{
    const QFileInfo file(path);
    return file.suffix().isEmpty() && !file.isDir() ? path + QLatin1Char('.') + QLatin1String(extension) : path;
}

} // namespace brelo

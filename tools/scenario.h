#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace brelo {
class Form1;
}

namespace brelo::scenario {

// A command the user could not have given: unknown command or control, or a
// control that is hidden or disabled. Nothing has been done when it is thrown.
class ScriptError {
public:
    explicit ScriptError(QString message) : message_(std::move(message)) {}
    const QString &message() const { return message_; }

private:
    QString message_;
};

// Replaces the file menu's dialogs: a file dialog or the print dialog takes the
// next path given by "answer" (none left: the user cancels), and what the menu
// tells the user is kept for the dump.
void answerDialogsFromScript();

// Acts out one script line (type, click, up, down, key, tab, snap, menu,
// answer, dump) with
// real Qt events; dump prints one JSON line on standard output.
void run(Form1 &form, const QString &line);

// Every named control's state, the window's state and the message shown.
QJsonObject dump(const Form1 &form);

// The driver's table of the window's controls, by the names the window gives
// them (its objectName); null for a name it does not have.
QWidget *control(const Form1 &form, const QString &name);
QStringList controlNames(const Form1 &form);

} // namespace brelo::scenario

#pragma once

#include "ui/actions/template_sheet.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brelo {

class DesignTexts;
class DiscPositionTracker;
class TemplatePreview;

// "Gabarit du disque": the true diameter of a disc template to print for the
// instant of the latest ephemeris run, its preview (the heliographic position
// under the mouse beneath it) and the lines printed under the disc; printed at
// true size or exported as PDF.
class DiscTemplateDialog : public QDialog {
    Q_OBJECT

public:
    explicit DiscTemplateDialog(char decimalSeparator, QWidget *parent = nullptr);

    // The latest successful run and the disc's view, or none when the page's
    // last run failed.
    void showRun(const EphemerisRun *run, bool zenithUp);

    // The sheet for the diameter typed, or the French message why there is none.
    Outcome<TemplateSheet> sheet() const;
    void print();
    bool exportPdf(const QString &path);
    QString message() const;

private:
    void refresh();
    void chooseExportFile();
    // The text is written again in another language.
    void say(std::function<QString()> text, bool failure);

    char decimalSeparator_;
    std::optional<EphemerisRun> run_;
    bool zenithUp_ = false;
    bool pageFailed_ = false;
    std::function<QString()> said_;  // what the last print or export said
    bool saidFailure_ = false;
    QLineEdit *diameter_;
    TemplatePreview *preview_;
    QLabel *position_;
    QLabel *heading_;
    QLabel *message_;
    QPushButton *print_;
    QPushButton *export_;
};

} // namespace brelo

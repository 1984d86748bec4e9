#pragma once

#include "ui/doc/doc_address.h"

#include <QString>
#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace brelo {

// The "Doc HTML" page: four buttons that open a help page, the address box
// Txturl with its button Cmdurl, and the viewer WebBrowser1, hidden until the
// first click. The viewer behaves as a small browser: typed addresses, links,
// Back and Forward (Alt+Left, Alt+Right, the mouse's side buttons).
class DocPage : public QWidget {
    Q_OBJECT

public:
    explicit DocPage(QWidget *parent = nullptr, QString installedHelpDir = installedHelpDirectory());

    // The address of what the viewer shows: "About:Blank" at first.
    QString address() const { return address_; }
    bool viewerShown() const;
    bool canGoBack() const { return current_ > 0; }
    bool canGoForward() const { return current_ + 1 < history_.size(); }

    void goBack();
    void goForward();
    void openHelp();  // as a click on "AIDE DU PROGRAMME": the help page in the language in use

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openPage(const QString &fileName);  // Cmdpage1..3_Click, Cmdpageaide_Click
    void openTyped();                        // Cmdurl_Click, Enter in Txturl
    void visit(const DocAddress &address);   // shows it and makes it the newest history entry
    void display(const DocAddress &address);
    void showMissing(const DocAddress &address);
    void showText(const QString &path);
    void showNotice(const QString &title, const QString &body);  // a page of the program's own
    void followLink(const QUrl &link);
    void openInUsersBrowser(const QUrl &url);
    bool sideButton(QMouseEvent *event);
    void retell();

    QLineEdit *txturl_ = nullptr;
    QLabel *label13_ = nullptr;
    QTextBrowser *browser_ = nullptr;
    QString installedHelpDir_;
    QString address_;
    QString shownFile_;      // base of relative links; empty while no file is shown
    QList<DocAddress> history_;  // addresses visited, oldest first
    qsizetype current_ = -1; // the entry shown
};

} // namespace brelo

#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace brelo {

// The "Doc HTML" page: four buttons that open a help page looked up in the
// working directory, a button that empties the viewer, the address box Txturl
// and the viewer WebBrowser1, hidden until the first click.
class DocPage : public QWidget {
    Q_OBJECT

public:
    explicit DocPage(QWidget *parent = nullptr);

    // The address the viewer shows: the last one opened, "About:Blank" at first.
    QString address() const { return address_; }
    bool viewerShown() const;

private:
    void openPage(const QString &fileName);  // Cmdpage1..3_Click, Cmdpageaide_Click
    void openBlank();                        // Cmdurl_Click
    void navigate(const QString &address);
    void showLocalPage(const QUrl &url);
    void showMissing(const QString &path);
    void followLink(const QUrl &link);

    QLineEdit *txturl_ = nullptr;
    QLabel *label13_ = nullptr;
    QTextBrowser *browser_ = nullptr;
    QString address_;
    QUrl shownPage_;  // base of relative links; empty while no page is shown
};

} // namespace brelo

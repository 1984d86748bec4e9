#include "shell/doc_page.h"

#include "common/twips_rect.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBrowser>

namespace brelo {

namespace {

const QString kBlankAddress = QStringLiteral("About:Blank");

struct PageButton {
    const char *name;
    const char *caption;
    int left, top, width, height;  // twips, relative to the tab control
    const char *fileName;
};

constexpr PageButton kPageButtons[] = {
    {"Cmdpageaide", "AIDE DU PROGRAMME", 120, 420, 1335, 495, "breloaide.htm"},
    {"Cmdpage1", "Construction du Coronographe", 1440, 420, 1515, 495, "construbrelo.htm"},
    {"Cmdpage2", "Construction du 1er Prototype", 2940, 420, 1455, 495, "brelo1.htm"},
    {"Cmdpage3", "Construction de la seconde version", 4380, 420, 1395, 495, "brelo2.htm"},
};

// A push button whose caption wraps onto several lines and, if it still does
// not fit, takes a smaller font: the page's buttons are narrow for their captions
// in most fonts. text() stays the caption as given.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect box = rect().adjusted(2, 1, -2, -1);
        painter.setFont(fittedFont(box));
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(box, kTextFlags, text());
    }

private:
    static constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;

    QFont fittedFont(const QRect &box) const
    {
        constexpr qreal kSmallestPoints = 6.0;
        QFont fitted = font();
        for (qreal points = fitted.pointSizeF(); points >= kSmallestPoints; points -= 0.25) {
            fitted.setPointSizeF(points);
            const QRect needed = QFontMetrics(fitted).boundingRect(box, kTextFlags, text());
            if (needed.width() <= box.width() && needed.height() <= box.height())
                break;
        }
        return fitted;
    }
};

bool isExternal(const QUrl &url)
{
    return !url.scheme().isEmpty() && !url.isLocalFile();
}

} // namespace

DocPage::DocPage(QWidget *parent) : QWidget(parent), address_(kBlankAddress)
{
    for (const PageButton &page : kPageButtons) {
        auto *button = new WrappingButton(QString::fromUtf8(page.caption), this);
        button->setObjectName(QString::fromUtf8(page.name));
        button->setGeometry(pageRect(page.left, page.top, page.width, page.height));
        const QString fileName = QString::fromUtf8(page.fileName);
        connect(button, &QPushButton::clicked, this, [this, fileName] { openPage(fileName); });
    }

    auto *cmdurl = new WrappingButton(QStringLiteral("Ouvrir le fichier HTML:"), this);
    cmdurl->setObjectName(QStringLiteral("Cmdurl"));
    cmdurl->setGeometry(pageRect(6060, 600, 1755, 255));
    connect(cmdurl, &QPushButton::clicked, this, &DocPage::openBlank);

    txturl_ = new QLineEdit(kBlankAddress, this);
    txturl_->setObjectName(QStringLiteral("Txturl"));
    txturl_->setGeometry(pageRect(7860, 555, 3615, 345));

    label13_ = new QLabel(QStringLiteral("Choisissez une rubrique ci dessus..."), this);
    label13_->setObjectName(QStringLiteral("Label13"));
    label13_->setGeometry(pageRect(180, 1220, 4875, 435));
    QFont labelFont = label13_->font();
    labelFont.setPointSizeF(13.5);
    label13_->setFont(labelFont);

    // Links are followed by hand: pages of the working directory in the viewer,
    // anything on the web in the user's browser.
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("WebBrowser1"));
    browser_->setGeometry(pageRect(120, 1040, 11535, 6675));
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    browser_->raise();  // covers Label13 once shown
    browser_->hide();
    connect(browser_, &QTextBrowser::anchorClicked, this, &DocPage::followLink);
}

bool DocPage::viewerShown() const
{
    return !browser_->isHidden();
}

void DocPage::openPage(const QString &fileName)
{
    browser_->show();
    // The working directory is read at each click; the root already ends in "/".
    QString directory = QDir::currentPath();
    if (!directory.endsWith(QLatin1Char('/')))
        directory += QLatin1Char('/');
    txturl_->setText(QDir::toNativeSeparators(directory + fileName));
    navigate(txturl_->text());
}

void DocPage::openBlank()
{
    browser_->show();
    txturl_->setText(kBlankAddress);
    navigate(txturl_->text());
}

void DocPage::navigate(const QString &address)
{
    address_ = address;
    if (address.compare(kBlankAddress, Qt::CaseInsensitive) == 0) {
        shownPage_.clear();
        browser_->clear();
        return;
    }
    showLocalPage(QUrl::fromLocalFile(QDir::fromNativeSeparators(address)));
}

void DocPage::showLocalPage(const QUrl &url)
{
    // QTextBrowser shows a blank page for a missing file, and would block on a
    // FIFO: only regular files go to it.
    const QString path = url.toLocalFile();
    if (!QFileInfo(path).isFile()) {
        showMissing(QDir::toNativeSeparators(path));
        return;
    }
    shownPage_ = url;
    browser_->setSource(url);
}

void DocPage::showMissing(const QString &path)
{
    shownPage_.clear();
    QString html = QStringLiteral("<h3>Page introuvable</h3>"
                                  "<p>Le fichier <b>%1</b> n'existe pas.</p>"
                                  "<p>Les pages d'aide sont cherchées dans le dossier de travail du "
                                  "programme : lancez BRELO depuis le dossier qui les contient.</p>")
                       .arg(path.toHtmlEscaped());
    const QString installed = QStringLiteral(BRELO_INSTALLED_DOC_DIR "/") + QFileInfo(path).fileName();
    if (QFileInfo(installed).isFile() && QFileInfo(installed) != QFileInfo(path)) {
        html += QStringLiteral("<p>Une copie installée existe : <a href=\"%1\">%2</a></p>")
                    .arg(QUrl::fromLocalFile(installed).toString(QUrl::FullyEncoded),
                         installed.toHtmlEscaped());
    }
    browser_->setHtml(html);
}

void DocPage::followLink(const QUrl &link)
{
    if (isExternal(link)) {
        QDesktopServices::openUrl(link);
        return;
    }
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment()) {
        browser_->scrollToAnchor(link.fragment());
        return;
    }
    const QUrl target = shownPage_.isEmpty() ? link : shownPage_.resolved(link);
    if (!target.isLocalFile()) {
        QDesktopServices::openUrl(target);
        return;
    }
    address_ = QDir::toNativeSeparators(target.toLocalFile());
    showLocalPage(target);
}

} // namespace brelo

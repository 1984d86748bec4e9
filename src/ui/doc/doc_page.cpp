#include "ui/doc/doc_page.h"

#include "ui/doc/doc_file_kind.h"
#include "language/language.h"
#include "ui/widgets/design_texts.h"
#include "ui/widgets/twips_rect.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBrowser>

#include <algorithm>
#include <iterator>

namespace brelo {

namespace {

struct PageButton {
    const char *name;
    const char *caption;
    int left, top, width, height;  // twips, relative to the tab control
    const char *fileName;
};

// The help page is written in each language; the build pages are French only.
constexpr PageButton kPageButtons[] = {
    {"Cmdpageaide", QT_TRANSLATE_NOOP("brelo::DocPage", "AIDE DU PROGRAMME"), 120, 420, 1335, 495, nullptr},
    {"Cmdpage1", QT_TRANSLATE_NOOP("brelo::DocPage", "Construction du Coronographe"), 1440, 420, 1515, 495,
     "construbrelo.htm"},
    {"Cmdpage2", QT_TRANSLATE_NOOP("brelo::DocPage", "Construction du 1er Prototype"), 2940, 420, 1455, 495,
     "brelo1.htm"},
    {"Cmdpage3", QT_TRANSLATE_NOOP("brelo::DocPage", "Construction de la seconde version"), 4380, 420, 1395, 495,
     "brelo2.htm"},
};
const QString kHelpPages[] = {QStringLiteral("breloaide.htm"), QStringLiteral("breloaide_en.htm")};

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

// QTextBrowser keeps a history of its own and walks it on Alt+Left/Alt+Right
// when it has the focus; those walks go through the page's history instead, so
// that every page shown has passed the page's checks.
class Viewer : public QTextBrowser {
public:
    explicit Viewer(DocPage *page) : QTextBrowser(page), page_(page) {}

    void backward() override { page_->goBack(); }
    void forward() override { page_->goForward(); }
    void home() override {}

private:
    DocPage *page_;
};

} // namespace

DocPage::DocPage(QWidget *parent, QString installedHelpDir)
    : QWidget(parent), installedHelpDir_(std::move(installedHelpDir)), address_(kBlankAddress)
{
    auto *texts = new DesignTexts("brelo::DocPage", this);
    for (const PageButton &page : kPageButtons) {
        auto *button = new WrappingButton(this);
        texts->keep(button, page.caption);
        button->setObjectName(QString::fromUtf8(page.name));
        button->setGeometry(pageRect(page.left, page.top, page.width, page.height));
        const char *fileName = page.fileName;
        connect(button, &QPushButton::clicked, this,
                [this, fileName] { fileName ? openPage(QString::fromLatin1(fileName)) : openHelp(); });
    }

    auto *cmdurl = new WrappingButton(this);
    texts->keep(cmdurl, QT_TR_NOOP("Ouvrir le fichier HTML:"));
    cmdurl->setObjectName(QStringLiteral("Cmdurl"));
    cmdurl->setGeometry(pageRect(6060, 600, 1755, 255));
    connect(cmdurl, &QPushButton::clicked, this, &DocPage::openTyped);

    txturl_ = new QLineEdit(this);
    txturl_->setText(kBlankAddress);  // shaped in the page's font only, not first in the default one
    txturl_->setObjectName(QStringLiteral("Txturl"));
    txturl_->setGeometry(pageRect(7860, 555, 3615, 345));
    connect(txturl_, &QLineEdit::returnPressed, this, &DocPage::openTyped);

    label13_ = new QLabel(this);
    texts->keep(label13_, QT_TR_NOOP("Choisissez une rubrique ci dessus..."));
    label13_->setObjectName(QStringLiteral("Label13"));
    label13_->setGeometry(pageRect(180, 1220, 4875, 435));
    QFont labelFont = label13_->font();
    labelFont.setPointSizeF(13.5);
    label13_->setFont(labelFont);

    // Links are followed by hand: local pages in the viewer after the same checks
    // as typed addresses, anything on the web in the user's browser.
    browser_ = new Viewer(this);
    browser_->setObjectName(QStringLiteral("WebBrowser1"));
    browser_->setGeometry(pageRect(120, 1040, 11535, 6675));
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    browser_->raise();  // covers Label13 once shown
    browser_->hide();
    browser_->viewport()->installEventFilter(this);
    connect(browser_, &QTextBrowser::anchorClicked, this, &DocPage::followLink);

    auto *back = new QShortcut(this);
    back->setKeys({QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Back)});
    back->setContext(Qt::WidgetWithChildrenShortcut);
    connect(back, &QShortcut::activated, this, &DocPage::goBack);
    auto *forward = new QShortcut(this);
    forward->setKeys({QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::Key_Forward)});
    forward->setContext(Qt::WidgetWithChildrenShortcut);
    connect(forward, &QShortcut::activated, this, &DocPage::goForward);
    connect(texts, &DesignTexts::retranslated, this, &DocPage::retell);
}

// The page shown in the language now in use: the help page in its own, the
// program's notices written again.
void DocPage::retell()
{
    if (current_ < 0)
        return;
    const QString shown = QFileInfo(shownFile_).fileName();
    if (std::find(std::begin(kHelpPages), std::end(kHelpPages), shown) != std::end(kHelpPages))
        openHelp();
    else if (shownFile_.isEmpty())
        display(history_.at(current_));
}

bool DocPage::viewerShown() const
{
    return !browser_->isHidden();
}

void DocPage::openPage(const QString &fileName)
{
    // The working directory is read at each click.
    visit(helpPageAddress(fileName, QDir::currentPath(), installedHelpDir_));
}

// The help page in the language in use; the French one when the English is missing.
void DocPage::openHelp()
{
    const QString folder = QDir::currentPath();
    DocAddress address = helpPageAddress(kHelpPages[currentLanguage() == Language::English ? 1 : 0], folder,
                                         installedHelpDir_);
    if (!QFileInfo(QDir::fromNativeSeparators(address.target)).isFile())
        address = helpPageAddress(kHelpPages[0], folder, installedHelpDir_);
    visit(address);
}

void DocPage::openTyped()
{
    const DocAddress typed = readAddress(txturl_->text(), QDir::currentPath());
    if (typed.kind != DocAddress::Kind::Web) {
        visit(typed);
        return;
    }
    // The viewer is no web browser: the user's own browser opens the address,
    // and the box keeps it as typed.
    browser_->show();
    openInUsersBrowser(QUrl(typed.target));
}

void DocPage::visit(const DocAddress &address)
{
    history_.resize(current_ + 1);
    history_.append(address);
    current_ = history_.size() - 1;
    display(address);
}

void DocPage::goBack()
{
    if (!canGoBack())
        return;
    display(history_.at(--current_));
}

void DocPage::goForward()
{
    if (!canGoForward())
        return;
    display(history_.at(++current_));
}

void DocPage::display(const DocAddress &address)
{
    browser_->show();
    address_ = address.text();
    txturl_->setText(address_);
    shownFile_.clear();
    if (address.kind != DocAddress::Kind::Local) {
        browser_->clear();
        return;
    }
    // QTextBrowser shows a blank page for a missing file, and would block on a
    // FIFO: only regular files go to it.
    const QString path = QDir::fromNativeSeparators(address.target);
    if (!QFileInfo(path).isFile()) {
        showMissing(address);
        return;
    }
    // Only pages and texts: a program would show as garbage, and QTextBrowser
    // would read a plain text as HTML, all its lines run into one paragraph.
    switch (docFileKind(path)) {
    case DocFileKind::Html: {
        shownFile_ = path;
        QUrl url = QUrl::fromLocalFile(path);
        if (!address.fragment.isEmpty())
            url.setFragment(address.fragment);
        browser_->setSource(url);
        return;
    }
    case DocFileKind::Text:
        showText(path);
        return;
    case DocFileKind::Other:
        showNotice(tr("Pas une page HTML"), tr("<p>« <b>%1</b> » n'est pas une page HTML.</p><p>Cette page n'ouvre que "
                                                "les pages HTML et les fichiers texte.</p>")
                                                 .arg(address.target.toHtmlEscaped()));
        return;
    }
}

void DocPage::showText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showNotice(tr("Lecture impossible"), tr("<p>« <b>%1</b> » ne peut pas être lu : %2.</p>")
                                                 .arg(QDir::toNativeSeparators(path).toHtmlEscaped(),
                                                      file.errorString().toHtmlEscaped()));
        return;
    }
    browser_->setPlainText(QString::fromUtf8(file.readAll()));
}

void DocPage::showNotice(const QString &title, const QString &body)
{
    browser_->setHtml(QStringLiteral("<html><head><title>%1</title></head><body><h3>%1</h3>%2</body></html>")
                          .arg(title.toHtmlEscaped(), body));
}

void DocPage::showMissing(const DocAddress &address)
{
    QString body = tr("<p>Le fichier <b>%1</b> est introuvable.</p>").arg(address.target.toHtmlEscaped());
    if (!address.searched.isEmpty()) {
        // The folders a page button really looked in, in order.
        body += tr("<p>Cette page d'aide a été cherchée dans :</p>") + QStringLiteral("<ul>");
        for (const QString &folder : address.searched)
            body += QStringLiteral("<li>%1</li>").arg(folder.toHtmlEscaped());
        body += QStringLiteral("</ul>");
    }
    showNotice(tr("Page introuvable"), body);
}

void DocPage::followLink(const QUrl &link)
{
    const QUrl target = shownFile_.isEmpty() ? link : QUrl::fromLocalFile(shownFile_).resolved(link);
    if (!target.isLocalFile()) {
        openInUsersBrowser(target);
        return;
    }
    visit({DocAddress::Kind::Local, QDir::toNativeSeparators(target.toLocalFile()), target.fragment(), {}});
}

void DocPage::openInUsersBrowser(const QUrl &url)
{
    if (QDesktopServices::openUrl(url))
        return;
    // Nothing to hand the address to: say so rather than do nothing. This page
    // is no address of its own, so it enters no history.
    shownFile_.clear();
    showNotice(tr("Navigateur introuvable"), tr("<p>BRELO n'affiche pas les pages Internet et n'a pas pu ouvrir "
                                                "<b>%1</b> dans votre navigateur.</p>")
                                                 .arg(url.toDisplayString().toHtmlEscaped()));
}

bool DocPage::sideButton(QMouseEvent *event)
{
    if (event->button() == Qt::BackButton)
        goBack();
    else if (event->button() == Qt::ForwardButton)
        goForward();
    else
        return false;
    return true;
}

void DocPage::mouseReleaseEvent(QMouseEvent *event)
{
    if (!sideButton(event))
        QWidget::mouseReleaseEvent(event);
}

bool DocPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == browser_->viewport() && event->type() == QEvent::MouseButtonRelease &&
        sideButton(static_cast<QMouseEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

} // namespace brelo

#include "ui/doc/doc_page.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

namespace brelo {
namespace {

// Runs a test in a directory of its own, as the program runs in its working directory.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const QString &path) : previous_(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

class LinkCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class DocPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        page_.resize(800, 560);
        page_.show();
        page_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page_));
    }

    void writePage(const QString &name, const QByteArray &html)
    {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html);
    }

    template <class T>
    T *control(const char *name)
    {
        T *widget = page_.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void click(const char *button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    QString address() { return control<QLineEdit>("Txturl")->text(); }
    QString shownText() { return control<QTextBrowser>("WebBrowser1")->toPlainText(); }
    QString expectedPath(const QString &fileName) { return QDir::toNativeSeparators(dir_.path() + "/" + fileName); }

    QTemporaryDir dir_;
    WorkingDirectory cwd_{dir_.path()};
    DocPage page_;
};

struct ControlCase {
    const char *name;
    const char *caption;
    QRect pixels;  // twips / 15, tab strip (390 twips) taken off the top
};

TEST_F(DocPageTest, ControlsHaveTheirCaptionsAndPlaces)
{
    const ControlCase buttons[] = {
        {"Cmdpageaide", "AIDE DU PROGRAMME", QRect(8, 2, 89, 33)},
        {"Cmdpage1", "Construction du Coronographe", QRect(96, 2, 101, 33)},
        {"Cmdpage2", "Construction du 1er Prototype", QRect(196, 2, 97, 33)},
        {"Cmdpage3", "Construction de la seconde version", QRect(292, 2, 93, 33)},
        {"Cmdurl", "Ouvrir le fichier HTML:", QRect(404, 14, 117, 17)},
    };
    for (const ControlCase &c : buttons) {
        const QPushButton *button = control<QPushButton>(c.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text().toStdString(), c.caption);
        EXPECT_EQ(button->geometry(), c.pixels) << c.name;
    }
    EXPECT_EQ(control<QLineEdit>("Txturl")->geometry(), QRect(524, 11, 241, 23));
    EXPECT_EQ(control<QLabel>("Label13")->geometry(), QRect(12, 55, 325, 29));
    EXPECT_EQ(control<QTextBrowser>("WebBrowser1")->geometry(), QRect(8, 43, 769, 445));
    EXPECT_DOUBLE_EQ(control<QLabel>("Label13")->font().pointSizeF(), 13.5);
}

TEST_F(DocPageTest, BeforeAnyClickTheLabelInvitesToChoose)
{
    EXPECT_EQ(control<QLabel>("Label13")->text(), "Choisissez une rubrique ci dessus...");
    EXPECT_TRUE(control<QLabel>("Label13")->isVisible());
    EXPECT_EQ(address(), "About:Blank");
    EXPECT_EQ(page_.address(), "About:Blank");
    EXPECT_FALSE(page_.viewerShown());
    EXPECT_FALSE(control<QTextBrowser>("WebBrowser1")->isVisible());
}

TEST_F(DocPageTest, HelpButtonOpensThePageOfTheWorkingDirectory)
{
    writePage("breloaide.htm", "<html><body><h1>Aide de BRELO</h1></body></html>");
    click("Cmdpageaide");
    EXPECT_TRUE(page_.viewerShown());
    EXPECT_EQ(address(), expectedPath("breloaide.htm"));
    EXPECT_EQ(page_.address(), expectedPath("breloaide.htm"));
    EXPECT_TRUE(shownText().contains("Aide de BRELO")) << shownText().toStdString();
}

TEST_F(DocPageTest, EachPageButtonOpensItsOwnFile)
{
    const std::pair<const char *, const char *> pages[] = {
        {"Cmdpage1", "construbrelo.htm"}, {"Cmdpage2", "brelo1.htm"},
        {"Cmdpage3", "brelo2.htm"}, {"Cmdpageaide", "breloaide.htm"}};
    for (const auto &[button, fileName] : pages)
        writePage(fileName, QByteArray("<p>page ") + fileName + "</p>");
    for (const auto &[button, fileName] : pages) {
        click(button);
        EXPECT_EQ(address(), expectedPath(fileName)) << button;
        EXPECT_EQ(shownText(), QString("page ") + fileName) << button;
    }
}

TEST_F(DocPageTest, OpenButtonAsFirstClickShowsTheViewer)
{
    click("Cmdurl");
    EXPECT_TRUE(page_.viewerShown());
    EXPECT_EQ(address(), "About:Blank");
    EXPECT_EQ(shownText(), "");
}

TEST_F(DocPageTest, SamePageOpensAgainAfterTheBlankPage)
{
    writePage("breloaide.htm", "<p>Aide</p>");
    click("Cmdpageaide");
    click("Cmdurl");
    click("Cmdpageaide");
    EXPECT_EQ(shownText(), "Aide");
}

TEST_F(DocPageTest, MissingPageSaysSoWithThePath)
{
    click("Cmdpage2");
    EXPECT_TRUE(page_.viewerShown());
    EXPECT_EQ(address(), expectedPath("brelo1.htm"));
    EXPECT_TRUE(shownText().contains("Page introuvable")) << shownText().toStdString();
    EXPECT_TRUE(shownText().contains(expectedPath("brelo1.htm"))) << shownText().toStdString();
}

TEST_F(DocPageTest, PageThatIsNotARegularFileCountsAsMissing)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir("construbrelo.htm"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir_.filePath("breloaide.htm")).constData(), 0600), 0);
    click("Cmdpage1");
    EXPECT_TRUE(shownText().contains("Page introuvable"));
    click("Cmdpageaide");  // would block forever if the FIFO were opened
    EXPECT_TRUE(shownText().contains("Page introuvable"));
}

TEST_F(DocPageTest, WorkingDirectoryIsReadAtEachClick)
{
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    click("Cmdpageaide");
    {
        WorkingDirectory moved(other.path());
        click("Cmdpageaide");
        EXPECT_EQ(address(), QDir::toNativeSeparators(other.path() + "/breloaide.htm"));
    }
}

TEST_F(DocPageTest, RootDirectoryGetsOneSeparator)
{
    WorkingDirectory root(QDir::rootPath());
    click("Cmdpage3");
    EXPECT_EQ(address(), QDir::toNativeSeparators(QDir::rootPath() + "brelo2.htm"));
}

TEST_F(DocPageTest, LinksBetweenPagesStayInTheViewerAndShowTheirAddress)
{
    writePage("breloaide.htm", "<p><a href=\"construbrelo.htm#lyot\">Construction</a></p>");
    writePage("construbrelo.htm", "<h1>Le coronographe</h1><a name=\"lyot\"></a><p>Lyot</p>");
    click("Cmdpageaide");
    auto *browser = control<QTextBrowser>("WebBrowser1");
    emit browser->anchorClicked(QUrl("construbrelo.htm#lyot"));
    EXPECT_TRUE(shownText().contains("Le coronographe")) << shownText().toStdString();
    EXPECT_EQ(page_.address().toStdString(), expectedPath("construbrelo.htm#lyot").toStdString());
    EXPECT_EQ(address().toStdString(), expectedPath("construbrelo.htm#lyot").toStdString());
}

// An address typed in Txturl, opened by Cmdurl or by Enter: what the box and
// the viewer show next. "$DIR" stands for the working directory.
struct TypedCase {
    const char *typed;
    const char *box;    // Txturl afterwards
    const char *shown;  // text the viewer shows, or a part of it
};

TEST_F(DocPageTest, TypedAddressOpensByClickAndByEnter)
{
    writePage("autre.htm", "<p>Autre page</p>");
    writePage("construbrelo.htm", "<h1>Le coronographe</h1><a name=\"lyot\"></a><p>Lyot</p>");
    const TypedCase cases[] = {
        {"autre.htm", "$DIR/autre.htm", "Autre page"},
        {"$DIR/autre.htm", "$DIR/autre.htm", "Autre page"},
        {"  $DIR/autre.htm  ", "$DIR/autre.htm", "Autre page"},
        {"file://$DIR/autre.htm", "$DIR/autre.htm", "Autre page"},
        {"construbrelo.htm#lyot", "$DIR/construbrelo.htm#lyot", "Le coronographe"},
        {"sous/../autre.htm", "$DIR/autre.htm", "Autre page"},
        {"manque.htm", "$DIR/manque.htm", "Page introuvable"},
        {"About:Blank", "About:Blank", ""},
        {"about:blank", "About:Blank", ""},
        {"", "About:Blank", ""},
    };
    const auto withDir = [this](const char *text) {
        return QString::fromUtf8(text).replace("$DIR", QDir::toNativeSeparators(dir_.path()));
    };
    for (const bool byEnter : {false, true}) {
        for (const TypedCase &c : cases) {
            auto *box = control<QLineEdit>("Txturl");
            box->setText(withDir(c.typed));
            if (byEnter)
                QTest::keyClick(box, Qt::Key_Return);
            else
                click("Cmdurl");
            const std::string where = std::string(c.typed) + (byEnter ? " (Enter)" : " (Cmdurl)");
            EXPECT_TRUE(page_.viewerShown()) << where;
            EXPECT_EQ(address().toStdString(), withDir(c.box).toStdString()) << where;
            EXPECT_EQ(page_.address().toStdString(), withDir(c.box).toStdString()) << where;
            if (*c.shown == '\0') {
                EXPECT_EQ(shownText().toStdString(), "") << where;
            } else {
                EXPECT_TRUE(shownText().contains(withDir(c.shown))) << where << ": " << shownText().toStdString();
            }
        }
    }
    EXPECT_TRUE(shownText().isEmpty());
    click("Cmdurl");  // the missing page names the path it looked for
    control<QLineEdit>("Txturl")->setText("manque.htm");
    click("Cmdurl");
    EXPECT_TRUE(shownText().contains(expectedPath("manque.htm"))) << shownText().toStdString();
}

// Web addresses, followed as links or typed, go to the user's browser; the
// viewer keeps its page, and the box keeps what was typed.
TEST_F(DocPageTest, WebAddressesGoToTheUsersBrowser)
{
    writePage("breloaide.htm", "<p>Aide</p>");
    click("Cmdpageaide");
    LinkCatcher catcher;
    for (const char *scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(scheme, &catcher, "open");
    struct Case {
        const char *address;
        bool typed;
    };
    for (const Case &c : {Case{"https://example.org/soleil", false}, Case{"mailto:observateur@example.org", false},
                          Case{"https://example.org/soleil", true}, Case{"HTTP://example.org/lune", true}}) {
        if (c.typed) {
            control<QLineEdit>("Txturl")->setText(c.address);
            click("Cmdurl");
        } else {
            emit control<QTextBrowser>("WebBrowser1")->anchorClicked(QUrl(c.address));
        }
        ASSERT_FALSE(catcher.opened.isEmpty()) << c.address;
        EXPECT_EQ(catcher.opened.takeLast(), QUrl(c.address));
        EXPECT_EQ(shownText(), "Aide") << c.address;
        EXPECT_EQ(page_.address(), expectedPath("breloaide.htm")) << c.address;
        EXPECT_EQ(address(), c.typed ? QString(c.address) : expectedPath("breloaide.htm")) << c.address;
    }
    for (const char *scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(scheme);
}

TEST_F(DocPageTest, WebAddressThatNoBrowserTakesIsReported)
{
    writePage("breloaide.htm", "<p>Aide</p>");
    click("Cmdpageaide");
    LinkCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "noSuchSlot");  // the hand-over fails
    control<QLineEdit>("Txturl")->setText("https://example.org/soleil");
    click("Cmdurl");
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(address().toStdString(), "https://example.org/soleil");
    EXPECT_TRUE(shownText().contains("Navigateur introuvable")) << shownText().toStdString();
    EXPECT_TRUE(shownText().contains("https://example.org/soleil")) << shownText().toStdString();
}

// Each way of going back or forward, one after the other, through a history of
// four addresses; the box follows the page shown.
TEST_F(DocPageTest, BackAndForwardWalkTheHistory)
{
    writePage("breloaide.htm", "<p>Aide</p>");
    writePage("brelo1.htm", "<p>Premier</p>");
    writePage("brelo2.htm", "<p>Second</p>");
    click("Cmdpageaide");
    click("Cmdpage2");
    click("Cmdpage3");
    control<QLineEdit>("Txturl")->setText("About:Blank");
    click("Cmdurl");
    auto *browser = control<QTextBrowser>("WebBrowser1");
    auto *box = control<QLineEdit>("Txturl");
    const auto altKey = [](QWidget *w, Qt::Key key) {
        w->setFocus();
        QTest::keyClick(w, key, Qt::AltModifier);
    };
    struct Step {
        const char *how;
        std::function<void()> act;
        const char *shown;
        QString address;
    };
    const QString aide = expectedPath("breloaide.htm"), premier = expectedPath("brelo1.htm"),
                  second = expectedPath("brelo2.htm"), blank = "About:Blank";
    const Step steps[] = {
        {"Alt+Left in the viewer", [&] { altKey(browser, Qt::Key_Left); }, "Second", second},
        {"Alt+Left in the box", [&] { altKey(box, Qt::Key_Left); }, "Premier", premier},
        {"mouse back", [&] { QTest::mouseClick(browser->viewport(), Qt::BackButton); }, "Aide", aide},
        {"back at the start", [&] { altKey(browser, Qt::Key_Left); }, "Aide", aide},
        {"Alt+Right in the box", [&] { altKey(box, Qt::Key_Right); }, "Premier", premier},
        {"mouse back beside the buttons", [&] { QTest::mouseClick(&page_, Qt::BackButton, {}, QPoint(395, 5)); }, "Aide", aide},
        {"mouse forward beside the buttons", [&] { QTest::mouseClick(&page_, Qt::ForwardButton, {}, QPoint(395, 5)); }, "Premier", premier},
        {"mouse forward", [&] { QTest::mouseClick(browser->viewport(), Qt::ForwardButton); }, "Second", second},
        {"forward key", [&] { QTest::keyClick(browser, Qt::Key_Forward); }, "", blank},
        {"forward past the end", [&] { altKey(browser, Qt::Key_Right); }, "", blank},
        {"back key", [&] { QTest::keyClick(box, Qt::Key_Back); }, "Second", second},
        {"back, then a new page", [&] { altKey(browser, Qt::Key_Left); click("Cmdpageaide"); }, "Aide", aide},
        {"no forward after a new page", [&] { altKey(browser, Qt::Key_Right); }, "Aide", aide},
        {"back over it", [&] { altKey(browser, Qt::Key_Left); }, "Premier", premier},
    };
    for (const Step &step : steps) {
        step.act();
        EXPECT_EQ(shownText().toStdString(), step.shown) << step.how;
        EXPECT_EQ(address().toStdString(), step.address.toStdString()) << step.how;
        EXPECT_EQ(page_.address().toStdString(), step.address.toStdString()) << step.how;
    }
}

TEST_F(DocPageTest, BackShowsAPageRemovedSinceAsMissing)
{
    writePage("breloaide.htm", "<p>Aide</p>");
    click("Cmdpageaide");
    click("Cmdpage1");
    ASSERT_TRUE(QFile::remove(dir_.filePath("breloaide.htm")));
    page_.goBack();
    EXPECT_EQ(address(), expectedPath("breloaide.htm"));
    EXPECT_TRUE(shownText().contains("Page introuvable")) << shownText().toStdString();
}

// The viewer shows pages and texts only: a program (this test itself) is
// refused, a text without extension keeps its lines.
TEST_F(DocPageTest, TypedAddressOpensPagesAndTextsOnly)
{
    writePage("notes", "première ligne\n  deuxième ligne\n");
    const struct {
        QString typed;
        QString shown;
    } cases[] = {
        {QCoreApplication::applicationFilePath(),
         QStringLiteral("« %1 » n'est pas une page HTML.").arg(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()))},
        {QStringLiteral("notes"), QStringLiteral("première ligne\n  deuxième ligne\n")},
    };
    for (const auto &c : cases) {
        control<QLineEdit>("Txturl")->setText(c.typed);
        click("Cmdurl");
        EXPECT_TRUE(shownText().contains(c.shown)) << shownText().left(200).toStdString();
        EXPECT_FALSE(shownText().contains(QStringLiteral("ELF")));
    }
}

// Where a page button finds its page: the working directory's copy first, then
// the installed one; with neither, the message names the working-directory path.
TEST(DocPageLookup, WorkingDirectoryFirstThenInstalledCopy)
{
    struct Case {
        bool inWorkingDir, installed;
        const char *from;  // "cwd", "installed"
        bool missing;
    };
    const Case cases[] = {
        {true, true, "cwd", false},
        {true, false, "cwd", false},
        {false, true, "installed", false},
        {false, false, "cwd", true},
    };
    for (const Case &c : cases) {
        QTemporaryDir cwd, installed;
        ASSERT_TRUE(cwd.isValid() && installed.isValid());
        const auto write = [](const QString &path, const char *html) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(html);
        };
        if (c.inWorkingDir)
            write(cwd.filePath("breloaide.htm"), "<p>ici</p>");
        if (c.installed)
            write(installed.filePath("breloaide.htm"), "<p>installée</p>");
        WorkingDirectory moved(cwd.path());
        DocPage page(nullptr, installed.path());
        QTest::mouseClick(page.findChild<QPushButton *>("Cmdpageaide"), Qt::LeftButton);
        const QString expected = QDir::toNativeSeparators(
            (std::string(c.from) == "cwd" ? cwd : installed).filePath("breloaide.htm"));
        const QString shown = page.findChild<QTextBrowser *>("WebBrowser1")->toPlainText();
        EXPECT_EQ(page.address().toStdString(), expected.toStdString()) << c.from;
        EXPECT_EQ(page.findChild<QLineEdit *>("Txturl")->text(), expected);
        EXPECT_EQ(shown.contains("Page introuvable"), c.missing) << shown.toStdString();
        if (!c.missing) {
            EXPECT_EQ(shown, c.inWorkingDir ? "ici" : "installée");
        } else {  // both folders looked in are named
            EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(cwd.path()))) << shown.toStdString();
            EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(installed.path()))) << shown.toStdString();
        }
    }
}

} // namespace
} // namespace brelo

#include "test_doc_page.moc"

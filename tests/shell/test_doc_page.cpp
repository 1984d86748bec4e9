#include "shell/doc_page.h"

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
    QString expectedPath(const char *fileName) { return QDir::toNativeSeparators(dir_.path() + "/" + fileName); }

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

TEST_F(DocPageTest, OpenButtonEmptiesTheViewerAndNeverOpensTypedText)
{
    writePage("breloaide.htm", "<p>Aide</p>");
    writePage("autre.htm", "<p>Autre</p>");
    click("Cmdpageaide");
    control<QLineEdit>("Txturl")->setText(dir_.filePath("autre.htm"));
    click("Cmdurl");
    EXPECT_EQ(address(), "About:Blank");
    EXPECT_EQ(page_.address(), "About:Blank");
    EXPECT_EQ(shownText(), "");
    EXPECT_TRUE(page_.viewerShown());
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

TEST_F(DocPageTest, LinksBetweenPagesStayInTheViewer)
{
    writePage("breloaide.htm", "<p><a href=\"construbrelo.htm#lyot\">Construction</a></p>");
    writePage("construbrelo.htm", "<h1>Le coronographe</h1><a name=\"lyot\"></a><p>Lyot</p>");
    click("Cmdpageaide");
    auto *browser = control<QTextBrowser>("WebBrowser1");
    emit browser->anchorClicked(QUrl("construbrelo.htm#lyot"));
    EXPECT_TRUE(shownText().contains("Le coronographe")) << shownText().toStdString();
    EXPECT_EQ(page_.address(), expectedPath("construbrelo.htm"));
    EXPECT_EQ(address(), expectedPath("breloaide.htm"));  // the box keeps the last click's address
}

TEST_F(DocPageTest, WebLinksGoToTheUsersBrowser)
{
    writePage("breloaide.htm", "<p><a href=\"https://example.org/soleil\">Web</a></p>");
    click("Cmdpageaide");
    LinkCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    auto *browser = control<QTextBrowser>("WebBrowser1");
    emit browser->anchorClicked(QUrl("https://example.org/soleil"));
    emit browser->anchorClicked(QUrl("mailto:observateur@example.org"));
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("mailto");
    EXPECT_EQ(catcher.opened, (QList<QUrl>{QUrl("https://example.org/soleil"),
                                           QUrl("mailto:observateur@example.org")}));
    EXPECT_EQ(page_.address(), expectedPath("breloaide.htm"));
    EXPECT_TRUE(shownText().contains("Web"));
}

} // namespace
} // namespace brelo

#include "test_doc_page.moc"

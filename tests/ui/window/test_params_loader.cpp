#include "ui/window/params_loader.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <chrono>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brelo {
namespace {

class ParamsLoader : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    ParamsLoad load(char sep = ',') { return loadParamsFile(dir_.path(), sep); }

    QTemporaryDir dir_;
};

void expectIgnoredSilently(const ParamsLoad &load)
{
    EXPECT_FALSE(load.fields.has_value());
    EXPECT_EQ(load.message, QString());
}

TEST_F(ParamsLoader, NoFileChangesNothingAndSaysNothing)
{
    expectIgnoredSilently(load());
}

TEST_F(ParamsLoader, ReadsTheThirteenFieldsOfARegularFile)
{
    write("brelo.dat", "1200,100,150.5,40,25,250,45,500,50.0,48,51,-2,20\n");
    const ParamsLoad result = load(',');
    ASSERT_TRUE(result.fields.has_value()) << result.message.toStdString();
    const ParamsFields expected = {"1200", "100", "150,5", "40", "25", "250", "45",
                                   "500", "50", "48", "51", "-2", "20"};
    EXPECT_EQ(*result.fields, expected);
    EXPECT_EQ(result.message, QString());
}

TEST_F(ParamsLoader, NameIsCaseSensitive)
{
    write("BRELO.DAT", "1,2,3,4,5,6,7,8,9,10,11,12,13");
    write("Brelo.dat", "1,2,3,4,5,6,7,8,9,10,11,12,13");
    expectIgnoredSilently(load());
}

TEST_F(ParamsLoader, DirectoryOfThatNameIsIgnored)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir("brelo.dat"));
    expectIgnoredSilently(load());
}

// A FIFO would block start-up, /dev/zero never ends, a directory is no file: a
// symbolic link counts as what it points to.
TEST_F(ParamsLoader, SpecialFilesAndLinksToThemAreIgnoredWithoutBlocking)
{
    const QString fifo = dir_.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir_.path()).mkdir("dossier"));
    const QString targets[] = {fifo, QStringLiteral("/dev/zero"), dir_.filePath("dossier"),
                               dir_.filePath("absent")};
    const QString link = dir_.filePath("brelo.dat");
    for (const QString &target : targets) {
        ASSERT_TRUE(QFile::link(target, link)) << target.toStdString();
        const auto start = std::chrono::steady_clock::now();
        const ParamsLoad result = load();
        EXPECT_FALSE(result.fields.has_value()) << target.toStdString();
        EXPECT_EQ(result.message.toStdString(), "") << target.toStdString();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        ASSERT_TRUE(QFile::remove(link));
    }
    ASSERT_TRUE(QFile::rename(fifo, link));
    expectIgnoredSilently(load());
}

TEST_F(ParamsLoader, FileInAnotherDirectoryIsNotFound)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir("programme"));
    write("programme/brelo.dat", "1,2,3,4,5,6,7,8,9,10,11,12,13");
    expectIgnoredSilently(load());
}

TEST_F(ParamsLoader, SymbolicLinkToARegularFileIsRead)
{
    write("instrument.txt", "1,2,3,4,5,6,7,8,9,10,11,12,13");
    ASSERT_TRUE(QFile::link(dir_.filePath("instrument.txt"), dir_.filePath("brelo.dat")));
    const ParamsLoad result = load();
    ASSERT_TRUE(result.fields.has_value());
    EXPECT_EQ((*result.fields)[12], "13");
}

struct RefusedCase {
    const char *name;
    QByteArray contents;
    const char *message;
};

class RefusedFile : public ParamsLoader, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedFile, KeepsTheDesignValuesAndSaysWhy)
{
    write("brelo.dat", GetParam().contents);
    const ParamsLoad result = load();
    EXPECT_FALSE(result.fields.has_value());
    EXPECT_EQ(result.message.toStdString(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Refused, RefusedFile,
    ::testing::Values(
        RefusedCase{"Short", "1000,90,200,50,30,300,50,300,50\n",
                    "brelo.dat ignoré : 9 valeurs trouvées, 13 attendues."},
        RefusedCase{"Empty", "", "brelo.dat ignoré : aucune valeur trouvée, 13 attendues."},
        RefusedCase{"Binary", QByteArray("1,2,3,4,5,6\0,7,8,9,10,11,12,13", 30),
                    "brelo.dat ignoré : ce n'est pas un fichier texte."},
        RefusedCase{"OverOneMebibyte", QByteArray(1024 * 1024 - 25, ' ') + "1,2,3,4,5,6,7,8,9,10,11,12,13",
                    "brelo.dat ignoré : le fichier dépasse 1 Mio, ce n'est pas un fichier de paramètres."}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ParamsLoader, FileOfExactlyOneMebibyteIsRead)
{
    const QByteArray values = "1,2,3,4,5,6,7,8,9,10,11,12,13";
    write("brelo.dat", QByteArray(1024 * 1024 - values.size(), ' ') + values);
    EXPECT_TRUE(load().fields.has_value());
}

TEST_F(ParamsLoader, Latin1TextIsDecoded)
{
    // "Lunette é" saved by an old editor: é is the single byte 0xE9.
    write("brelo.dat", "1,2,3,4,5,6,7,8,\"Lunette \xE9t\xE9\",10,11,12,13");
    const ParamsLoad result = load();
    ASSERT_TRUE(result.fields.has_value());
    EXPECT_EQ((*result.fields)[8], "Lunette \xC3\xA9t\xC3\xA9");
}

TEST_F(ParamsLoader, Utf8TextIsKept)
{
    write("brelo.dat", "1,2,3,4,5,6,7,8,\"Lunette \xC3\xA9t\xC3\xA9\",10,11,12,13");
    const ParamsLoad result = load();
    ASSERT_TRUE(result.fields.has_value());
    EXPECT_EQ((*result.fields)[8], "Lunette \xC3\xA9t\xC3\xA9");
}

TEST_F(ParamsLoader, ExtraValuesAreReadAndReported)
{
    write("brelo.dat", "1000,5\n90\n200\n50\n30\n300\n50\n300\n50\n45\n0\n0\n0\n");
    const ParamsLoad result = load();
    ASSERT_TRUE(result.fields.has_value());
    EXPECT_EQ((*result.fields)[1], "5");
    EXPECT_TRUE(result.message.startsWith(QStringLiteral("brelo.dat : 14 valeurs trouvées")))
        << result.message.toStdString();
}

TEST_F(ParamsLoader, Utf16WithByteOrderMarkIsDecoded)
{
    const QString text = QStringLiteral("1000,90,200,50,30,300,50,300,\"Lunette été\",-0,34,-2,20\r\n");
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
        write("brelo.dat", encoder(text));
        const ParamsLoad result = load();
        ASSERT_TRUE(result.fields.has_value()) << result.message.toStdString();
        EXPECT_EQ((*result.fields)[8], "Lunette \xC3\xA9t\xC3\xA9");
        EXPECT_EQ((*result.fields)[9], "-0");
        EXPECT_EQ((*result.fields)[12], "20");
    }
    // Without its mark, or cut in the middle of a character, it is no text.
    write("brelo.dat", QByteArray("\xFF\xFE" "1\0,\0" "2", 7));
    EXPECT_EQ(load().message.toStdString(), "brelo.dat ignoré : ce n'est pas un fichier texte.");
    write("brelo.dat", QByteArray("1\0,\0" "2\0", 6));
    EXPECT_EQ(load().message.toStdString(), "brelo.dat ignoré : ce n'est pas un fichier texte.");
}

TEST_F(ParamsLoader, UnreadableFileIsReported)
{
    write("brelo.dat", "1,2,3,4,5,6,7,8,9,10,11,12,13");
    const QByteArray path = QFile::encodeName(dir_.filePath("brelo.dat"));
    ASSERT_EQ(::chmod(path.constData(), 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir_.path()).constData(), 0755), 0);  // nobody may list it
    EXPECT_EQ(runUnprivileged([&] { return loadParamsFile(dir_.path(), ',').message; }).toStdString(),
              "brelo.dat ignoré : le fichier ne peut pas être ouvert.");
}

} // namespace
} // namespace brelo

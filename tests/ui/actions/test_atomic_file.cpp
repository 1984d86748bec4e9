// A parameters or export file is written whole or not at all.

#include "ui/actions/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace brelo {
namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

TEST(AtomicFile, ReplacesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brelo.dat"));
    ASSERT_EQ(writeFileAtomically(path, "old\n"), QString());
    ASSERT_EQ(writeFileAtomically(path, "new\n"), QString());
    EXPECT_EQ(contents(path), "new\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("brelo.dat")}) << "no temporary left";
}

TEST(AtomicFile, FailuresNameTheFileAndSayWhy)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("brelo.dat")));
    struct Case {
        QString path;
        QString reason;
    };
    const Case cases[] = {
        {dir.filePath(QStringLiteral("brelo.dat")), QStringLiteral("un dossier porte ce nom")},
        {dir.filePath(QStringLiteral("absent/x.csv")), QStringLiteral("le dossier n'existe pas")},
    };
    for (const Case &c : cases) {
        const QString message = writeFileAtomically(c.path, "x");
        EXPECT_EQ(message, QStringLiteral("Impossible d'enregistrer « %1 » : %2.").arg(c.path, c.reason));
    }
}

TEST(AtomicFile, ReadOnlyFolderKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brelo.dat"));
    ASSERT_EQ(writeFileAtomically(path, "old\n"), QString());
    // Readable and enterable by everyone, writable by no one (root excepted).
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const QString message = runUnprivileged([&] { return writeFileAtomically(path, "new\n"); });
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(message.contains(QStringLiteral("écriture interdite"))) << message.toStdString();
    EXPECT_EQ(contents(path), "old\n");
}

// A full disk, played by a file-size limit: the write fails part way and the old file stays.
TEST(AtomicFile, FullDiskKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brelo.dat"));
    ASSERT_EQ(writeFileAtomically(path, "old\n"), QString());

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString message = writeFileAtomically(path, QByteArray(100'000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_TRUE(message.contains(QStringLiteral("disque plein"))) << message.toStdString();
    EXPECT_EQ(contents(path), "old\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("brelo.dat")}) << "no temporary left";
}

} // namespace
} // namespace brelo

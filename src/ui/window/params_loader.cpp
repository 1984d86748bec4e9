#include "ui/window/params_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace brelo {

namespace {

const QString kFileName = QStringLiteral("brelo.dat");

// `reason`, a source text of the "brelo::ParamsLoader" context, after the file's name.
ParamsLoad refused(const QString &fileName, const char *reason)
{
    const auto message = [fileName, reason] {
        return QCoreApplication::translate("brelo::ParamsLoader", "%1 ignoré : %2")
            .arg(fileName, QCoreApplication::translate("brelo::ParamsLoader", reason));
    };
    return {std::nullopt, message(), message};
}

// The parser speaks of brelo.dat; a file opened by the user goes by its own name.
QString withFileName(const std::string &parserMessage, const QString &fileName)
{
    QString message = QString::fromStdString(parserMessage);
    if (message.startsWith(kFileName + QLatin1Char(' ')))
        message.replace(0, kFileName.size(), fileName);
    return message;
}

// The listing, not open(), decides whether the name exists: on a file system
// that ignores case, open("brelo.dat") would also find BRELO.DAT. QDir::Files
// without QDir::System and QDir::Hidden leaves out directories and hidden files;
// a symbolic link must lead to a regular file too, so a link to a FIFO, a device
// or a directory is never opened.
bool listedAsRegularFile(const QString &directory)
{
    const QStringList names = QDir(directory).entryList({kFileName}, QDir::Files | QDir::CaseSensitive);
    if (!names.contains(kFileName, Qt::CaseSensitive))
        return false;
    const QString path = QDir(directory).filePath(kFileName);
#ifdef Q_OS_UNIX
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
#else
    return QFileInfo(path).isFile();
#endif
}

// Opens the file only if it is still a regular file once open: O_NONBLOCK keeps
// a FIFO swapped in after the listing from blocking start-up.
bool openRegularFile(QFile &file, const QString &path)
{
#ifdef Q_OS_UNIX
    // A link to a FIFO or a device is never opened: stat() follows the link.
    struct stat target {};
    if (::stat(QFile::encodeName(path).constData(), &target) != 0 || !S_ISREG(target.st_mode))
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    file.setFileName(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
#endif
}

// The file as UTF-8 for the parser, or nothing when it is no text: an editor may
// have saved it in Latin-1, or in UTF-16 with its byte-order mark.
std::optional<std::string> utf8Text(const QByteArray &bytes)
{
    const auto encoding = QStringConverter::encodingForData(bytes);
    if (encoding == QStringConverter::Utf16LE || encoding == QStringConverter::Utf16BE) {
        if (bytes.size() % 2 != 0)
            return std::nullopt;  // cut in the middle of a character
        QStringDecoder utf16(*encoding);
        const QString decoded = utf16(bytes);
        if (utf16.hasError() || decoded.contains(QChar(0)))
            return std::nullopt;
        return decoded.toStdString();
    }
    if (bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes).toStdString() : decoded.toStdString();
}

} // namespace

ParamsLoad loadParamsFile(const QString &directory, char decimalSeparator)
{
    if (!listedAsRegularFile(directory))
        return {};

    return loadParamsFileAt(QDir(directory).filePath(kFileName), decimalSeparator);
}

ParamsLoad loadParamsFileAt(const QString &path, char decimalSeparator)
{
    const QString name = QFileInfo(path).fileName();
    QFile file;
    if (!openRegularFile(file, path))
        return refused(name, QT_TRANSLATE_NOOP("brelo::ParamsLoader", "le fichier ne peut pas être ouvert."));
    const QByteArray bytes = file.read(kParamsFileMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(name, QT_TRANSLATE_NOOP("brelo::ParamsLoader", "le fichier ne peut pas être lu."));
    if (bytes.size() > kParamsFileMaxBytes)
        return refused(name, QT_TRANSLATE_NOOP("brelo::ParamsLoader",
                                               "le fichier dépasse 1 Mio, ce n'est pas un fichier de paramètres."));
    const auto text = utf8Text(bytes);
    if (!text)
        return refused(name, QT_TRANSLATE_NOOP("brelo::ParamsLoader", "ce n'est pas un fichier texte."));

    ParamsRead read = parseParamsFile(*text, decimalSeparator);
    if (read.message.empty())
        return {std::move(read.fields), QString(), {}};
    // The file is read again for the words only, in another language.
    const auto again = [text = *text, decimalSeparator, name] {
        return withFileName(parseParamsFile(text, decimalSeparator).message, name);
    };
    return {std::move(read.fields), withFileName(read.message, name), again};
}

} // namespace brelo

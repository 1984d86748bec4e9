#include "ui/doc/doc_address.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace brelo {

namespace {

bool startsWith(const QString &text, const char *prefix)
{
    return text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

// The join the page buttons have always used: one separator, even at the root.
QString joined(const QString &directory, const QString &fileName)
{
    QString path = QDir::fromNativeSeparators(directory);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return QDir::toNativeSeparators(path + fileName);
}

DocAddress local(const QString &path, const QString &fragment)
{
    return {DocAddress::Kind::Local, QDir::toNativeSeparators(path), fragment, {}};
}

} // namespace

QString DocAddress::text() const
{
    switch (kind) {
    case Kind::Blank:
        return kBlankAddress;
    case Kind::Web:
        return target;
    case Kind::Local:
        return fragment.isEmpty() ? target : target + QLatin1Char('#') + fragment;
    }
    return kBlankAddress;
}

DocAddress readAddress(const QString &typed, const QString &workingDir)
{
    const QString text = typed.trimmed();
    if (text.isEmpty() || text.compare(kBlankAddress, Qt::CaseInsensitive) == 0)
        return {};
    if (startsWith(text, "http://") || startsWith(text, "https://") || startsWith(text, "mailto:"))
        return {DocAddress::Kind::Web, text, {}, {}};
    if (startsWith(text, "file:")) {
        const QUrl url(text);
        return local(url.toLocalFile(), url.fragment());
    }
    const QDir base(workingDir);
    const QString whole = QDir::cleanPath(base.absoluteFilePath(QDir::fromNativeSeparators(text)));
    const qsizetype hash = text.lastIndexOf(QLatin1Char('#'));
    if (hash < 0 || QFileInfo(whole).isFile())
        return local(whole, {});
    const QString page = QDir::cleanPath(base.absoluteFilePath(QDir::fromNativeSeparators(text.left(hash))));
    return local(page, text.mid(hash + 1));
}

QString installedHelpDirectory()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" BRELO_DOC_FROM_BIN));
}

DocAddress helpPageAddress(const QString &fileName, const QString &workingDir, const QString &installedDir)
{
    QStringList folders{workingDir};
    if (!installedDir.isEmpty())
        folders << installedDir;
    DocAddress address{DocAddress::Kind::Local, joined(workingDir, fileName), {}, {}};
    for (const QString &folder : folders) {
        address.searched << QDir::toNativeSeparators(folder);
        const QString path = joined(folder, fileName);
        if (QFileInfo(QDir::fromNativeSeparators(path)).isFile()) {
            address.target = path;
            break;
        }
    }
    return address;
}

} // namespace brelo

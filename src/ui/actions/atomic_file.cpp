#include "ui/actions/atomic_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace brelo {

namespace {

QString failed(const QString &path, const QString &reason)
{
    return QStringLiteral("Impossible d'enregistrer « %1 » : %2.").arg(QDir::toNativeSeparators(path), reason);
}

// Why a write failed, in the user's words rather than the system's.
QString reasonFor(const QString &path, QFileDevice::FileError error)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("le dossier n'existe pas");
    if (!folder.isWritable() || (info.exists() && !info.isWritable()) || error == QFileDevice::PermissionsError)
        return QStringLiteral("écriture interdite dans ce dossier ou sur ce fichier");
    if (error == QFileDevice::WriteError || error == QFileDevice::ResourceError)
        return QStringLiteral("l'écriture a échoué (disque plein ?), l'ancien fichier est conservé");
    return QStringLiteral("le fichier ne peut pas être créé");
}

} // namespace

QString writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return failed(path, QStringLiteral("un dossier porte ce nom"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(path, reasonFor(path, file.error()));
    if (file.write(bytes) != bytes.size()) {
        const QFileDevice::FileError error = file.error();
        file.cancelWriting();
        return failed(path, reasonFor(path, error == QFileDevice::NoError ? QFileDevice::WriteError : error));
    }
    if (!file.commit())
        return failed(path, reasonFor(path, file.error() == QFileDevice::NoError ? QFileDevice::WriteError : file.error()));
    return QString();
}

} // namespace brelo

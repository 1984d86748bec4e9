#include "ui/actions/atomic_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace brelo {

namespace {

QString text(const char *source) { return QCoreApplication::translate("brelo::AtomicFile", source); }

// `reason` is a source text of the "brelo::AtomicFile" context.
QString failed(const QString &path, const char *reason)
{
    return text(QT_TRANSLATE_NOOP("brelo::AtomicFile", "Impossible d'enregistrer « %1 » : %2."))
        .arg(QDir::toNativeSeparators(path), text(reason));
}

// Why a write failed, in the user's words rather than the system's.
const char *reasonFor(const QString &path, QFileDevice::FileError error)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QT_TRANSLATE_NOOP("brelo::AtomicFile", "le dossier n'existe pas");
    if (!folder.isWritable() || (info.exists() && !info.isWritable()) || error == QFileDevice::PermissionsError)
        return QT_TRANSLATE_NOOP("brelo::AtomicFile", "écriture interdite dans ce dossier ou sur ce fichier");
    if (error == QFileDevice::WriteError || error == QFileDevice::ResourceError)
        return QT_TRANSLATE_NOOP("brelo::AtomicFile", "l'écriture a échoué (disque plein ?), l'ancien fichier est conservé");
    return QT_TRANSLATE_NOOP("brelo::AtomicFile", "le fichier ne peut pas être créé");
}

} // namespace

QString writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return failed(path, QT_TRANSLATE_NOOP("brelo::AtomicFile", "un dossier porte ce nom"));
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

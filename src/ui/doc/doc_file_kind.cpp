#include "ui/doc/doc_file_kind.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace brelo {

DocFileKind docFileKind(const QString &path)
{
    if (QFileInfo(path).size() == 0)
        return DocFileKind::Text;  // nothing to show, nothing to garble
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    if (type.inherits(QStringLiteral("text/html")) || type.inherits(QStringLiteral("application/xhtml+xml")))
        return DocFileKind::Html;
    // Source files, logs and system settings are all kinds of plain text.
    if (type.inherits(QStringLiteral("text/plain")))
        return DocFileKind::Text;
    return DocFileKind::Other;
}

} // namespace brelo

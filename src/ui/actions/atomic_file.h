#pragma once

#include <QByteArray>
#include <QString>

namespace brelo {

// Writes the whole file or nothing (QSaveFile): on failure the old file stays
// as it was. Returns "" on success, else a French sentence naming the file.
QString writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace brelo

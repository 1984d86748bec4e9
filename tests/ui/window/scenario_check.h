#pragma once

#include <QJsonArray>
#include <QJsonValue>
#include <QString>
#include <QStringList>

namespace brelo::scenario {

// Checks that an expected fragment is contained in an actual dump. Objects
// match key by key (keys absent from the fragment are not checked); a fragment
// object against an array checks the listed indices ({"0": ..., "23": ...});
// {"$sameAs": N} wants the value that dump N had at the same place; numbers
// match to 1e-9 relative. Returns one line per mismatch, naming its path.
QStringList mismatches(const QJsonValue &expected, const QJsonValue &actual, const QJsonArray &dumps,
                       const QString &path = QString());

} // namespace brelo::scenario

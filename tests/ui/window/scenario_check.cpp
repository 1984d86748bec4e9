#include "scenario_check.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace brelo::scenario {

namespace {

QString shown(const QJsonValue &value)
{
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

// The value at a path ("controls/Lblb/text", "controls/Listdiam/rows/3") of a dump.
QJsonValue at(QJsonValue value, const QString &path)
{
    for (const QString &key : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (value.isArray())
            value = value.toArray().at(key.toInt());
        else
            value = value.toObject().value(key);
    }
    return value;
}

} // namespace

QStringList mismatches(const QJsonValue &expected, const QJsonValue &actual, const QJsonArray &dumps,
                       const QString &path)
{
    const auto differ = [&](const QJsonValue &want) {
        return QStringList{QStringLiteral("%1: expected %2, got %3").arg(path, shown(want), shown(actual))};
    };
    if (expected.isObject()) {
        const QJsonObject object = expected.toObject();
        if (object.contains(QLatin1String("$sameAs"))) {
            const int index = object.value(QLatin1String("$sameAs")).toInt();
            const QJsonValue earlier = at(dumps.at(index), path);
            return earlier == actual ? QStringList() : differ(earlier);
        }
        if (!actual.isObject() && !actual.isArray())
            return differ(expected);
        QStringList found;
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString child = path + QLatin1Char('/') + it.key();
            QJsonValue value;
            if (actual.isArray()) {
                bool ok = false;
                const int index = it.key().toInt(&ok);
                if (!ok || index < 0 || index >= actual.toArray().size()) {
                    found << QStringLiteral("%1: no such row").arg(child);
                    continue;
                }
                value = actual.toArray().at(index);
            } else {
                if (!actual.toObject().contains(it.key())) {
                    found << QStringLiteral("%1: missing").arg(child);
                    continue;
                }
                value = actual.toObject().value(it.key());
            }
            found << mismatches(it.value(), value, dumps, child);
        }
        return found;
    }
    if (expected.isDouble() && actual.isDouble()) {
        const double want = expected.toDouble();
        const double got = actual.toDouble();
        return std::fabs(want - got) <= 1e-9 * std::max(1.0, std::fabs(want)) ? QStringList() : differ(expected);
    }
    return expected == actual ? QStringList() : differ(expected);
}

} // namespace brelo::scenario

#pragma once

#include <QJsonObject>
#include <QProcessEnvironment>

// The environment brelo-drive runs in: the C locale for messages, so the
// window speaks French whatever the developer's desktop says, then what a
// test asks for ("LANG": "en_US.UTF-8").
inline QProcessEnvironment driverEnvironment(const QJsonObject &asked = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    for (auto it = asked.begin(); it != asked.end(); ++it)
        env.insert(it.key(), it.value().toString());
    return env;
}

#pragma once

// Root reads and writes anything: checks of refused file access run their work
// in a child process that has given up root for the unprivileged "nobody" user.

#include <QString>

#include <functional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brelo {

inline QString runUnprivileged(const std::function<QString()> &work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return QStringLiteral("pipe failed");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const gid_t nobody = 65534;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setresgid(nobody, nobody, nobody) != 0
                                 || ::setresuid(nobody, nobody, nobody) != 0))
            ::_exit(3);
        const QByteArray answer = work().toUtf8();
        const bool written = ::write(channel[1], answer.constData(), answer.size()) == answer.size();
        ::_exit(written ? 0 : 4);
    }
    ::close(channel[1]);
    QByteArray answer;
    char buffer[256];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, n);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("child failed with status %1").arg(status);
    return QString::fromUtf8(answer);
}

} // namespace brelo

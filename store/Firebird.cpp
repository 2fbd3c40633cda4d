#include "store/Firebird.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#endif

QString PregatesteFirebird() {
    if (!qEnvironmentVariableIsEmpty("FIREBIRD_LOCK"))
        return qEnvironmentVariable("FIREBIRD_LOCK");
#ifdef Q_OS_UNIX
    const QString utilizator = QString::number(getuid());
#else
    const QString utilizator = qEnvironmentVariable("USERNAME");
#endif
    const QString dosar = QDir::tempPath() + QStringLiteral("/firebird-") + utilizator;
    QDir().mkpath(dosar);
    QFile::setPermissions(dosar, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("FIREBIRD_LOCK", QFile::encodeName(dosar));
    return dosar;
}

namespace {
#ifdef Q_OS_UNIX
int teava[2] = {-1, -1};

// Only what a signal handler may do: the event loop reads the pipe and quits.
void LaSemnal(int) {
    const char octet = 1;
    [[maybe_unused]] const ssize_t scris = ::write(teava[1], &octet, 1);
}
#endif
} // namespace

void InchideAplicatiaLaSemnal() {
#ifdef Q_OS_UNIX
    QCoreApplication* aplicatie = QCoreApplication::instance();
    if (teava[0] >= 0 || !aplicatie || ::pipe2(teava, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notificator = new QSocketNotifier(teava[0], QSocketNotifier::Read, aplicatie);
    QObject::connect(notificator, &QSocketNotifier::activated, aplicatie, [] {
        char octet;
        while (::read(teava[0], &octet, 1) > 0) {
        }
        QCoreApplication::quit();
    });
    struct sigaction actiune {};
    actiune.sa_handler = LaSemnal;
    sigemptyset(&actiune.sa_mask);
    actiune.sa_flags = SA_RESTART;
    sigaction(SIGINT, &actiune, nullptr);
    sigaction(SIGTERM, &actiune, nullptr);
#endif
}

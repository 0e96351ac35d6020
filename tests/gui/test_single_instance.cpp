// One copy per user: a second start asks the first to come to the front and
// ends with 0 without a window; a socket left by a crashed copy is cleaned up.

#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

#include "gui/single_instance.h"

using namespace lumivane::gui;

namespace {

constexpr uid_t kOtherUser = 65534;  // nobody

sockaddr_un UnixAddress(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return address;
}

// A socket listening at path in this process; its descriptor.
int ListenAt(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = UnixAddress(path);
    if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(fd, 4) != 0) {
        return -1;
    }
    return fd;
}

// A child that makes the socket file as this user and then listens as another
// one: the file is ours, the listener is not. Its pid, or -1.
pid_t ForeignListener(const QString& path) {
    const sockaddr_un address = UnixAddress(path);
    int ready[2];
    if (::pipe(ready) != 0) {
        return -1;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        // Only system calls from here on, as the parent has threads.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0 ||
            ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
            ::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0 || ::listen(fd, 4) != 0) {
            ::_exit(1);
        }
        const char byte = 1;
        (void)!::write(ready[1], &byte, 1);
        for (;;) {
            ::pause();
        }
    }
    ::close(ready[1]);
    char byte = 0;
    const bool listening = child > 0 && ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    if (child > 0 && !listening) {
        ::waitpid(child, nullptr, 0);
        return -1;
    }
    return child;
}

}  // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_runtime;

private slots:
    void initTestCase() {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
    }

    void theSocketIsPerUserAndNamedAfterTheWindowClass() {
        QCOMPARE(SingleInstance::DefaultServerName(),
                 m_runtime.path() + QStringLiteral("/TovariQuMing"));
    }

    void withoutARunningCopyNobodyAnswers() {
        SingleInstance probe(m_runtime.path() + QStringLiteral("/nobody"));
        QVERIFY(!probe.NotifyRunningCopy(200));
    }

    void aSecondStartRaisesTheFirstAndExitsZero() {
        SingleInstance first;
        QVERIFY(first.Listen());
        QSignalSpy restore(&first, &SingleInstance::restoreRequested);
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_runtime.path());
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(LUMIVANE_EXECUTABLE));
        QVERIFY(second.waitForStarted(10000));
        // A copy that opened its window would run on until closed.
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(restore.wait(5000) || restore.count() == 1);
        QCOMPARE(restore.count(), 1);
        // The second copy made no data folder: it never created its windows.
        QVERIFY(!QFileInfo::exists(m_runtime.path() + QStringLiteral("/Velisora")));
    }

    void aStaleSocketIsCleanedUp() {
        const QString path = m_runtime.path() + QStringLiteral("/stale");
        // A socket file nobody listens on, as a crashed copy leaves it.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray bytes = path.toUtf8();
        std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        ::close(fd);
        QVERIFY(QFileInfo::exists(path));

        SingleInstance probe(path);
        QVERIFY(!probe.NotifyRunningCopy(200));
        SingleInstance first(path);
        QVERIFY(first.Listen());
        QSignalSpy restore(&first, &SingleInstance::restoreRequested);
        SingleInstance second(path);
        QVERIFY(second.NotifyRunningCopy(2000));
        QVERIFY(restore.wait(5000));
    }

    void onlyTheUserMayReachTheSocketAndItGoesWithTheCopy() {
        const QString path = m_runtime.path() + QStringLiteral("/owned");
        {
            SingleInstance first(path);
            QVERIFY(first.Listen());
            struct stat status {};
            QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
            QVERIFY(S_ISSOCK(status.st_mode));
            QCOMPARE(status.st_mode & 077, 0u);
            QVERIFY(first.Listen());  // listening twice is still one socket
        }
        QVERIFY(!QFileInfo::exists(path));
        SingleInstance later(path);
        QVERIFY(!later.NotifyRunningCopy(200));
    }

    void otherTextOnTheSocketRaisesNothing() {
        const QString path = m_runtime.path() + QStringLiteral("/chatter");
        SingleInstance first(path);
        QVERIFY(first.Listen());
        QSignalSpy restore(&first, &SingleInstance::restoreRequested);
        // A stranger: a wrong number, an endless line, then the real message on
        // a new connection, which still works.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray bytes = QFile::encodeName(path);
        std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
        QCOMPARE(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        const QByteArray noise = "40346\n" + QByteArray(4096, 'x');
        QCOMPARE(::write(fd, noise.constData(), static_cast<std::size_t>(noise.size())),
                 static_cast<ssize_t>(noise.size()));
        QTest::qWait(100);
        ::close(fd);
        QCOMPARE(restore.count(), 0);
        SingleInstance second(path);
        QVERIFY(second.NotifyRunningCopy(2000));
        QVERIFY(restore.wait(5000));
        QCOMPARE(restore.count(), 1);
    }

    void aCopyListeningAlreadyKeepsItsSocket() {
        const QString path = m_runtime.path() + QStringLiteral("/raced");
        SingleInstance first(path);
        QVERIFY(first.Listen());
        QSignalSpy restore(&first, &SingleInstance::restoreRequested);
        SingleInstance late(path);
        QVERIFY(!late.Listen());
        SingleInstance third(path);
        QVERIFY(third.NotifyRunningCopy(2000));
        QVERIFY(restore.wait(5000));
    }

    // Without XDG_RUNTIME_DIR the socket is in the shared temporary folder,
    // where another user can make a socket of our name and listen on it.
    void aSocketOfAnotherUserIsNotObeyed() {
        if (::getuid() != 0) {
            QSKIP("needs root to make files and listeners of another user");
        }
        const QString path = m_runtime.path() + QStringLiteral("/theirs");
        const int fd = ListenAt(path);
        QVERIFY(fd >= 0);
        QCOMPARE(::chown(QFile::encodeName(path).constData(), kOtherUser, kOtherUser), 0);
        SingleInstance probe(path);
        QVERIFY(!probe.NotifyRunningCopy(500));
        ::close(fd);
    }

    void aListenerOfAnotherUserIsNotObeyed() {
        if (::getuid() != 0) {
            QSKIP("needs root to listen as another user");
        }
        const QString path = m_runtime.path() + QStringLiteral("/posing");
        const pid_t child = ForeignListener(path);
        QVERIFY(child > 0);
        struct stat status {};
        QCOMPARE(::lstat(QFile::encodeName(path).constData(), &status), 0);
        QCOMPARE(status.st_uid, ::getuid());  // the file alone would pass
        SingleInstance probe(path);
        const bool obeyed = probe.NotifyRunningCopy(500);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        QVERIFY(!obeyed);
    }

    void theProgramStartsBesideAStrangersSocketInTheTemporaryFolder() {
        if (::getuid() != 0) {
            QSKIP("needs root to make a socket of another user");
        }
        QTemporaryDir shared;
        QVERIFY(shared.isValid());
        QVERIFY(QFile::setPermissions(shared.path(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::WriteOther | QFileDevice::ExeOther));
        const QString path = shared.path() + QStringLiteral("/TovariQuMing-%1").arg(::getuid());
        const int fd = ListenAt(path);
        QVERIFY(fd >= 0);
        QCOMPARE(::chown(QFile::encodeName(path).constData(), kOtherUser, kOtherUser), 0);

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        env.insert(QStringLiteral("TMPDIR"), shared.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), shared.path());
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(LUMIVANE_EXECUTABLE));
        QVERIFY(program.waitForStarted(10000));
        // Obeying the stranger would end the program at once with 0.
        const bool ended = program.waitForFinished(4000);
        if (!ended) {
            program.kill();
            program.waitForFinished(5000);
        }
        ::close(fd);
        QVERIFY2(!ended, "the program ended at a stranger's socket");
    }

    void aNameTooLongForASocketIsRefusedNotCut() {
        const QString path = m_runtime.path() + QLatin1Char('/') + QString(200, QLatin1Char('n'));
        SingleInstance first(path);
        QVERIFY(!first.Listen());
        QVERIFY(!first.NotifyRunningCopy(200));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"

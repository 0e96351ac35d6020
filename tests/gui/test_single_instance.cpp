// One copy per user: a second start asks the first to come to the front and
// ends with 0 without a window; a socket left by a crashed copy is cleaned up.

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

#include "gui/single_instance.h"

using namespace lumivane::gui;

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

    void aNameTooLongForASocketIsRefusedNotCut() {
        const QString path = m_runtime.path() + QLatin1Char('/') + QString(200, QLatin1Char('n'));
        SingleInstance first(path);
        QVERIFY(!first.Listen());
        QVERIFY(!first.NotifyRunningCopy(200));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"

#pragma once
// One copy per user. The first copy listens on a local socket named after the
// main window's class "TovariQuMing"; a later start connects, sends the restore
// message 40345 and ends without a window.
//
// The socket is a plain AF_UNIX stream socket watched by the event loop: Qt's
// QLocalServer would do the same, but its library (and the Kerberos and proxy
// libraries it pulls in) cost every start several milliseconds to load.

#include <QObject>
#include <QString>
#include <map>

class QSocketNotifier;

namespace lumivane::gui {

inline constexpr const char* kWindowClassName = "TovariQuMing";
inline constexpr int kRestoreInstanceMessage = 40345;  // WM_RESTORE_INSTANCE

class SingleInstance final : public QObject {
    Q_OBJECT
public:
    // The per-user socket: $XDG_RUNTIME_DIR/TovariQuMing, or a name carrying the
    // user id in the temporary folder where no runtime folder exists.
    explicit SingleInstance(QObject* parent = nullptr);
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    [[nodiscard]] static QString DefaultServerName();
    [[nodiscard]] const QString& ServerName() const { return m_serverName; }

    // True when a running copy answered and was asked to come to the front.
    [[nodiscard]] bool NotifyRunningCopy(int timeoutMs = 1000) const;

    // Starts listening; a socket left behind by a copy that crashed is removed
    // first. False when the socket cannot be made (the program still runs).
    bool Listen();

signals:
    void restoreRequested();

private:
    void AcceptConnections();
    void ReadConnection(int fd);
    void CloseConnection(int fd);

    QString m_serverName;
    int m_listenFd = -1;
    QSocketNotifier* m_listenNotifier = nullptr;
    struct Connection {
        QSocketNotifier* notifier = nullptr;
        QByteArray pending;
    };
    std::map<int, Connection> m_connections;
};

}  // namespace lumivane::gui

#pragma once
// One copy per user. The first copy listens on a local socket named after the
// main window's class "TovariQuMing"; a later start connects, sends the restore
// message 40345 and ends without a window.

#include <QObject>
#include <QString>

class QLocalServer;

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
    void ReadConnection();

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};

}  // namespace lumivane::gui

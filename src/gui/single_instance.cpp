#include "gui/single_instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

namespace lumivane::gui {

namespace {

// A restore request is one short line; anything longer is not ours.
constexpr qsizetype kMaxLine = 64;

std::optional<sockaddr_un> AddressOf(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (bytes.isEmpty() || static_cast<std::size_t>(bytes.size()) >= sizeof(address.sun_path)) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return address;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

bool WaitFor(int fd, short events, int timeoutMs) {
    pollfd entry{fd, events, 0};
    int ready = 0;
    do {
        ready = ::poll(&entry, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready == 1 && (entry.revents & events) != 0;
}

// The other end of a connected socket runs as this user. Without a runtime
// folder the socket lives in the shared temporary folder, where anyone can
// make a file of our name and listen on it.
bool PeerIsThisUser(int fd) {
    ucred peer{};
    socklen_t length = sizeof(peer);
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
           length == sizeof(peer) && peer.uid == ::getuid();
}

// The socket file is a socket of this user's own; false for anything else
// (and when there is no file, as nobody can listen then).
bool SocketFileIsThisUsers(const char* path) {
    struct stat status {};
    return ::lstat(path, &status) == 0 && S_ISSOCK(status.st_mode) && status.st_uid == ::getuid();
}

bool ConnectWithin(int fd, const sockaddr_un& address, int timeoutMs) {
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
        return true;
    }
    if (errno != EINPROGRESS && errno != EAGAIN && errno != EINTR) {
        return false;  // nobody listens (no file, or a stale one)
    }
    if (!WaitFor(fd, POLLOUT, timeoutMs)) {
        return false;
    }
    int error = 0;
    socklen_t length = sizeof(error);
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

}  // namespace

SingleInstance::SingleInstance(QObject* parent) : SingleInstance(DefaultServerName(), parent) {}

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_serverName(std::move(serverName)) {}

SingleInstance::~SingleInstance() {
    for (auto& [fd, connection] : m_connections) {
        delete connection.notifier;
        ::close(fd);
    }
    if (m_listenFd >= 0) {
        delete m_listenNotifier;
        ::close(m_listenFd);
        // The name is ours while we listen; the next first copy must not find it.
        ::unlink(QFile::encodeName(m_serverName).constData());
    }
}

QString SingleInstance::DefaultServerName() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir()) {
        return QDir(runtime).filePath(QLatin1String(kWindowClassName));
    }
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("%1-%2").arg(QLatin1String(kWindowClassName)).arg(getuid()));
}

bool SingleInstance::NotifyRunningCopy(int timeoutMs) const {
    const std::optional<sockaddr_un> address = AddressOf(m_serverName);
    // A socket of another user is not a copy of ours: ending at its word would
    // let anyone on the machine keep the program from starting.
    if (!address || !SocketFileIsThisUsers(address->sun_path)) {
        return false;
    }
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0 || !ConnectWithin(socket.get(), *address, timeoutMs) ||
        !PeerIsThisUser(socket.get())) {
        return false;
    }
    const QByteArray message = QByteArray::number(kRestoreInstanceMessage) + '\n';
    qsizetype written = 0;
    while (written < message.size()) {
        const ssize_t n = ::send(socket.get(), message.constData() + written,
                                 static_cast<std::size_t>(message.size() - written), MSG_NOSIGNAL);
        if (n > 0) {
            written += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN && WaitFor(socket.get(), POLLOUT, timeoutMs)) {
            continue;
        } else {
            // The copy answered the connection, so it runs; it just did not
            // take the whole message. Starting a second copy would be worse.
            return true;
        }
    }
    ::shutdown(socket.get(), SHUT_WR);
    return true;
}

bool SingleInstance::Listen() {
    if (m_listenFd >= 0) {
        return true;
    }
    const std::optional<sockaddr_un> address = AddressOf(m_serverName);
    if (!address) {
        return false;
    }
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0) {
        return false;
    }
    // Only this user may ask us to come to the front: the socket file is
    // created without any group or other permission.
    const mode_t previous = ::umask(0077);
    int bound =
        ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&*address), sizeof(*address));
    if (bound != 0 && errno == EADDRINUSE) {
        // A socket in the way is stale when nobody answers on it; a copy started
        // at the same moment may have just made it, and keeps it.
        struct stat status {};
        Descriptor probe(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
        const bool answered = probe.get() >= 0 && ConnectWithin(probe.get(), *address, 200);
        if (!answered && ::lstat(address->sun_path, &status) == 0 && S_ISSOCK(status.st_mode)) {
            ::unlink(address->sun_path);
            bound = ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&*address),
                           sizeof(*address));
        }
    }
    ::umask(previous);
    if (bound != 0 || ::listen(socket.get(), 8) != 0) {
        return false;
    }
    m_listenFd = socket.release();
    m_listenNotifier = new QSocketNotifier(m_listenFd, QSocketNotifier::Read, this);
    connect(m_listenNotifier, &QSocketNotifier::activated, this,
            &SingleInstance::AcceptConnections);
    return true;
}

void SingleInstance::AcceptConnections() {
    for (;;) {
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            return;  // EAGAIN: no more waiting; other errors: try at the next wake-up
        }
        if (!PeerIsThisUser(fd)) {
            ::close(fd);  // only this user's own copies may raise the window
            continue;
        }
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        m_connections[fd] = Connection{notifier, {}};
        connect(notifier, &QSocketNotifier::activated, this, [this, fd] { ReadConnection(fd); });
        ReadConnection(fd);
    }
}

void SingleInstance::ReadConnection(int fd) {
    auto found = m_connections.find(fd);
    if (found == m_connections.end()) {
        return;
    }
    Connection& connection = found->second;
    char buffer[256];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
        if (n > 0) {
            connection.pending.append(buffer, n);
            qsizetype end = 0;
            while ((end = connection.pending.indexOf('\n')) >= 0) {
                const QByteArray line = connection.pending.left(end).trimmed();
                connection.pending.remove(0, end + 1);
                if (line == QByteArray::number(kRestoreInstanceMessage)) {
                    emit restoreRequested();
                }
            }
            if (connection.pending.size() > kMaxLine) {
                CloseConnection(fd);
                return;
            }
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            return;  // the rest comes with the next wake-up
        } else {
            CloseConnection(fd);  // the other copy is done (or gone)
            return;
        }
    }
}

void SingleInstance::CloseConnection(int fd) {
    auto found = m_connections.find(fd);
    if (found == m_connections.end()) {
        return;
    }
    // Deleted later: this may run inside the notifier's own signal.
    found->second.notifier->setEnabled(false);
    found->second.notifier->deleteLater();
    m_connections.erase(found);
    ::close(fd);
}

}  // namespace lumivane::gui

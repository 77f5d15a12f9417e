// The local socket through which a second start of the program hands a file to the running copy.
#include "InstanceChannel.h"

#include <QByteArray>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>
#include <system_error>
#include <thread>
#include <utility>

namespace zyfo {

namespace {
constexpr char kEnd = '\0';
// Pause before connecting again while nobody listens yet.
constexpr std::chrono::milliseconds kRetryPause{50};

QString socketName(const std::filesystem::path &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

int millisecondsUntil(std::chrono::steady_clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}
} // namespace

class InstanceChannel::Listener
{
public:
    Listener(const std::filesystem::path &path, std::function<void(const std::string &)> receive)
        : m_path(path)
        , m_receive(std::move(receive))
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        QObject::connect(&m_server, &QLocalServer::newConnection, &m_server,
                         [this] { acceptPending(); });
        m_server.listen(socketName(m_path));
    }

    ~Listener()
    {
        m_server.close();
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }

    bool listening() const { return m_server.isListening(); }

private:
    void acceptPending()
    {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QLocalSocket::readyRead, socket,
                             [this, socket, buffer] { readFrom(*socket, *buffer); });
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            readFrom(*socket, *buffer);
        }
    }

    void readFrom(QLocalSocket &socket, QByteArray &buffer)
    {
        buffer += socket.readAll();
        const qsizetype end = buffer.indexOf(kEnd);
        const qsizetype length = end < 0 ? buffer.size() : end;
        if (static_cast<std::size_t>(length) > kMaxMessage) {
            socket.abort();
            socket.deleteLater();
            return;
        }
        if (end < 0)
            return;
        const std::string message = buffer.left(end).toStdString();
        buffer.clear();
        // Answer before acting on the message, which may open a message box: the sender waits
        // only for the message to be taken.
        socket.write(&kEnd, 1);
        socket.flush();
        socket.disconnectFromServer();
        m_receive(message);
    }

    std::filesystem::path m_path;
    std::function<void(const std::string &)> m_receive;
    QLocalServer m_server;
};

InstanceChannel::InstanceChannel(const std::filesystem::path &path,
                                 std::function<void(const std::string &)> receive)
    : m_listener(std::make_unique<Listener>(path, std::move(receive)))
{}

InstanceChannel::~InstanceChannel() = default;

bool InstanceChannel::listening() const
{
    return m_listener->listening();
}

bool InstanceChannel::send(const std::filesystem::path &path, const std::string &message,
                           std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    QByteArray data = QByteArray::fromStdString(message);
    data.append(kEnd);
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(socketName(path));
        if (socket.waitForConnected(millisecondsUntil(deadline))) {
            socket.write(data);
            if (!socket.waitForBytesWritten(millisecondsUntil(deadline)))
                return false;
            while (socket.bytesAvailable() == 0)
                if (!socket.waitForReadyRead(millisecondsUntil(deadline)))
                    return false;
            char answer = 1;
            return socket.read(&answer, 1) == 1 && answer == kEnd;
        }
        if (millisecondsUntil(deadline) == 0)
            return false;
        std::this_thread::sleep_for(kRetryPause);
    }
}

} // namespace zyfo

#include "InstanceLock.h"

#include "InstanceChannel.h"
#include "Text.h"
#include "WinApp.h"

#include <QCryptographicHash>
#include <QLocalSocket>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>

namespace {
constexpr char kLockFile[] = "Tolvik.lock";
constexpr int kConnectWaitMs = 2000;

// The channel's name: the same for every start in one directory, different between directories.
std::string ChannelName(const std::filesystem::path& directory)
{
    const QByteArray path = QByteArray::fromStdString(directory.string());
    return "tolvik-" + QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16).toStdString();
}
}

InstanceChannel::InstanceChannel(const QString& name, std::function<void()> onRequest)
    : m_onRequest(std::move(onRequest))
{
    connect(this, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = nextPendingConnection()) {
            socket->disconnectFromServer();
            socket->deleteLater();
            m_onRequest();
        }
    });
    // A holder that crashed left its socket file behind; the lock proves it is gone.
    QLocalServer::removeServer(name);
    listen(name);
}

CInstanceLock::CInstanceLock(const std::u16string& directory)
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::weakly_canonical(ToPath(directory), error);
    m_channelName = ChannelName(folder);
    const int fd = ::open((folder / kLockFile).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        m_couldNotBeMade = true;
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

CInstanceLock::~CInstanceLock()
{
    m_channel.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

void CInstanceLock::OnShowRequest(std::function<void()> action)
{
    if (!IsHeld())
        return;
    EnsureToolkit();
    m_channel = std::make_unique<InstanceChannel>(QString::fromStdString(m_channelName), std::move(action));
}

bool CInstanceLock::RequestShow()
{
    if (IsHeld())
        return false;
    EnsureToolkit();
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(m_channelName));
    // A connection is the request: the holder's listening socket takes it even while busy.
    const bool connected = socket.waitForConnected(kConnectWaitMs);
    socket.disconnectFromServer();
    return connected;
}

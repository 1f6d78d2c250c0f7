#include "app/instance/CSingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>
#include <QtEndian>
#include <cctype>
#include <unistd.h>

namespace {

// A message: 4-byte little-endian length, then the folder, a NUL and the line.
QByteArray Frame(const std::string& folder, const std::string& commandLine)
{
    QByteArray payload = QByteArray::fromStdString(folder);
    payload.append('\0');
    payload.append(QByteArray::fromStdString(commandLine));
    QByteArray message(4, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(payload.size()), message.data());
    return message + payload;
}

}  // namespace

CSingleInstance::CSingleInstance(std::string serverName) : name_(std::move(serverName)) {}

CSingleInstance::~CSingleInstance() = default;

std::string CSingleInstance::ServerName(const std::string& display)
{
    std::string name = "Quillet-" + std::to_string(getuid()) + "-";
    for (const char c : display)
        name += std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' ? c : '_';
    return name;
}

CSingleInstance::Role CSingleInstance::Start(const std::string& folder, const std::string& commandLine,
                                             int ackTimeout)
{
    // Two starts at once must not both decide that they are the first.
    QLockFile lock(QDir::temp().filePath(QString::fromStdString(name_) + ".lock"));
    lock.tryLock(ackTimeout + 1000);
    switch (TryHandOver(folder, commandLine, ackTimeout)) {
    case HandOver::kAcknowledged: return Role::kHandedOver;
    case HandOver::kNoAnswer: return Role::kAlone;
    case HandOver::kNoInstance: break;
    }
    return Listen() ? Role::kFirst : Role::kAlone;
}

CSingleInstance::HandOver CSingleInstance::TryHandOver(const std::string& folder, const std::string& commandLine,
                                                       int ackTimeout)
{
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(name_));
    if (!socket.waitForConnected(1000))
        return HandOver::kNoInstance;
    socket.write(Frame(folder, commandLine));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(ackTimeout))
            return HandOver::kNoAnswer;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(ackTimeout))
            return HandOver::kNoAnswer;
    }
    char answer = 0;
    socket.getChar(&answer);
    return answer == kAck ? HandOver::kAcknowledged : HandOver::kNoAnswer;
}

void CSingleInstance::Stop()
{
    handler_ = nullptr;
    server_.reset();
}

bool CSingleInstance::Listen()
{
    // A socket file left by an instance that died would block the name.
    QLocalServer::removeServer(QString::fromStdString(name_));
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(QString::fromStdString(name_))) {
        server_.reset();
        return false;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] { Accept(); });
    return true;
}

void CSingleInstance::Accept()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        auto handled = std::make_shared<bool>(false);
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, buffer, handled] {
            if (*handled)
                return;
            buffer->append(socket->readAll());
            if (buffer->size() < 4)
                return;
            const quint32 length = qFromLittleEndian<quint32>(buffer->constData());
            if (length > static_cast<quint32>(kMaxMessage)) {
                socket->abort();
                return;
            }
            if (static_cast<quint32>(buffer->size()) < 4 + length)
                return;
            const QByteArray payload = buffer->mid(4, static_cast<qsizetype>(length));
            const qsizetype split = payload.indexOf('\0');
            const std::string folder = payload.left(split < 0 ? 0 : split).toStdString();
            const std::string line = payload.mid(split < 0 ? 0 : split + 1).toStdString();
            *handled = true;
            socket->putChar(kAck);
            socket->flush();
            socket->disconnectFromServer();
            // Opening documents may show alerts; the sender is not kept waiting.
            if (handler_)
                QTimer::singleShot(0, server_.get(), [this, folder, line] { handler_(folder, line); });
        });
    }
}

#include "platform/TCPClient.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTcpSocket>
#include <QTimer>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include "platform/Sjis.h"

namespace {

const QEvent::Type kDeliverEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// Received bytes held before delivery, by Qt and by the component each;
// beyond that they wait in the system.
constexpr qint64 kReadBufferSize = 64 * 1024;
// A closed connection still sending its last bytes is cut off after this.
constexpr int kLingerMs = 5000;

}  // namespace

TTCPClient::TTCPClient(QObject* parent) : QObject(parent) {}

TTCPClient::~TTCPClient() { Close(); }

int TTCPClient::ResolvePort(const std::string& port) {
    if (port.empty()) return -1;
    if (port.find_first_not_of("0123456789") == std::string::npos) {
        if (port.size() > 5) return -1;
        const int value = std::stoi(port);
        return value >= 1 && value <= 65535 ? value : -1;
    }
    const servent* service = ::getservbyname(port.c_str(), "tcp");
    return service ? ntohs(static_cast<uint16_t>(service->s_port)) : -1;
}

void TTCPClient::Open() {
    if (State_ != TState::Idle) return;
    State_ = TState::Connecting;
    const int port = ResolvePort(Port);
    if (port < 0) {
        ErrorWaiting = true;
        ErrorCode = QAbstractSocket::HostNotFoundError;
        ErrorMsg = "Unknown port or service: " + SjisToUtf8(Port);
        Post();
        return;
    }
    Socket = new QTcpSocket(this);
    Socket->setReadBufferSize(kReadBufferSize);
    connect(Socket, &QTcpSocket::connected, this, [this] {
        Socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);  // one write, one segment
        Socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
        State_ = TState::Connected;
        ConnectWaiting = true;
        Post();
    });
    connect(Socket, &QTcpSocket::readyRead, this, [this] {
        Take();
        Post();
    });
    connect(Socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError) {
            CloseWaiting = true;
        } else if (!ErrorWaiting) {
            ErrorWaiting = true;
            ErrorCode = error;
            ErrorMsg = Socket->errorString().toStdString();
        }
        Post();
    });
    connect(Socket, &QTcpSocket::disconnected, this, [this] {
        if (!ErrorWaiting) CloseWaiting = true;
        Post();
    });
    Socket->connectToHost(QString::fromStdString(SjisToUtf8(Host)), static_cast<quint16>(port),
                          QIODevice::ReadWrite, QAbstractSocket::IPv4Protocol);
}

void TTCPClient::SendText(const std::string& text) {
    if (Socket && Socket->state() == QAbstractSocket::ConnectedState && State_ == TState::Connected) {
        Socket->write(text.data(), static_cast<qint64>(text.size()));
        Socket->flush();
        return;
    }
    if (CloseWaiting) return;  // the server has gone; OnClose is on its way
    if (!ErrorWaiting) {
        ErrorWaiting = true;
        ErrorCode = QAbstractSocket::OperationError;
        ErrorMsg = "Socket is not connected";
    }
    Post();
}

void TTCPClient::Close() {
    if (State_ == TState::Idle && !ErrorWaiting) return;
    Detach(true);
}

void TTCPClient::Detach(bool graceful) {
    QTcpSocket* socket = Socket;
    Socket = nullptr;
    State_ = TState::Idle;
    ConnectWaiting = CloseWaiting = ErrorWaiting = false;
    Arrived.clear();
    ArrivedBytes = 0;
    if (!socket) return;
    QObject::disconnect(socket, nullptr, this, nullptr);
    if (graceful && socket->state() == QAbstractSocket::ConnectedState) {
        socket->flush();
        if (socket->bytesToWrite() > 0) {
            // Still sending: let it finish on its own, within limits, even
            // after this component is gone.
            socket->setParent(nullptr);
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QTimer::singleShot(kLingerMs, socket, [socket] {
                socket->abort();
                socket->deleteLater();
            });
            socket->disconnectFromHost();
            return;
        }
        // Tell the server we are done, then drop what is still arriving:
        // closing with unread bytes would reset the connection instead.
        const int fd = static_cast<int>(socket->socketDescriptor());
        ::shutdown(fd, SHUT_WR);
        char scrap[4096];
        for (int i = 0; i < 256 && ::recv(fd, scrap, sizeof scrap, MSG_DONTWAIT) > 0; ++i) {}
    }
    socket->abort();
    socket->deleteLater();
}

std::string TTCPClient::PeerAddress() const {
    return Socket && State_ == TState::Connected ? Socket->peerAddress().toString().toStdString() : "";
}

int TTCPClient::LocalPort() const {
    return Socket && State_ == TState::Connected ? Socket->localPort() : 0;
}

void TTCPClient::Take() {
    if (!Socket || ArrivedBytes >= kReadBufferSize || Socket->bytesAvailable() == 0) return;
    Arrived.push_back(Socket->read(kReadBufferSize - ArrivedBytes));
    ArrivedBytes += Arrived.back().size();
#ifdef TCP_QUICKACK
    // Acknowledge at once rather than up to 40 ms later: the server sends its
    // next message only when the previous one is acknowledged.
    const int on = 1;
    ::setsockopt(static_cast<int>(Socket->socketDescriptor()), IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
#endif
}

bool TTCPClient::DataWaiting() const {
    return !Arrived.empty() || (Socket && Socket->bytesAvailable() > 0);
}

void TTCPClient::Post() {
    if (Posted) return;
    Posted = true;
    QCoreApplication::postEvent(this, new QEvent(kDeliverEvent));
}

bool TTCPClient::event(QEvent* e) {
    if (e->type() != kDeliverEvent) return QObject::event(e);
    Posted = false;
    Deliver();
    return true;
}

void TTCPClient::Deliver() {
    if (InHandler) return;  // the running handler posts again when it returns
    Take();
    // Marks a handler as running; when it returns (or throws), whatever is
    // still waiting gets a new event.
    struct Running {
        QPointer<TTCPClient> self;
        explicit Running(TTCPClient* c) : self(c) { c->InHandler = true; }
        ~Running() {
            if (!self) return;
            self->InHandler = false;
            if (self->ConnectWaiting || self->CloseWaiting || self->ErrorWaiting || self->DataWaiting())
                self->Post();
        }
    };
    if (ConnectWaiting) {
        ConnectWaiting = false;
        Running running(this);
        if (OnConnect) OnConnect(this);
    } else if (!Arrived.empty()) {
        QByteArray& first = Arrived.front();
        const QByteArray bytes = first.left(kMaxReceive);
        first.remove(0, bytes.size());
        if (first.isEmpty()) Arrived.pop_front();
        ArrivedBytes -= bytes.size();
        Running running(this);
        if (OnData) OnData(this, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } else if (ErrorWaiting) {
        const int code = ErrorCode;
        const std::string msg = ErrorMsg;
        Detach(false);
        Running running(this);
        if (OnError) OnError(this, code, msg);
    } else if (CloseWaiting) {
        Detach(false);
        Running running(this);
        if (OnClose) OnClose(this);
    }
}

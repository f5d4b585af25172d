#include "server/ScheduleServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#ifdef __linux__
#include <linux/sockios.h>
#endif

#include "net/Messages.h"

namespace {

// Bytes the kernel still holds for the socket: not yet sent, or sent and not
// yet acknowledged by the peer. Zero means the peer's kernel has them all.
qint64 KernelOutQueue(qintptr fd) {
#ifdef SIOCOUTQ
    int n = 0;
    if (fd >= 0 && ::ioctl(static_cast<int>(fd), SIOCOUTQ, &n) == 0) return n;
#else
    (void)fd;
#endif
    return 0;
}

// Keepalive probes after a minute of silence find a peer that vanished
// (a machine switched off) within about two minutes; nothing else times out
// an idle client.
void TuneSocket(QTcpSocket* socket) {
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    const int fd = static_cast<int>(socket->socketDescriptor());
    const int idle = 60, interval = 10, count = 6;
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &count, sizeof count);
}

constexpr int kMaxPollMs = 50;
constexpr qint64 kReadBufferSize = 64 * 1024;
constexpr int kShutdownWaitMs = 2000;

}  // namespace

TScheduleServer::TScheduleServer(TServerOptions options, std::function<void(const std::string&)> log,
                                 QObject* parent)
    : QObject(parent), Options(std::move(options)), Log(std::move(log)) {
    Clock.start();
}

TScheduleServer::~TScheduleServer() {
    if (JournalFile) std::fclose(JournalFile);
}

bool TScheduleServer::Start(const std::string& program) {
    if (!Options.Journal.empty()) {
        JournalFile = std::fopen(Options.Journal.c_str(), "ab");
        if (!JournalFile) {
            Error = "cannot open the journal " + Options.Journal + ": " + std::strerror(errno);
            return false;
        }
    }
    Server = new QTcpServer(this);
    Server->setListenBacklogSize(256);
    if (!Server->listen(QHostAddress(Options.ListenAddress), Options.Port)) {
        TBindFailure failure = TBindFailure::Other;
        switch (Server->serverError()) {
        case QAbstractSocket::SocketAccessError: failure = TBindFailure::AccessDenied; break;
        case QAbstractSocket::AddressInUseError: failure = TBindFailure::AddressInUse; break;
        case QAbstractSocket::SocketAddressNotAvailableError:
            failure = TBindFailure::AddressNotAvailable;
            break;
        default: break;
        }
        Error = BindFailureMessage(failure, Options.ListenAddress, Options.Port, program,
                                   Server->errorString().toStdString());
        return false;
    }
    connect(Server, &QTcpServer::newConnection, this, &TScheduleServer::Accept);
    return true;
}

uint16_t TScheduleServer::Port() const { return Server ? Server->serverPort() : 0; }

int TScheduleServer::CountFrom(uint32_t address) const {
    int n = 0;
    for (const auto& [id, client] : Clients) n += client->Address == address;
    return n;
}

void TScheduleServer::Accept() {
    while (QTcpSocket* socket = Server->nextPendingConnection()) {
        bool ok = false;
        const uint32_t address = socket->peerAddress().toIPv4Address(&ok);
        const QString name = socket->peerAddress().toString() + ":" + QString::number(socket->peerPort());
        std::string refusal;
        if (ShuttingDown) refusal = "the server is shutting down";
        else if (!ok || !AddressAllowed(Options.Allow, address)) refusal = "not in the allowed networks";
        else if (static_cast<int>(Clients.size()) >= Options.MaxClients)
            refusal = "already " + std::to_string(Clients.size()) + " clients (--max-clients)";
        else if (CountFrom(address) >= Options.MaxClientsPerAddress)
            refusal = "already " + std::to_string(CountFrom(address)) +
                      " clients from this address (--max-per-address)";
        if (!refusal.empty()) {
            Log("refused " + name.toStdString() + ": " + refusal);
            socket->abort();
            socket->deleteLater();
            continue;
        }
        TuneSocket(socket);
        // One read is one message and a message is at most 1022 bytes: a
        // client sending more only ever gets refusals, so hold little of it.
        socket->setReadBufferSize(kReadBufferSize);
        const uint64_t id = ++LastId;
        auto client = std::make_unique<TClient>();
        client->Socket = socket;
        client->Timer = new QTimer(socket);
        client->Timer->setSingleShot(true);
        client->Address = address;
        client->Name = name;
        TClient* c = client.get();
        Clients.emplace(id, std::move(client));
        connect(socket, &QTcpSocket::readyRead, this, [this, c] { Read(*c); });
        connect(c->Timer, &QTimer::timeout, this, [this, c] { Check(*c); });
        // Queued, so that a socket never leaves the list while a loop over it runs.
        connect(socket, &QTcpSocket::disconnected, this, [this, id] { Forget(id); }, Qt::QueuedConnection);
        Log("connect " + name.toStdString() + " (" + std::to_string(Clients.size()) + " clients)");
    }
}

void TScheduleServer::Read(TClient& client) {
    const QByteArray message = client.Socket->readAll();
    if (message.isEmpty() || ShuttingDown) return;
    const std::string reason = RefusalReason(std::string_view(message.constData(), message.size()));
    if (!reason.empty()) {
        Log("refused a message from " + client.Name.toStdString() + ": " + reason);
        return;
    }
    if (static_cast<int>(client.Queue.size()) >= Options.QueueLimit) {
        Drop(client, "it sends faster than it takes its echoes (" + std::to_string(client.Queue.size()) +
                         " waiting, --queue-limit)");
        return;
    }
    const std::string echo = DataMessage(std::string_view(message.constData(), message.size()));
    Broadcast(QByteArray(echo.data(), static_cast<qsizetype>(echo.size())));
}

void TScheduleServer::Broadcast(const QByteArray& echo) {
    Journal(echo);
    std::vector<TClient*> behind;
    for (auto& [id, client] : Clients) {
        client->Queue.push_back(echo);  // shared bytes, one copy for all queues
        if (static_cast<int>(client->Queue.size()) > Options.QueueLimit) behind.push_back(client.get());
        else Pump(*client);
    }
    for (TClient* client : behind)
        Drop(*client, "it does not keep up (" + std::to_string(client->Queue.size()) +
                          " messages waiting, --queue-limit)");
}

void TScheduleServer::Pump(TClient& client) {
    if (client.InFlight || client.Queue.empty()) return;
    const qint64 now = Clock.elapsed();
    if (client.Written && now < client.WrittenAt + Options.GapMs) {
        client.Timer->start(static_cast<int>(client.WrittenAt + Options.GapMs - now));
        return;
    }
    const QByteArray echo = client.Queue.front();
    client.Queue.pop_front();
    client.Socket->write(echo);
    client.Socket->flush();
    client.InFlight = client.Written = true;
    client.WrittenAt = client.ProgressAt = now;
    client.Pending = client.Socket->bytesToWrite() + KernelOutQueue(client.Socket->socketDescriptor());
    client.PollMs = 1;
    client.Timer->start(Options.GapMs);
}

void TScheduleServer::Check(TClient& client) {
    if (!client.InFlight) {
        Pump(client);
        return;
    }
    const qint64 now = Clock.elapsed();
    const qint64 pending = client.Socket->bytesToWrite() + KernelOutQueue(client.Socket->socketDescriptor());
    if (pending < client.Pending) {
        client.Pending = pending;
        client.ProgressAt = now;
    }
    if (pending == 0) {
        client.InFlight = false;
        Pump(client);  // waits out the rest of the gap if any
        return;
    }
    if (now - client.ProgressAt >= Options.WriteTimeoutMs) {
        Drop(client, "it took nothing for " + std::to_string(now - client.ProgressAt) +
                         " ms (--write-timeout-ms)");
        return;
    }
    client.Timer->start(client.PollMs);
    client.PollMs = std::min(client.PollMs * 2, kMaxPollMs);
}

void TScheduleServer::Drop(TClient& client, const std::string& why) {
    Log("disconnect " + client.Name.toStdString() + ": " + why);
    for (auto it = Clients.begin(); it != Clients.end(); ++it) {
        if (it->second.get() != &client) continue;
        QTcpSocket* socket = client.Socket;
        QObject::disconnect(socket, nullptr, this, nullptr);
        QObject::disconnect(client.Timer, nullptr, this, nullptr);
        client.Timer->stop();
        socket->abort();
        socket->deleteLater();
        Clients.erase(it);
        return;
    }
}

void TScheduleServer::Forget(uint64_t id) {
    const auto it = Clients.find(id);
    if (it == Clients.end()) return;
    std::unique_ptr<TClient> client = std::move(it->second);
    Clients.erase(it);
    client->Timer->stop();
    QObject::disconnect(client->Timer, nullptr, this, nullptr);
    QObject::disconnect(client->Socket, nullptr, this, nullptr);
    client->Socket->deleteLater();
    Log("disconnect " + client->Name.toStdString() + " (" + std::to_string(Clients.size()) + " clients)");
}

void TScheduleServer::Journal(const QByteArray& echo) {
    if (!JournalFile) return;
    const bool ok = std::fwrite(echo.constData(), 1, echo.size(), JournalFile) == std::size_t(echo.size()) &&
                    std::fputc('\n', JournalFile) != EOF && std::fflush(JournalFile) == 0;
    if (!ok && !JournalFailing) Log("cannot write the journal " + Options.Journal + ": " + std::strerror(errno));
    if (ok && JournalFailing) Log("the journal " + Options.Journal + " is written again");
    JournalFailing = !ok;
}

void TScheduleServer::Shutdown(std::function<void()> done) {
    ShuttingDown = true;
    if (Server) Server->close();
    if (!Clients.empty()) Log("closing " + std::to_string(Clients.size()) + " clients");
    for (auto& [id, client] : Clients) {
        client->Timer->stop();
        client->Queue.clear();
        client->Socket->disconnectFromHost();
    }
    // Sockets with bytes still unwritten close when those are out; wait a
    // little for them, then cut them off.
    auto* wait = new QTimer(this);
    const qint64 deadline = Clock.elapsed() + kShutdownWaitMs;
    connect(wait, &QTimer::timeout, this, [this, wait, deadline, done] {
        bool open = false;
        for (auto& [id, client] : Clients)
            open = open || client->Socket->state() != QAbstractSocket::UnconnectedState;
        if (open && Clock.elapsed() < deadline) return;
        wait->stop();
        for (auto& [id, client] : Clients) client->Socket->abort();
        done();
    });
    wait->start(10);
}

#pragma once
// The schedule server: every message a client sends goes, as "1," + the
// message, to every connected client, the sender included, in the order the
// server received them.
//
// Framing. The protocol has no length and no terminator: a client sends each
// message in one write, one message per user action, and takes each message
// it receives from one read of at most 1024 bytes. So the server takes the
// bytes of each read from a client as one message, and sends each echo so
// that it arrives as the whole content of one client read:
//  - one write per echo, TCP_NODELAY, and at most one echo per client in
//    flight: the next is written only when Qt's buffer is empty, the kernel
//    holds nothing unacknowledged for that socket (SIOCOUTQ), and the guard
//    gap (--gap-ms) has passed since the previous one was written, long
//    enough for a client to read and handle one message, its file save
//    included, before the next can arrive.
//
// Bounds. A client whose queue of echoes reaches the queue limit, or whose
// socket takes nothing for the write timeout, is disconnected; a client whose
// own queue is full when it sends is disconnected too (it sends faster than it
// reads), so one flooding client cannot push the others over their limit.
// Connections are limited in all and per address; TCP keepalive finds peers
// that vanished. Nothing else times out.
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <memory>

#include "server/ServerRules.h"

class QTcpServer;
class QTcpSocket;
class QTimer;

class TScheduleServer : public QObject {
    Q_OBJECT
public:
    // Log receives one line of text (no line end) per event worth logging.
    TScheduleServer(TServerOptions options, std::function<void(const std::string&)> log,
                    QObject* parent = nullptr);
    ~TScheduleServer() override;

    // Opens the journal and starts listening; on failure answers false and
    // sets Error to the message for the user. Program is the path of the
    // server's executable, named in advice about privileged ports.
    bool Start(const std::string& program);
    std::string Error;
    uint16_t Port() const;  // the port actually listened on

    // Stops accepting, closes every client (they see the server close) and
    // calls done once they are closed or after a short wait.
    void Shutdown(std::function<void()> done);

private:
    struct TClient {
        QTcpSocket* Socket = nullptr;
        QTimer* Timer = nullptr;
        uint32_t Address = 0;
        QString Name;                   // address:port for the log
        std::deque<QByteArray> Queue;   // echoes not yet written
        bool InFlight = false;          // one echo written, not yet known to be taken
        bool Written = false;           // an echo has been written before
        qint64 WrittenAt = 0;           // ms on Clock, when the last echo was written
        qint64 Pending = 0;             // its bytes not yet acknowledged at the last look
        qint64 ProgressAt = 0;          // ms on Clock, last time Pending fell
        int PollMs = 1;
    };

    void Accept();
    void Read(TClient& client);
    void Broadcast(const QByteArray& echo);
    void Pump(TClient& client);
    void Check(TClient& client);
    void Drop(TClient& client, const std::string& why);
    void Forget(uint64_t id);
    int CountFrom(uint32_t address) const;
    void Journal(const QByteArray& echo);

    TServerOptions Options;
    std::function<void(const std::string&)> Log;
    QTcpServer* Server = nullptr;
    std::map<uint64_t, std::unique_ptr<TClient>> Clients;
    uint64_t LastId = 0;
    QElapsedTimer Clock;
    std::FILE* JournalFile = nullptr;
    bool JournalFailing = false;
    bool ShuttingDown = false;
};

// Load on the schedule server over loopback: N clients each send M adds, each
// add once the echo of its previous one has come back. Reports messages per
// second delivered to all clients, the longest time from a send to the last
// client's copy of its echo, and whether any echo was lost, split or merged
// (each read must hold exactly one whole echo).
//
//   kuralo_server_load [--clients 10,100,500] [--adds 2] [--gap-ms 5] [--timeout-s 60]
//
// The clients all live in this one process: when it cannot read every socket
// within the gap (a busy machine), echoes merge in its sockets and the run
// says so; a larger --gap-ms shows what the server does with time to spare.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpSocket>
#include <cstdio>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <string>
#include <vector>

#include "tests/NetTestUtil.h"

namespace {

struct TRun {
    int Clients = 0, Adds = 0, GapMs = 0;
    qint64 ElapsedMs = 0;
    long long Deliveries = 0, Expected = 0, Merged = 0, Wrong = 0, OutOfOrder = 0;
    double MaxDelayMs = 0;
    bool TimedOut = false;
};

std::string Add(int client, int n) {
    return "1,,2001,2001,04,05,,,[c" + std::to_string(client) + "m" + std::to_string(n) + "]";
}

// "1," + Add(client, n) -> client and n; false when the read is anything else.
bool ParseEcho(const QByteArray& read, int& client, int& n) {
    const QByteArray head = "1,1,,2001,2001,04,05,,,[c";
    if (!read.startsWith(head) || !read.endsWith(']') || read.count('[') != 1) return false;
    const QList<QByteArray> parts = read.mid(head.size(), read.size() - head.size() - 1).split('m');
    bool ok1 = false, ok2 = false;
    if (parts.size() != 2) return false;
    client = parts[0].toInt(&ok1);
    n = parts[1].toInt(&ok2);
    return ok1 && ok2;
}

TRun RunLoad(const QString& server, int clients, int adds, int gapMs, int timeoutS) {
    TRun run;
    run.Clients = clients;
    run.Adds = adds;
    run.GapMs = gapMs;
    run.Expected = static_cast<long long>(clients) * clients * adds;

    QProcess process;
    QString log;
    QObject::connect(&process, &QProcess::readyReadStandardError, [&] { log += process.readAllStandardError(); });
    const QString limit = QString::number(clients + 10);
    process.start(server, {"--listen", "127.0.0.1:0", "--gap-ms", QString::number(gapMs), "--max-clients", limit,
                           "--max-per-address", limit, "--queue-limit", "1000000"});
    if (!WaitUntil([&] { return log.contains("listening on 127.0.0.1:"); }, 5000)) {
        std::fprintf(stderr, "server did not start:\n%s\n", qPrintable(log));
        std::exit(1);
    }
    const int at = log.indexOf("listening on 127.0.0.1:") + 23;
    const quint16 port = static_cast<quint16>(log.mid(at, log.indexOf(' ', at) - at).toUInt());

    QElapsedTimer clock;
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    std::vector<int> sent(clients, 0);
    std::vector<std::vector<qint64>> sentAt(clients, std::vector<qint64>(adds, 0));
    std::vector<std::vector<int>> copies(clients, std::vector<int>(adds, 0));  // clients that got each echo
    std::vector<std::vector<int>> lastSeen(clients, std::vector<int>(clients, -1));  // [receiver][sender]
    auto send = [&](int i) {
        const std::string add = Add(i, sent[i]);
        sentAt[i][sent[i]++] = clock.elapsed();
        sockets[i]->write(add.data(), static_cast<qint64>(add.size()));
        sockets[i]->flush();
    };
    for (int i = 0; i < clients; ++i) {
        sockets.push_back(std::make_unique<QTcpSocket>());
        QTcpSocket* socket = sockets.back().get();
        QObject::connect(socket, &QTcpSocket::readyRead, [&, i, socket] {
            const QByteArray read = socket->readAll();  // one read of the socket
            const int on = 1;  // as the program's client does: acknowledge at once
            ::setsockopt(static_cast<int>(socket->socketDescriptor()), IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
            // A read holding more than one echo is counted as merged, and its
            // echoes still count, so that the run goes on.
            QList<QByteArray> echoes;
            for (qsizetype at = 0; at < read.size();) {
                qsizetype next = read.indexOf("1,1,,", at + 1);
                if (next < 0) next = read.size();
                echoes.push_back(read.mid(at, next - at));
                at = next;
            }
            if (echoes.size() > 1) ++run.Merged;
            for (const QByteArray& echo : echoes) {
                int from = 0, n = 0;
                if (!ParseEcho(echo, from, n) || from < 0 || from >= clients || n < 0 || n >= adds) {
                    ++run.Wrong;
                    continue;
                }
                ++run.Deliveries;
                if (n != lastSeen[i][from] + 1) ++run.OutOfOrder;
                lastSeen[i][from] = n;
                if (++copies[from][n] == clients)
                    run.MaxDelayMs = std::max(run.MaxDelayMs, double(clock.elapsed() - sentAt[from][n]));
                if (from == i && sent[i] < adds) send(i);
            }
        });
        socket->connectToHost(QHostAddress::LocalHost, port);
    }
    const QString all = "(" + QString::number(clients) + " clients)";
    if (!WaitUntil([&] { return log.contains(all); }, 20000)) {
        std::fprintf(stderr, "not all clients connected:\n%s\n", qPrintable(log.right(2000)));
        std::exit(1);
    }
    clock.start();
    for (int i = 0; i < clients; ++i) send(i);
    run.TimedOut = !WaitUntil([&] { return run.Deliveries >= run.Expected; }, timeoutS * 1000);
    run.ElapsedMs = clock.elapsed();
    WaitUntil([&] { return false; }, 200);  // anything arriving late counts as wrong
    process.terminate();
    process.waitForFinished(5000);
    return run;
}

std::vector<int> ParseList(const char* text) {
    std::vector<int> values;
    for (const QByteArray& part : QByteArray(text).split(',')) values.push_back(part.toInt());
    return values;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<int> clientCounts{10, 100, 500};
    int adds = 2, gapMs = 5, timeoutS = 60;
    QString server = KURALO_PROGRAM_DIR "/kuralo-server";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--clients") clientCounts = ParseList(argv[i + 1]);
        else if (name == "--adds") adds = std::atoi(argv[i + 1]);
        else if (name == "--gap-ms") gapMs = std::atoi(argv[i + 1]);
        else if (name == "--timeout-s") timeoutS = std::atoi(argv[i + 1]);
        else if (name == "--server") server = argv[i + 1];
    }
    adds = std::clamp(adds, 1, 1000);
    timeoutS = std::clamp(timeoutS, 1, 600);
    std::printf("%8s %6s %7s %10s %12s %14s %14s %s\n", "clients", "adds", "gap ms", "time s", "messages/s",
                "deliveries/s", "max delay ms", "result");
    bool clean = true;
    for (int clients : clientCounts) {
        clients = std::clamp(clients, 1, 1000);
        const TRun r = RunLoad(server, clients, adds, gapMs, timeoutS);
        const double seconds = r.ElapsedMs / 1000.0;
        const long long lost = r.Expected - r.Deliveries;
        const bool ok = lost == 0 && r.Merged == 0 && r.Wrong == 0 && r.OutOfOrder == 0;
        std::string result = ok ? "all delivered, none merged"
                                : "lost " + std::to_string(lost) + ", reads merged " + std::to_string(r.Merged) +
                                      ", unreadable " + std::to_string(r.Wrong) + ", out of order " +
                                      std::to_string(r.OutOfOrder);
        if (r.TimedOut) result += " (timed out)";
        clean = clean && ok;
        std::printf("%8d %6d %7d %10.2f %12.1f %14.0f %14.0f %s\n", r.Clients, r.Adds, r.GapMs, seconds,
                    r.Clients * r.Adds / seconds, r.Deliveries / seconds, r.MaxDelayMs, result.c_str());
        std::fflush(stdout);
    }
    return clean ? 0 : 1;
}

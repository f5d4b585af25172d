#pragma once
// The real kuralo-server, started on 127.0.0.1 and a free port, its log
// collected; killed at the end of the test if it still runs. And a plain
// client of it that keeps each read of its socket, to watch the wire.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTcpSocket>
#include <functional>
#include <string>
#include <vector>

#include "tests/NetTestUtil.h"

inline const char* const kServer = KURALO_PROGRAM_DIR "/kuralo-server";

class ServerProcess {
public:
    // Starts the server on 127.0.0.1 and a free port; extra options follow.
    bool Start(const QStringList& options) {
        QObject::connect(&Process, &QProcess::readyReadStandardError,
                         [this] { Log += Process.readAllStandardError(); });
        Process.start(kServer, QStringList{"--listen", "127.0.0.1:0"} + options);
        if (!WaitForLog("listening on 127.0.0.1:")) return false;
        const int at = Log.indexOf("listening on 127.0.0.1:") + 23;
        Port = static_cast<quint16>(Log.mid(at, Log.indexOf(' ', at) - at).toUInt());
        return Port != 0;
    }
    bool WaitForLog(const QString& text, int ms = 5000) {
        return WaitUntil([&] { return Log.contains(text); }, ms);
    }
    ~ServerProcess() {
        if (Process.state() != QProcess::NotRunning) {
            Process.kill();
            Process.waitForFinished(2000);
        }
    }
    QProcess Process;
    QString Log;
    quint16 Port = 0;
};

// A client that keeps each read of its socket as one chunk.
class Client {
public:
    explicit Client(quint16 port) {
        QObject::connect(&Socket, &QTcpSocket::readyRead, [this] {
            Reads.push_back(Socket.readAll().toStdString());
            if (OnRead) OnRead(Reads.back());
        });
        Socket.connectToHost(QHostAddress::LocalHost, port);
        Socket.waitForConnected(2000);
    }
    void Send(const std::string& message) {
        Socket.write(message.data(), static_cast<qint64>(message.size()));
        Socket.flush();
    }
    bool WaitForReads(std::size_t n, int ms = 5000) {
        return WaitUntil([&] { return Reads.size() >= n; }, ms);
    }
    bool WaitForClose(int ms = 3000) {
        return WaitUntil([&] { return Socket.state() == QAbstractSocket::UnconnectedState; }, ms);
    }
    QTcpSocket Socket;
    std::vector<std::string> Reads;
    std::function<void(const std::string&)> OnRead;
};

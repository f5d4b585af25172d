#pragma once
// The real kuralo-server, started on 127.0.0.1 and a free port, its log
// collected; killed at the end of the test if it still runs.
#include <QProcess>
#include <QString>
#include <QStringList>

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


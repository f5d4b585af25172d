// kuralo-server: the schedule server the Kuralo clients connect to.
#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include "server/ScheduleServer.h"

namespace {

int SignalPipe[2] = {-1, -1};

void OnSignal(int signal) {
    const char c = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(SignalPipe[1], &c, 1);
}

void Log(const std::string& line) {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::fprintf(stderr, "%s kuralo-server: %s\n", stamp, line.c_str());
    std::fflush(stderr);
}

// Each client holds a descriptor: allow as many as the system lets us.
void RaiseDescriptorLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const TParsedArgs parsed = ParseServerArgs(args);
    if (parsed.Help) {
        std::fputs(ServerUsage("kuralo-server").c_str(), stdout);
        return 0;
    }
    if (!parsed.Error.empty()) {
        std::fprintf(stderr, "kuralo-server: %s\n", parsed.Error.c_str());
        return 2;
    }
    const TServerOptions& o = parsed.Options;

    QCoreApplication app(argc, argv);
    RaiseDescriptorLimit();
    std::signal(SIGPIPE, SIG_IGN);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, SignalPipe) != 0) {
        std::perror("kuralo-server: socketpair");
        return 1;
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);

    TScheduleServer server(o, Log);
    if (!server.Start(QCoreApplication::applicationFilePath().toStdString())) {
        Log(server.Error);
        return 1;
    }
    std::string allow;
    for (const TNetwork& n : o.Allow)
        allow += (allow.empty() ? "" : " ") + FormatIPv4(n.Address) + "/" + std::to_string(n.PrefixLength);
    Log("listening on " + FormatIPv4(o.ListenAddress) + ":" + std::to_string(server.Port()) +
        " (allow " + (allow.empty() ? "all" : allow) + "; gap " + std::to_string(o.GapMs) +
        " ms; at most " + std::to_string(o.MaxClients) + " clients, " + std::to_string(o.MaxClientsPerAddress) +
        " per address" + (o.Journal.empty() ? "" : "; journal " + o.Journal) + ")");

    QSocketNotifier notifier(SignalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        char c = 0;
        if (::read(SignalPipe[0], &c, 1) != 1) return;
        notifier.setEnabled(false);
        Log(std::string("shutting down (") + (c == SIGINT ? "SIGINT" : "SIGTERM") + ")");
        server.Shutdown([&] {
            Log("stopped");
            app.quit();
        });
    });
    return app.exec();
}

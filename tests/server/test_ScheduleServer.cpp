// The real kuralo-server, started on a free loopback port, with clients of
// this process reading every echo as it arrives.
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/Files.h"
#include "platform/TCPClient.h"
#include "tests/NetTestUtil.h"
#include "tests/server/ServerProcess.h"
#include "tests/TestUtil.h"

namespace {

std::string Add(const std::string& who, int n) {
    return "1,,2001,2001,04," + std::to_string(10 + n) + ",,,[" + who + S(u8"年休") + "]";
}

TEST(ScheduleServer, EchoesToEveryClientInOrderOneReadEach) {
    TempFolder folder;
    const std::string journal = folder.File("journal.txt");
    ServerProcess server;
    ASSERT_TRUE(server.Start({"--gap-ms", "100", "--journal", QString::fromStdString(journal)}));
    Client a(server.Port), b(server.Port), watcher(server.Port);
    ASSERT_TRUE(server.WaitForLog("(3 clients)"));

    // a and b send at the same time, each its next message once the echo of
    // its previous one has come back.
    const int perSender = 5;
    for (auto [client, who] : {std::pair{&a, std::string("A")}, std::pair{&b, std::string("B")}}) {
        auto sent = std::make_shared<int>(1);
        client->OnRead = [client, who, sent](const std::string& read) {
            if (read == "1," + Add(who, *sent - 1) && *sent < perSender) client->Send(Add(who, (*sent)++));
        };
        client->Send(Add(who, 0));
    }
    for (Client* c : {&a, &b, &watcher}) ASSERT_TRUE(c->WaitForReads(2 * perSender)) << c->Reads.size();

    // Every read is one whole echo; all clients saw the same order; each
    // sender's messages kept theirs.
    EXPECT_EQ(a.Reads, watcher.Reads);
    EXPECT_EQ(b.Reads, watcher.Reads);
    std::vector<std::string> fromA, fromB;
    for (const std::string& read : watcher.Reads) (read.find("[A") != std::string::npos ? fromA : fromB).push_back(read);
    for (int i = 0; i < perSender; ++i) {
        EXPECT_EQ(fromA.at(i), "1," + Add("A", i));
        EXPECT_EQ(fromB.at(i), "1," + Add("B", i));
    }
    // The journal holds the same messages, one a line, in the same order.
    std::string expected;
    for (const std::string& read : watcher.Reads) expected += read + "\n";
    EXPECT_EQ(ReadWholeFile(journal), expected);
}

TEST(ScheduleServer, RefusesMessagesItCannotPassOn) {
    ServerProcess server;
    ASSERT_TRUE(server.Start({"--gap-ms", "10"}));
    Client sender(server.Port), other(server.Port);
    ASSERT_TRUE(server.WaitForLog("(2 clients)"));
    const std::string refused[] = {std::string(1023, 'x'), "1,,2001,2001,04,05,,,[a\r\nb]"};
    for (const std::string& message : refused) {
        sender.Send(message);
        ASSERT_TRUE(WaitUntil([&] { return server.Log.count("refused a message from 127.0.0.1:") ==
                                           (&message - refused) + 1; }));
    }
    EXPECT_TRUE(server.Log.contains("longer than 1022 bytes (1023)"));
    const std::string longest(1022, 'y');
    sender.Send(longest);
    ASSERT_TRUE(other.WaitForReads(1));
    ASSERT_TRUE(sender.WaitForReads(1));
    EXPECT_EQ(other.Reads, std::vector<std::string>{"1," + longest});
    EXPECT_EQ(sender.Reads, other.Reads);
}

TEST(ScheduleServer, AdmitsAllowedNetworksWithinTheLimits) {
    struct Case { QStringList options; bool firstAdmitted, secondAdmitted; const char* refusal; };
    const Case cases[] = {
        {{"--allow", "10.0.0.0/8"}, false, false, "not in the allowed networks"},
        {{"--allow", "10.0.0.0/8", "--allow", "127.0.0.0/8"}, true, true, ""},
        {{"--max-per-address", "1"}, true, false, "clients from this address (--max-per-address)"},
        {{"--max-clients", "1"}, true, false, "(--max-clients)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        ServerProcess server;
        ASSERT_TRUE(server.Start(c.options + QStringList{"--gap-ms", "10"}));
        Client first(server.Port);
        const QString firstName = "127.0.0.1:" + QString::number(first.Socket.localPort());
        ASSERT_TRUE(server.WaitForLog(" " + firstName));
        Client second(server.Port);
        const QString secondName = "127.0.0.1:" + QString::number(second.Socket.localPort());
        ASSERT_TRUE(server.WaitForLog(" " + secondName));
        for (auto [client, admitted, name] : {std::tuple{&first, c.firstAdmitted, firstName},
                                              std::tuple{&second, c.secondAdmitted, secondName}}) {
            if (admitted) {
                EXPECT_TRUE(server.Log.contains("connect " + name));
                client->Send("1,,x");
                EXPECT_TRUE(client->WaitForReads(1));
            } else {
                EXPECT_TRUE(client->WaitForClose());
                EXPECT_TRUE(server.Log.contains("refused " + name + ": ")) << server.Log.toStdString();
                EXPECT_TRUE(server.Log.contains(c.refusal));
            }
        }
    }
}

// A client that connects and never reads, with a receive buffer so small
// that it is full after a few messages.
class NonReader {
public:
    explicit NonReader(quint16 port) {
        Fd = ::socket(AF_INET, SOCK_STREAM, 0);
        const int size = 1024;
        ::setsockopt(Fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        Connected = ::connect(Fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        sockaddr_in local{};
        socklen_t length = sizeof local;
        ::getsockname(Fd, reinterpret_cast<sockaddr*>(&local), &length);
        Name = "127.0.0.1:" + QString::number(ntohs(local.sin_port));
    }
    ~NonReader() { ::close(Fd); }
    int Fd = -1;
    bool Connected = false;
    QString Name;
};

TEST(ScheduleServer, DropsAClientThatDoesNotReadWhileTheOthersGoOn) {
    struct Case { QStringList options; const char* why; };
    const Case cases[] = {
        {{"--queue-limit", "5", "--write-timeout-ms", "60000"}, "it does not keep up"},
        {{"--queue-limit", "100000", "--write-timeout-ms", "300"}, "it took nothing for"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ServerProcess server;
        ASSERT_TRUE(server.Start(c.options + QStringList{"--gap-ms", "20"}));
        Client sender(server.Port), other(server.Port);
        NonReader stuck(server.Port);
        ASSERT_TRUE(stuck.Connected);
        ASSERT_TRUE(server.WaitForLog("(3 clients)"));
        const QString dropped = "disconnect " + stuck.Name + ": " + c.why;
        // Messages one after another until the server gives up on the stuck client.
        const std::string padding(300, 'p');
        int sent = 0;
        sender.OnRead = [&](const std::string&) {
            if (!server.Log.contains(dropped) && sent < 2000) sender.Send(Add(padding, sent++));
        };
        sender.Send(Add(padding, sent++));
        ASSERT_TRUE(server.WaitForLog(dropped, 10000)) << server.Log.toStdString();
        // The others go on receiving, everything, in order.
        sender.Send("1,,after");
        std::string expected;
        for (int i = 0; i < sent; ++i) expected += "1," + Add(padding, i);
        expected += "1,1,,after";
        for (Client* c : {&sender, &other}) {
            std::string received;
            ASSERT_TRUE(WaitUntil([&] {
                received.clear();
                for (const std::string& read : c->Reads) received += read;
                return received.size() >= expected.size();
            }));
            EXPECT_EQ(received, expected);
        }
    }
}

TEST(ScheduleServer, DropsAClientThatSendsWithoutTakingItsEchoes) {
    ServerProcess server;
    ASSERT_TRUE(server.Start({"--gap-ms", "10", "--queue-limit", "3"}));
    NonReader flooder(server.Port);
    Client other(server.Port);
    ASSERT_TRUE(server.WaitForLog("(2 clients)"));
    const QString dropped = "disconnect " + flooder.Name + ": it sends faster than it takes its echoes";
    const std::string message = Add(std::string(300, 'f'), 0);
    int sent = 0;
    while (!server.Log.contains(dropped) && sent < 200) {
        ASSERT_EQ(::send(flooder.Fd, message.data(), message.size(), MSG_NOSIGNAL), ssize_t(message.size()));
        ++sent;
        WaitUntil([] { return false; }, 30);  // apart, so that each is a read of its own
    }
    ASSERT_TRUE(server.Log.contains(dropped)) << server.Log.toStdString();
    // The other client was not dropped with it and still receives.
    EXPECT_FALSE(server.Log.contains("disconnect 127.0.0.1:" + QString::number(other.Socket.localPort())));
    Client late(server.Port);
    ASSERT_TRUE(server.WaitForLog("connect 127.0.0.1:" + QString::number(late.Socket.localPort())));
    late.Send("1,,late");
    EXPECT_TRUE(WaitUntil([&] { return !other.Reads.empty() && other.Reads.back().ends_with("1,1,,late"); }));
}

// The program's own client link against the real server: every echo is one
// data event, and stopping the server is a close event.
TEST(ScheduleServer, ProgramClientsGetEachEchoAsOneDataEventThenTheClose) {
    ServerProcess server;
    ASSERT_TRUE(server.Start({"--gap-ms", "50"}));
    struct Link {
        TTCPClient Client;
        std::vector<std::string> Events;
    };
    Link links[2];
    for (Link& link : links) {
        link.Client.Port = std::to_string(server.Port);
        link.Client.OnConnect = [&link](TTCPClient*) { link.Events.push_back("connect"); };
        link.Client.OnData = [&link](TTCPClient*, const std::string& data) { link.Events.push_back(data); };
        link.Client.OnClose = [&link](TTCPClient*) { link.Events.push_back("close"); };
        link.Client.OnError = [&link](TTCPClient*, int, const std::string&) { link.Events.push_back("error"); };
        link.Client.Open();
    }
    ASSERT_TRUE(WaitUntil([&] { return links[0].Events.size() == 1 && links[1].Events.size() == 1; }));
    const std::string add = S(u8"1,,2001,2001,04,05,,,[山田年休]");
    const std::string del = S(u8"2,3,2001,2001,04,05,,,[山田年休]");
    links[0].Client.SendText(add);
    ASSERT_TRUE(WaitUntil([&] { return links[0].Events.size() == 2 && links[1].Events.size() == 2; }));
    links[1].Client.SendText(del);
    ASSERT_TRUE(WaitUntil([&] { return links[0].Events.size() == 3 && links[1].Events.size() == 3; }));
    server.Process.terminate();
    ASSERT_TRUE(WaitUntil([&] { return links[0].Events.size() == 4 && links[1].Events.size() == 4; }));
    for (Link& link : links) {
        EXPECT_EQ(link.Events, links[0].Events);
        EXPECT_EQ(link.Client.State(), TTCPClient::TState::Idle);
    }
    EXPECT_EQ(links[0].Events, (std::vector<std::string>{"connect", "1," + add, "1," + del, "close"}));
}

TEST(ScheduleServer, TerminationClosesEveryClient) {
    ServerProcess server;
    ASSERT_TRUE(server.Start({}));
    Client a(server.Port), b(server.Port);
    ASSERT_TRUE(server.WaitForLog("(2 clients)"));
    server.Process.terminate();  // SIGTERM
    EXPECT_TRUE(a.WaitForClose());
    EXPECT_TRUE(b.WaitForClose());
    ASSERT_TRUE(WaitUntil([&] { return server.Process.state() == QProcess::NotRunning; }));
    EXPECT_EQ(server.Process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server.Process.exitCode(), 0);
    server.Log += server.Process.readAllStandardError();
    EXPECT_TRUE(server.Log.contains("shutting down (SIGTERM)"));
    EXPECT_TRUE(server.Log.endsWith("kuralo-server: stopped\n")) << server.Log.toStdString();
}

TEST(ScheduleServer, StartFailuresExplainAndExitNonZero) {
    QTcpServer occupier;
    ASSERT_TRUE(occupier.listen(QHostAddress::LocalHost, 0));
    const QString taken = "127.0.0.1:" + QString::number(occupier.serverPort());
    struct Case { QStringList args; int exitCode; const char* says; };
    const Case cases[] = {
        {{"--listen", taken}, 1, "the port is in use"},
        {{"--listen", "192.0.2.1:0"}, 1, "192.0.2.1 is not an address of this machine"},
        {{"--listen", "127.0.0.1:0", "--journal", "/nonexistent-folder/journal"}, 1, "cannot open the journal"},
        {{"--listen", "localhost:901"}, 2, "not an IPv4 address"},
        {{"--no-such-option"}, 2, "unknown option"},
        {{"--help"}, 0, "--allow NETWORK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QProcess process;
        process.start(kServer, c.args);
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitCode(), c.exitCode);
        const QString output = process.readAllStandardError() + process.readAllStandardOutput();
        EXPECT_TRUE(output.contains(c.says)) << output.toStdString();
    }
}

}  // namespace

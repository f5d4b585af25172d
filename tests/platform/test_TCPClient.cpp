// TTCPClient against an in-process server on a free loopback port.
#include "platform/TCPClient.h"

#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "tests/NetTestUtil.h"
#include "tests/TestUtil.h"

namespace {

constexpr int kWaitMs = 5000;

// Records every event of a client as text, e.g. "connect", "data:abc", "close".
class TCPClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Server.listen(QHostAddress::LocalHost, 0));
        Client.Host = "127.0.0.1";
        Client.Port = std::to_string(Server.serverPort());
        Client.OnConnect = [this](TTCPClient* sender) {
            EXPECT_EQ(sender, &Client);
            Events.push_back("connect");
        };
        Client.OnData = [this](TTCPClient*, const std::string& data) {
            EXPECT_LE(data.size(), std::size_t(TTCPClient::kMaxReceive));
            EXPECT_FALSE(data.empty());
            Received += data;
            Events.push_back("data:" + data);
        };
        Client.OnClose = [this](TTCPClient*) { Events.push_back("close"); };
        Client.OnError = [this](TTCPClient*, int error, const std::string& msg) {
            EXPECT_FALSE(msg.empty());
            Errors.push_back(error);
            Events.push_back("error");
        };
    }

    // Opens the client and answers the server's side of the connection.
    QTcpSocket* Connect() {
        Client.Open();
        if (!WaitUntil([&] { return Server.hasPendingConnections(); }, kWaitMs)) return nullptr;
        QTcpSocket* peer = Server.nextPendingConnection();
        EXPECT_TRUE(WaitUntil([&] { return Has("connect"); }, kWaitMs));
        return peer;
    }
    bool Has(const std::string& event) const {
        return std::find(Events.begin(), Events.end(), event) != Events.end();
    }
    bool WaitFor(const std::string& event) {
        return WaitUntil([&] { return Has(event); }, kWaitMs);
    }

    QTcpServer Server;
    TTCPClient Client;
    std::vector<std::string> Events;
    std::vector<int> Errors;
    std::string Received;
};

TEST_F(TCPClientTest, ConnectsAndReportsBothEnds) {
    QTcpSocket* peer = Connect();
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(Events, std::vector<std::string>{"connect"});
    EXPECT_EQ(Client.State(), TTCPClient::TState::Connected);
    EXPECT_EQ(Client.PeerAddress(), "127.0.0.1");
    EXPECT_EQ(Client.LocalPort(), peer->peerPort());
}

TEST_F(TCPClientTest, OpenOnlyWhenIdle) {
    Client.Open();
    Client.Open();  // while connecting
    ASSERT_TRUE(WaitFor("connect"));
    Client.Open();  // while connected
    QTest::qWait(100);
    EXPECT_EQ(Events, std::vector<std::string>{"connect"});
    ASSERT_TRUE(Server.hasPendingConnections());
    Server.nextPendingConnection();
    EXPECT_FALSE(Server.hasPendingConnections());

    Client.Close();
    EXPECT_EQ(Client.State(), TTCPClient::TState::Idle);
    Client.Open();  // idle again: a new connection
    EXPECT_TRUE(WaitUntil([&] { return Server.hasPendingConnections(); }, kWaitMs));
}

TEST_F(TCPClientTest, EachWriteOfTheServerIsOneDataEvent) {
    QTcpSocket* peer = Connect();
    ASSERT_NE(peer, nullptr);
    const std::string first = "1," + S(u8"1,,2001,2001,04,05,,,[山田年休]");
    peer->write(first.data(), first.size());
    ASSERT_TRUE(WaitFor("data:" + first));
    peer->write("0,sato");
    ASSERT_TRUE(WaitFor("data:0,sato"));
    EXPECT_EQ(Events, (std::vector<std::string>{"connect", "data:" + first, "data:0,sato"}));
}

TEST_F(TCPClientTest, LongDataComesInPiecesOfAtMost1024InOrder) {
    QTcpSocket* peer = Connect();
    ASSERT_NE(peer, nullptr);
    // Far more than the client keeps in memory at once, so that reading
    // must resume from the system as pieces are taken.
    std::string sent;
    for (int i = 0; sent.size() < 300000; ++i) sent += std::to_string(i) + ",";
    peer->write(sent.data(), sent.size());
    ASSERT_TRUE(WaitUntil([&] { return Received.size() >= sent.size(); }, kWaitMs));
    EXPECT_EQ(Received, sent);
    EXPECT_GE(Events.size(), 1 + sent.size() / TTCPClient::kMaxReceive);
}

TEST_F(TCPClientTest, SendsTextAsIs) {
    QTcpSocket* peer = Connect();
    ASSERT_NE(peer, nullptr);
    const std::string message = S(u8"1,,2001,2001,04,05,,,[山田年休]");
    Client.SendText(message);
    ASSERT_TRUE(WaitUntil([&] { return peer->bytesAvailable() >= qint64(message.size()); }, kWaitMs));
    EXPECT_EQ(peer->readAll().toStdString(), message);
}

TEST_F(TCPClientTest, ServerCloseComesAfterTheLastBytes) {
    QTcpSocket* peer = Connect();
    ASSERT_NE(peer, nullptr);
    peer->write("1,last");
    peer->flush();
    peer->disconnectFromHost();
    ASSERT_TRUE(WaitFor("close"));
    EXPECT_EQ(Events, (std::vector<std::string>{"connect", "data:1,last", "close"}));
    EXPECT_EQ(Client.State(), TTCPClient::TState::Idle);
}

TEST_F(TCPClientTest, FailuresReportAnErrorAndLeaveIdle) {
    struct Case { const char* name; std::function<void()> act; int error; };
    const Case cases[] = {
        {"nothing listening",
         [&] {
             const std::string port = Client.Port;
             Server.close();
             Client.Port = port;
             Client.Open();
         },
         QAbstractSocket::ConnectionRefusedError},
        {"unknown service", [&] { Client.Port = "no-such-service"; Client.Open(); },
         QAbstractSocket::HostNotFoundError},
        {"send while idle", [&] { Client.SendText("1,,x"); }, QAbstractSocket::OperationError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Events.clear();
        Errors.clear();
        c.act();
        ASSERT_TRUE(WaitFor("error"));
        QTest::qWait(50);
        EXPECT_EQ(Events, std::vector<std::string>{"error"});
        EXPECT_EQ(Errors, std::vector<int>{c.error});
        EXPECT_EQ(Client.State(), TTCPClient::TState::Idle);
    }
}

TEST(TCPClientPort, DecimalOrServiceName) {
    EXPECT_EQ(TTCPClient::ResolvePort("901"), 901);
    EXPECT_EQ(TTCPClient::ResolvePort("65535"), 65535);
    EXPECT_EQ(TTCPClient::ResolvePort("http"), 80);
    for (const char* bad : {"", "0", "65536", "123456", "-1", " 901", "no-such-service"})
        EXPECT_EQ(TTCPClient::ResolvePort(bad), -1) << bad;
}

TEST_F(TCPClientTest, CloseStopsEveryFurtherEvent) {
    QTcpSocket* peer = Connect();
    ASSERT_NE(peer, nullptr);
    Client.OnData = [this](TTCPClient* sender, const std::string&) {
        Events.push_back("data");
        sender->Close();
    };
    peer->write(std::string(5000, 'x').c_str());
    ASSERT_TRUE(WaitFor("data"));
    // The server sees the client leave; the client reports nothing more.
    EXPECT_TRUE(WaitUntil([&] { return peer->state() == QAbstractSocket::UnconnectedState; }, kWaitMs));
    QTest::qWait(100);
    EXPECT_EQ(Events, (std::vector<std::string>{"connect", "data"}));
    EXPECT_EQ(Client.State(), TTCPClient::TState::Idle);
}

// A handler that opens a modal dialog runs a nested event loop; bytes and the
// close that arrive meanwhile must wait for it, in order, never re-entering.
TEST_F(TCPClientTest, NestedEventLoopInAHandlerDoesNotReenter) {
    QTcpSocket* peer = Connect();
    ASSERT_NE(peer, nullptr);
    int depth = 0, deepest = 0;
    Client.OnData = [&](TTCPClient*, const std::string& data) {
        ++depth;
        deepest = std::max(deepest, depth);
        Events.push_back("data:" + data);
        if (data == "1,a") {
            // The "dialog": meanwhile the server sends more and closes.
            QTimer::singleShot(20, peer, [&] { peer->write("1,b"); peer->flush(); });
            QTimer::singleShot(120, peer, [&] { peer->write("1,c"); peer->disconnectFromHost(); });
            QEventLoop dialog;
            QTimer::singleShot(300, &dialog, &QEventLoop::quit);
            dialog.exec();
            Events.push_back("dialog closed");
        }
        --depth;
    };
    peer->write("1,a");
    ASSERT_TRUE(WaitFor("close"));
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(Events, (std::vector<std::string>{"connect", "data:1,a", "dialog closed", "data:1,b", "data:1,c",
                                                "close"}));
}

}  // namespace

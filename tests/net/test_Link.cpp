// Programs linked through the real kuralo-server (or a server played in
// process): what each client's store, list, file and status text become.
#include <QDir>
#include <QTemporaryDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

#include "app/Form1.h"
#include "app/Program.h"
#include "calendar/CalEx.h"
#include "net/Messages.h"
#include "platform/DateTime.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/ProListBox.h"
#include "platform/SysUtils.h"
#include "platform/TCPClient.h"
#include "schedule/EntryLine.h"
#include "settings/Form5.h"
#include "settings/IniFile.h"
#include "tests/NetTestUtil.h"
#include "tests/TestUtil.h"
#include "tests/server/ServerProcess.h"

namespace {

// A program folder in memory where the system has such a file system: the
// file syncs of every save then take no time, and each echo is handled well
// within the server's gap between two messages.
class MemoryFolder {
public:
    MemoryFolder()
        : dir_(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/kuralo-XXXXXX")
                                         : QDir::tempPath() + QStringLiteral("/kuralo-XXXXXX")) {}
    std::string Path() const { return dir_.path().toStdString(); }
    std::string File(const std::string& name) const { return Path() + "/" + name; }

private:
    QTemporaryDir dir_;
};

// One program in its own folder, its settings pointing at the server.
struct ClientProgram {
    explicit ClientProgram(quint16 port, const std::string& yotei = {}) {
        if (!yotei.empty()) WriteFileAtomic(tmp.File("yotei.dat"), yotei);
        WriteFileAtomic(tmp.File("Kuralo.ini"),
                        "[NetWork]\r\nServer=127.0.0.1\r\nPort=" + std::to_string(port) + "\r\n");
        program = std::make_unique<TProgram>(tmp.Path());
        form = &program->Form1();
        QObject::connect(form, &TForm1::Closed, [this] { ++closed; });
        // Counts the messages the program has been handed.
        auto handle = form->TCPClient1->OnData;
        form->TCPClient1->OnData = [this, handle](TTCPClient* sender, const std::string& data) {
            ++received;
            handle(sender, data);
        };
        form->FormActivate();
    }
    bool WaitLoggedIn() {
        return WaitUntil([&] { return Status().endsWith(QStringLiteral("にログインしました。")); });
    }
    QString Status() const { return form->StatusBar1->PanelText(0); }
    std::string File() const { return ReadWholeFile(tmp.File("yotei.dat")); }
    std::string Store() const { return form->MonthlyCalendar1->SpecialDayList().Text(); }
    int Count() const { return form->ListBox1->Count(); }
    void Send(const std::string& message) { form->TCPClient1->SendText(message); }

    MemoryFolder tmp;
    std::unique_ptr<TProgram> program;
    TForm1* form = nullptr;
    int closed = 0;
    int received = 0;
};

struct LinkFixture : ::testing::Test {
    LinkFixture() {
        using namespace std::chrono;
        SetClock([] { return system_clock::time_point(sys_days(year(2001) / 4 / 11) + hours(12)); });
    }
    ~LinkFixture() override {
        EXPECT_TRUE(script.UnscriptedTexts.isEmpty()) << script.UnscriptedTexts.join('|').toStdString();
        SetClock({});
    }
    // The server and two programs logged in to it.
    void StartBoth(const std::string& yoteiB = {}) {
        ASSERT_TRUE(server.Start({"--gap-ms", "20"}));
        a = std::make_unique<ClientProgram>(server.Port);
        b = std::make_unique<ClientProgram>(server.Port, yoteiB);
        ASSERT_TRUE(a->WaitLoggedIn());
        ASSERT_TRUE(b->WaitLoggedIn());
    }
    // Sends from `from` and waits until both programs have handled the echo.
    void SendAndWait(ClientProgram& from, const std::string& message) {
        const int before[] = {a->received, b->received};
        from.Send(message);
        ASSERT_TRUE(WaitUntil([&] { return a->received > before[0] && b->received > before[1]; }));
    }

    TDialogScript script;
    ServerProcess server;
    std::unique_ptr<ClientProgram> a, b;
};

const QString kUpdated = QStringLiteral("予定データがにより更新されました。");

TEST_F(LinkFixture, AnAddAppearsOnBothClientsByteExact) {
    StartBoth();
    EXPECT_EQ(a->Status().toStdString(),
              LoginStatusText("127.0.0.1", a->form->TCPClient1->LocalPort()));
    // Trail bytes 0x5C (表, ソ, 能), an NEC row character and a half-width kana.
    const std::string entry = MakeEntryLine(2001, 4, 5, S(u8"表ソ能①ｱ年休"));
    a->Send(AddMessage(entry));
    // Nothing changes before the server's echo arrives.
    EXPECT_EQ(a->Count(), 0);
    ASSERT_TRUE(WaitUntil([&] { return a->Count() == 1 && b->Count() == 1; }));
    for (ClientProgram* c : {a.get(), b.get()}) {
        EXPECT_EQ(c->File(), entry + "\r\n");
        EXPECT_EQ(c->Store(), entry + "\r\n");
        EXPECT_EQ(c->form->ListBox1->Strings(0), S(u8"2001年04月05日[表ソ能①ｱ年休]"));
        EXPECT_TRUE(c->form->WeeklyCalendar1->GetDayKinds(2001, 4, 5) & dkSpecialDay);
        EXPECT_EQ(c->Status(), kUpdated);
    }
}

TEST_F(LinkFixture, ADeleteByPositionRemovesTheSameEntryEverywhere) {
    StartBoth();
    const std::string entries[] = {MakeEntryLine(2001, 4, 12, S(u8"佐藤出張")),
                                   MakeEntryLine(2001, 4, 5, S(u8"山田年休")),
                                   MakeEntryLine(2001, 4, 20, S(u8"鈴木午前半休"))};
    for (const std::string& e : entries) SendAndWait(*a, AddMessage(e));
    ASSERT_EQ(b->Count(), 3);
    // B deletes its second list line: 04-12, the first line of the file.
    const std::string line = b->form->ListBox1->Strings(1);
    SendAndWait(*b, DeleteMessage(1, EntryLineOfListLine(line)));
    const std::string expected = entries[1] + "\r\n" + entries[2] + "\r\n";
    for (ClientProgram* c : {a.get(), b.get()}) {
        EXPECT_EQ(c->File(), expected);
        EXPECT_EQ(c->form->DailyCalendar1->SpecialDayList().Text(), expected);
        EXPECT_EQ(c->form->ListBox1->Lines(),
                  (std::vector<std::string>{S(u8"2001年04月05日[山田年休]"), S(u8"2001年04月20日[鈴木午前半休]")}));
    }
}

TEST_F(LinkFixture, ADriftedClientDeletesTheEntryTheMessageNames) {
    // B has an entry of its own that sorts first: its positions are one off.
    const std::string own = MakeEntryLine(2001, 4, 1, S(u8"自分"));
    StartBoth(own + "\r\n");
    const std::string x = MakeEntryLine(2001, 4, 5, S(u8"X"));
    const std::string y = MakeEntryLine(2001, 4, 6, S(u8"Y"));
    SendAndWait(*a, AddMessage(x));
    SendAndWait(*a, AddMessage(y));
    // A deletes Y, at position 1 of its list; position 1 of B's list is X.
    SendAndWait(*a, DeleteMessage(1, y));
    EXPECT_EQ(a->File(), x + "\r\n");
    EXPECT_EQ(b->File(), own + "\r\n" + x + "\r\n");
    EXPECT_EQ(b->Count(), 2);
    // An entry line that is in neither store deletes nothing anywhere, whatever
    // the position says; the files are saved all the same.
    const std::string files[] = {a->File(), b->File()};
    std::remove(a->tmp.File("yotei.dat").c_str());
    std::remove(b->tmp.File("yotei.dat").c_str());
    SendAndWait(*a, DeleteMessage(0, MakeEntryLine(2001, 12, 31, "none")));
    EXPECT_EQ(a->File(), files[0]);
    EXPECT_EQ(b->File(), files[1]);
}

TEST_F(LinkFixture, ConcurrentAddsArriveCompleteAndInOneOrder) {
    StartBoth();
    const int perClient = 50;
    // Each client sends its next add once the echo of its previous one is in.
    for (ClientProgram* c : {a.get(), b.get()}) {
        const std::string who = c == a.get() ? "A" : "B";
        auto sent = std::make_shared<int>(0);
        auto add = [who](int n) { return AddMessage(MakeEntryLine(2001, 1 + n % 12, 1 + n % 28, who + IntToStr(n))); };
        TTCPClient* link = c->form->TCPClient1;
        auto handle = link->OnData;
        link->OnData = [handle, link, sent, add](TTCPClient* sender, const std::string& data) {
            handle(sender, data);
            if (data == DataMessage(add(*sent - 1)) && *sent < perClient) link->SendText(add((*sent)++));
        };
        link->SendText(add((*sent)++));
    }
    ASSERT_TRUE(WaitUntil([&] { return a->Count() == 2 * perClient && b->Count() == 2 * perClient; }, 20000))
        << a->Count() << " " << b->Count();
    EXPECT_EQ(a->Store(), b->Store());
    EXPECT_EQ(a->File(), b->File());
    EXPECT_EQ(a->File(), a->Store());
    // Each sender's adds kept their order.
    const auto lines = a->form->MonthlyCalendar1->SpecialDayList().Lines();
    int next[2] = {0, 0};
    for (const std::string& line : lines) {
        const int who = line.find("[A") != std::string::npos ? 0 : 1;
        EXPECT_NE(line.find(std::string(who ? "[B" : "[A") + IntToStr(next[who]++) + "]"), std::string::npos) << line;
    }
    EXPECT_EQ(next[0], perClient);
    EXPECT_EQ(next[1], perClient);
}

TEST_F(LinkFixture, StoppingTheServerEndsBothClients) {
    StartBoth();
    script.Press().Press();
    server.Process.terminate();
    ASSERT_TRUE(WaitUntil([&] { return a->closed == 1 && b->closed == 1; }));
    EXPECT_EQ(script.Texts(), QStringList({"サーバーエラーです。クローズします", "サーバーエラーです。クローズします"}));
    EXPECT_EQ(script.Log()[0].Type, TMsgDlgType::mtError);
    for (ClientProgram* c : {a.get(), b.get()}) {
        EXPECT_EQ(c->form->TCPClient1->State(), TTCPClient::TState::Idle);
        // The close sequence wrote the skin name and the position.
        EXPECT_EQ(TIniGT(c->tmp.File("Kuralo.ini")).ReadString("Skin", "Path", ""), "Default");
    }
}

TEST_F(LinkFixture, NoServerListeningShowsTheFailureSequenceAndEnds) {
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    bool settingsShown = false;
    script.Press().Act([&](QDialog& d) { settingsShown = d.isVisible(); }).Press();
    ClientProgram c(port);
    ASSERT_TRUE(WaitUntil([&] { return c.closed == 1; }));
    EXPECT_TRUE(settingsShown);
    EXPECT_EQ(script.Texts(), QStringList({"接続が確立されませんでした", "設定", "設定反映のために一度終了します。"}));
    EXPECT_FALSE(FileExists(c.tmp.File("yotei.dat")));
}

// A server played in process, for what kuralo-server never sends.
TEST_F(LinkFixture, NoticesShortMessagesAndUnreadableEntries) {
    QTcpServer fake;
    ASSERT_TRUE(fake.listen(QHostAddress::LocalHost, 0));
    ClientProgram c(fake.serverPort());
    ASSERT_TRUE(WaitUntil([&] { return fake.hasPendingConnections(); }));
    QTcpSocket* peer = fake.nextPendingConnection();
    ASSERT_TRUE(c.WaitLoggedIn());
    const QString login = c.Status();
    auto send = [&](const std::string& m) {
        peer->write(m.data(), static_cast<qint64>(m.size()));
        peer->flush();
    };

    // Too few fields: not applied, not saved, no status text.
    send("1,1,,2001,2001,04,05");
    WaitUntil([] { return false; }, 100);
    EXPECT_EQ(c.Status(), login);
    EXPECT_FALSE(FileExists(c.tmp.File("yotei.dat")));

    // A notice names who changed the schedule; the store stays, the file is saved.
    send(S(u8"0,佐藤"));
    ASSERT_TRUE(WaitUntil([&] { return c.Status() != login; }));
    EXPECT_EQ(c.Status(), "予定データが佐藤により更新されました。");
    EXPECT_EQ(c.File(), "");

    // An entry the calendars cannot read is kept and saved, and reported.
    script.Press();
    send("1,1,,2001,2001,04,xx,,,[bad]");
    ASSERT_TRUE(WaitUntil([&] { return c.Count() == 1; }));
    EXPECT_EQ(c.File(), "2001,2001,04,xx,,,[bad]\r\n");
    EXPECT_EQ(c.Status(), kUpdated);
    ASSERT_EQ(script.Texts().size(), 1);
    EXPECT_TRUE(script.Texts()[0].contains("'xx' は整数ではありません")) << script.Texts()[0].toStdString();
}

}  // namespace

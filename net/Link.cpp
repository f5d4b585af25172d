// The client side of the server link on the main window. The store changes
// only through what the server echoes back; every applied message is saved.
#include "app/Form1.h"
#include "app/Program.h"
#include "net/Messages.h"
#include "platform/Dialogs.h"
#include "platform/Exception.h"
#include "platform/ProListBox.h"
#include "platform/Sjis.h"
#include "platform/TCPClient.h"
#include "schedule/EntryLine.h"
#include "settings/Form5.h"

void TForm1::TCPClient1Connect() {
    StatusBar1->SetPanelText(
        0, QString::fromStdString(LoginStatusText(TCPClient1->PeerAddress(), TCPClient1->LocalPort())));
}

void TForm1::TCPClient1Data(const std::string& data) {
    const TReceivedMessage m = ParseMessage(data);
    switch (m.Kind) {
    case TMessageKind::Invalid:
        return;  // too few fields: not applied, not saved, no status text
    case TMessageKind::Add:
        AddEntryLine(m.EntryLine);
        break;
    case TMessageKind::Delete: {
        if (m.Position == -1) break;
        // The position is in the sender's list. While this list agrees with
        // it, the line there is the entry the message carries; when it has
        // drifted, the carried entry line names the entry instead.
        const bool inList = m.Position >= 0 && m.Position < ListBox1->Count();
        const std::string listLine = inList ? ListBox1->Strings(m.Position) : std::string();
        if (m.EntryLine.empty() || (inList && SameText(EntryLineOfListLine(listLine), m.EntryLine))) {
            if (inList) RemoveByListLine(listLine, m.Position);
        } else {
            RemoveEntryLine(m.EntryLine);
        }
        break;
    }
    case TMessageKind::OtherData:
    case TMessageKind::Notice:
        break;
    }
    SaveSchedule();
    StatusBar1->SetPanelText(0, QString::fromStdString(UpdatedStatusText(m.Name)));
    // A received entry the calendars cannot read is kept and saved like any
    // other; say why it does not show.
    if (m.Kind == TMessageKind::Add)
        if (auto bad = FirstUnreadableLine({m.EntryLine}))
            throw EConvertError("受信した予定「" + SjisToUtf8(m.EntryLine) + "」を読めません（" + bad->Message +
                                "）。カレンダーには表示されません。");
}

void TForm1::TCPClient1Error(int) {
    // The new settings take effect at the next start.
    MessageDlg(QStringLiteral("接続が確立されませんでした"), TMsgDlgType::mtError, mbOK);
    ShowModal(FProgram.Form5());
    ShowMessage(QStringLiteral("設定反映のために一度終了します。"));
    close();
}

void TForm1::TCPClient1Close() {
    MessageDlg(QStringLiteral("サーバーエラーです。クローズします"), TMsgDlgType::mtError, mbOK);
    TCPClient1->Close();
    close();
}

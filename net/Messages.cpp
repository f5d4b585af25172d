#include "net/Messages.h"

#include "calendar/DayRules.h"
#include "platform/Exception.h"
#include "platform/Sjis.h"
#include "platform/SysUtils.h"

std::string AddMessage(std::string_view entryLine) { return "1,," + std::string(entryLine); }

std::string DeleteMessage(int position, std::string_view entryLine) {
    return "2," + IntToStr(position) + "," + std::string(entryLine);
}

std::string DataMessage(std::string_view clientMessage) { return "1," + std::string(clientMessage); }

TReceivedMessage ParseMessage(std::string_view message) {
    const auto f = CommaTextSplit(message);
    TReceivedMessage m;
    if (f.size() < 2)
        return m;
    if (f[0] != "1") {
        m.Kind = TMessageKind::Notice;
        m.Name = f[1];
        return m;
    }
    if (f[1] == "1") {
        if (f.size() < 10)
            return m;
        // Built from the to-year twice; for an echoed add of ours from-year and to-year are equal.
        m.Kind = TMessageKind::Add;
        m.EntryLine = f[4] + "," + f[4] + "," + f[5] + "," + f[6] + ",," + f[7] + f[8] + "," + f[9];
    } else if (f[1] == "2") {
        if (f.size() < 3)
            return m;
        try {
            m.Position = StrToInt(f[2]);
        } catch (const EConvertError&) {
            // A position that is not a number cannot name a line: ignore the message.
            return m;
        }
        m.Kind = TMessageKind::Delete;
        if (f.size() >= 10)
            m.EntryLine = f[3] + "," + f[4] + "," + f[5] + "," + f[6] + "," + f[7] + "," + f[8] + "," + f[9];
    } else {
        m.Kind = TMessageKind::OtherData;
    }
    return m;
}

std::string UpdatedStatusText(std::string_view name) {
    return "予定データが" + SjisToUtf8(name) + "により更新されました。";
}

std::string LoginStatusText(std::string_view serverAddress, int localPort) {
    return std::string(serverAddress) + "-" + IntToStr(localPort) + "にログインしました。";
}

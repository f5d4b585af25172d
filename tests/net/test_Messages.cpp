#include "net/Messages.h"

#include <gtest/gtest.h>

#include "schedule/EntryLine.h"
#include "tests/TestUtil.h"

namespace {

TEST(Messages, Build) {
    const std::string entry = S(u8"2001,2001,04,05,,,[山田年休]");
    EXPECT_EQ(AddMessage(entry), S(u8"1,,2001,2001,04,05,,,[山田年休]"));
    EXPECT_EQ(DeleteMessage(3, entry), S(u8"2,3,2001,2001,04,05,,,[山田年休]"));
    EXPECT_EQ(DataMessage(AddMessage(entry)), S(u8"1,1,,2001,2001,04,05,,,[山田年休]"));
}

TEST(Messages, EchoedAddGivesBackTheEntryLine) {
    for (const std::string& entry : {MakeEntryLine(2001, 4, 5, S(u8"山田年休")), MakeEntryLine(1999, 12, 31, "")}) {
        const TReceivedMessage m = ParseMessage(DataMessage(AddMessage(entry)));
        EXPECT_EQ(m.Kind, TMessageKind::Add);
        EXPECT_EQ(m.EntryLine, entry);
        EXPECT_EQ(m.Name, "");
    }
    // Fields 8 and 9 are joined without a comma, and the to-year stands for both years.
    const TReceivedMessage odd = ParseMessage("1,1,,1999,2001,04,05,a,b,[x]");
    EXPECT_EQ(odd.Kind, TMessageKind::Add);
    EXPECT_EQ(odd.EntryLine, "2001,2001,04,05,,ab,[x]");
}

TEST(Messages, EchoedDeleteGivesThePosition) {
    const std::string entry = MakeEntryLine(2001, 4, 5, "a");
    const TReceivedMessage m = ParseMessage(DataMessage(DeleteMessage(2, entry)));
    EXPECT_EQ(m.Kind, TMessageKind::Delete);
    EXPECT_EQ(m.Position, 2);
    EXPECT_EQ(ParseMessage("1,2,-1").Position, -1);
    EXPECT_EQ(ParseMessage("1,2,-1").Kind, TMessageKind::Delete);
}

TEST(Messages, NoticeAndOtherData) {
    const TReceivedMessage n = ParseMessage(S(u8"0,佐藤"));
    EXPECT_EQ(n.Kind, TMessageKind::Notice);
    EXPECT_EQ(n.Name, S(u8"佐藤"));
    EXPECT_EQ(ParseMessage("x,,extra").Kind, TMessageKind::Notice);
    EXPECT_EQ(ParseMessage("1,3").Kind, TMessageKind::OtherData);
    EXPECT_EQ(ParseMessage("1,3").Name, "");
}

TEST(Messages, TooFewFieldsAreIgnored) {
    for (const char* text : {"", "1", "0", "1,1,,2001,2001,04,05,,", "1,2", "1,2,", "1,2,x", "1,2,5x"}) {
        EXPECT_EQ(ParseMessage(text).Kind, TMessageKind::Invalid) << "'" << text << "'";
    }
    // Nine fields: a trailing comma adds none.
    EXPECT_EQ(ParseMessage("1,1,,2001,2001,04,05,,,").Kind, TMessageKind::Invalid);
}

TEST(Messages, StatusTexts) {
    EXPECT_EQ(UpdatedStatusText(S(u8"佐藤")), "予定データが佐藤により更新されました。");
    EXPECT_EQ(UpdatedStatusText(""), "予定データがにより更新されました。");
    EXPECT_EQ(LoginStatusText("127.0.0.1", 1042), "127.0.0.1-1042にログインしました。");
}

}  // namespace

#include "platform/StringList.h"

#include "platform/Exception.h"
#include "platform/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/TestUtil.h"

TEST(StringList, NotifiesOncePerChangeAndOncePerBatch) {
    TStringList l;
    int n = 0;
    l.OnChange = [&] { ++n; };
    l.Add("a");
    l.Insert(0, "b");
    l.Put(1, "c");
    l.Delete(0);
    EXPECT_EQ(n, 4);
    l.BeginUpdate();
    l.Add("x");
    l.BeginUpdate();
    l.Add("y");
    l.EndUpdate();
    EXPECT_EQ(n, 4);
    l.Clear();
    l.EndUpdate();
    EXPECT_EQ(n, 5);
    l.BeginUpdate();
    l.EndUpdate();  // nothing changed: no notification
    EXPECT_EQ(n, 5);
}

TEST(StringList, AssignCopiesLinesNotTheHandler) {
    TStringList a, b;
    int na = 0, nb = 0;
    a.OnChange = [&] { ++na; };
    b.OnChange = [&] { ++nb; };
    a.Add("1");
    b = a;
    EXPECT_EQ(b.Lines(), a.Lines());
    EXPECT_EQ(nb, 1);
    b.Add("2");
    EXPECT_EQ(na, 1);
    EXPECT_EQ(a.Count(), 1);
}

TEST(StringList, IndexOfIgnoresCaseLikeSameText) {
    TStringList l;
    l.Add(S(u8"[ア]"));
    l.Add("Abc");
    l.Add("abc");
    EXPECT_EQ(l.IndexOf("ABC"), 1);
    EXPECT_EQ(l.IndexOf(S(u8"[ャ]")), -1);
    EXPECT_EQ(l.IndexOf("zz"), -1);
}

TEST(StringList, LoadSplitsAnyLineEndAndStopsAtNul) {
    TempFolder tmp;
    const auto path = tmp.File("in.txt");
    WriteFileAtomic(path, std::string("a\rb\nc\r\nd\r\n\r\ne\0f\ng", 13));
    TStringList l;
    l.LoadFromFile(path);
    EXPECT_EQ(l.Lines(), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
}

TEST(StringList, SaveWritesCrLfAfterEveryLineAndRoundTripsBytes) {
    TempFolder tmp;
    const auto path = tmp.File("out.txt");
    TStringList l;
    l.Add(S(u8"2001,2001,04,05,,,[山田年休]"));
    l.Add("");
    l.Add("\xFF\x80 raw");
    l.SaveToFile(path);
    EXPECT_EQ(ReadWholeFile(path), l[0] + "\r\n\r\n\xFF\x80 raw\r\n");
    TStringList back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.Lines(), l.Lines());

    TStringList empty;
    empty.SaveToFile(path);
    EXPECT_EQ(ReadWholeFile(path), "");
}

TEST(StringList, FailedSaveLeavesOldFileWhole) {
    TempFolder tmp;
    const auto path = tmp.File("ro.txt");
    WriteFileAtomic(path, "old\r\n");
    ::chmod(path.c_str(), 0444);
    TStringList l;
    l.Add("new");
    EXPECT_THROW(l.SaveToFile(path), EFCreateError);
    EXPECT_EQ(ReadWholeFile(path), "old\r\n");
}

TEST(StringList, SaveIntoMissingFolderFailsWithMessage) {
    TempFolder tmp;
    TStringList l;
    l.Add("x");
    try {
        l.SaveToFile(tmp.File("no/such/file.txt"));
        FAIL() << "no error";
    } catch (const EFCreateError& e) {
        EXPECT_NE(e.Message().find("file.txt"), std::string::npos);
    }
    EXPECT_THROW(l.LoadFromFile(tmp.File("missing.txt")), EFOpenError);
}

#include "skins/SkinDat.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/Exception.h"
#include "platform/Files.h"
#include "tests/TestUtil.h"

namespace {

TEST(SkinDat, Paths) {
    EXPECT_EQ(SkinRoot("/opt/Kuralo", false, "/ignored"), "/opt/Kuralo/");
    EXPECT_EQ(SkinRoot("/opt/Kuralo/", false, ""), "/opt/Kuralo/");
    EXPECT_EQ(SkinRoot("/opt/Kuralo", true, "/home/a/skins"), "/home/a/skins");
    EXPECT_EQ(SkinRoot("/opt/Kuralo", true, ""), "");
    // Nothing is trimmed: the program folder's separator doubles, which names the same folder.
    EXPECT_EQ(SkinsFolder("/opt/Kuralo/"), "/opt/Kuralo//skin/");
    EXPECT_EQ(SkinFolder("/home/a/skins", "Default"), "/home/a/skins/skin/Default/");
    EXPECT_EQ(SkinFolder("", "Default"), "/skin/Default/");
    EXPECT_EQ(SkinDatPath("/r", "Blue"), "/r/skin/Blue/skin.dat");
}

TEST(SkinDat, ListsFoldersOnly) {
    TempFolder root;
    EXPECT_TRUE(ListSkins(root.Path()).empty()) << "no skins folder";
    const std::string skins = SkinsFolder(root.Path());
    for (const char* name : {"Default", "Blue", "Zen"})
        ASSERT_TRUE(ForceDirectories(skins + name));
    WriteFileAtomic(skins + "readme.txt", "x");
    WriteFileAtomic(skins + "Default/skin.dat", "x");
    auto names = ListSkins(root.Path() + "/");
    std::sort(names.begin(), names.end());  // the file system's order is its own
    EXPECT_EQ(names, (std::vector<std::string>{"Blue", "Default", "Zen"}));
}

TEST(SkinDat, RoundTrip) {
    TempFolder dir;
    const std::string path = dir.File("skin.dat");
    TSkinDat written;
    written.Name = S(u8"青空スキン");
    written.Button1Top = -2;
    written.Button1Left = 600;
    written.Button2Top = 0;
    written.Button2Left = -30;
    written.Button3Top = 3;
    written.Button3Left = 53;
    written.TitleColor = 0x0000FF;
    written.CaptionColor = 16777215;
    WriteSkinDat(path, written);
    EXPECT_EQ(ReadWholeFile(path), S(u8"青空スキン\r\n-2\r\n600\r\n0\r\n-30\r\n3\r\n53\r\n255\r\n16777215\r\n"));

    TSkinDat read;
    read.Name = "other";
    ReadSkinDat(path, read);
    EXPECT_EQ(read.Name, written.Name);
    EXPECT_EQ(read.Button1Top, -2);
    EXPECT_EQ(read.Button1Left, 600);
    EXPECT_EQ(read.Button2Top, 0);
    EXPECT_EQ(read.Button2Left, -30);
    EXPECT_EQ(read.Button3Top, 3);
    EXPECT_EQ(read.Button3Left, 53);
    EXPECT_EQ(read.TitleColor, 255);
    EXPECT_EQ(read.CaptionColor, 16777215);
}

TEST(SkinDat, DefaultsAreTheBuiltInLayout) {
    TempFolder dir;
    WriteSkinDat(dir.File("skin.dat"), TSkinDat{});
    EXPECT_EQ(ReadWholeFile(dir.File("skin.dat")), "Default\r\n1\r\n7\r\n1\r\n30\r\n1\r\n53\r\n16777215\r\n0\r\n");
}

// Each row: file text, the message expected, and how many integer lines were stored before it.
struct BadCase {
    const char* name;
    friend void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }
    std::string text;
    std::string message;
    int stored;
};

class SkinDatBad : public ::testing::TestWithParam<BadCase> {};

TEST_P(SkinDatBad, StopsWithValuesBeforeStored) {
    const auto& c = GetParam();
    TempFolder dir;
    WriteFileAtomic(dir.File("skin.dat"), c.text);
    TSkinDat dat;
    dat.Name = "old";
    const int32_t sentinel = -777;
    dat.Button1Top = dat.Button1Left = dat.Button2Top = dat.Button2Left = sentinel;
    dat.Button3Top = dat.Button3Left = dat.TitleColor = dat.CaptionColor = sentinel;
    try {
        ReadSkinDat(dir.File("skin.dat"), dat);
        ADD_FAILURE() << "read without error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(dat.Name, "N");
    const int32_t values[] = {dat.Button1Top, dat.Button1Left, dat.Button2Top, dat.Button2Left,
                              dat.Button3Top, dat.Button3Left, dat.TitleColor, dat.CaptionColor};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(values[i], i < c.stored ? i + 1 : sentinel) << "line " << i + 2;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SkinDatBad,
    ::testing::Values(BadCase{"eight_lines_fail_on_line_9", "N\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n",
                              "'' は整数ではありません", 7},
                      BadCase{"name_only", "N", "'' は整数ではありません", 0},
                      BadCase{"text_on_line_4", "N\n1\n2\nabc\n4\n5\n6\n7\n8\n", "'abc' は整数ではありません", 2},
                      BadCase{"empty_line_5", "N\r1\r2\r3\r\r5\r6\r7\r8\r", "'' は整数ではありません", 3},
                      BadCase{"japanese_text", "N\r\n1\r\n" + S(u8"二") + "\r\n", "'二' は整数ではありません", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SkinDat, LinesAfterTheNinthAreIgnored) {
    TempFolder dir;
    WriteFileAtomic(dir.File("skin.dat"), "N\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\nnot a number\r\n99\r\n");
    TSkinDat dat;
    ReadSkinDat(dir.File("skin.dat"), dat);
    EXPECT_EQ(dat.Name, "N");
    EXPECT_EQ(dat.CaptionColor, 8);
}

TEST(SkinDat, WriteProtectedFileIsRefusedAndKept) {
    TempFolder dir;
    const std::string path = dir.File("skin.dat");
    WriteSkinDat(path, TSkinDat{});
    const std::string before = ReadWholeFile(path);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    TSkinDat changed;
    changed.Name = "Changed";
    try {
        WriteSkinDat(path, changed);
        ADD_FAILURE() << "wrote a write-protected file";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "ﾌｧｲﾙへのｱｸｾｽが拒否されました");
    }
    EXPECT_EQ(ReadWholeFile(path), before);
    EXPECT_THROW(WriteSkinDat(dir.File("no/such/skin.dat"), changed), EFCreateError);
}

}  // namespace

#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <sys/stat.h>

#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"
#include "tests/TestUtil.h"

namespace {

const std::string kLong(1100, 'a');

// A hand-edited file: comments, blanks, odd spacing, quotes, a duplicate section,
// a key before any section, a section name whose second byte is ']'.
std::string FixtureText() {
    return S(u8"Server=before-any-section\r\n"
             u8"; written by hand\r\n"
             u8"[NetWork]\r\n"
             u8"  Server = \"192.168.0.5\"  \r\n"
             u8"Port='902'\r\n"
             u8"Local=0x1\r\n"
             u8"Tokei=yes\r\n"
             u8"Rokuyou=\r\n"
             u8"Skin=$10\r\n"
             u8"SkinPath=\r\n"
             u8"Unpaired=\"a\r\n"
             u8"Inner=a \"b\" c\r\n"
             u8"Mixed=\"a'\r\n"
             u8";Commented=1\r\n"
             u8"\r\n"
             u8"[network]\r\n"
             u8"Server=second-section\r\n"
             u8"Extra=only-in-second\r\n"
             u8"[Tansyuku]\r\n"
             u8"1=年休\r\n"
             u8"Long=") + kLong + "\r\n" +
           "Long2=" + std::string(1022, 'b') + S(u8"年年") + "\n" +
           S(u8"[ゾウ]\r\nKey=zou\r\n") +
           S(u8"[Window]\r\nPos.X=-20\r\nPos.Y=oops\r\n");
}

class IniFixture : public ::testing::Test {
protected:
    void SetUp() override { WriteFileAtomic(path, FixtureText()); }
    std::string Bytes() const { return ReadWholeFile(path); }

    TempFolder dir;
    std::string path = dir.File("Kuralo.ini");
    TIniGT ini{path};
};

struct ReadCase {
    const char* name;
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
    const char8_t* section;
    const char8_t* key;
    std::string expected;  // code page 932; "<def>" stands for the default
};

class IniRead : public IniFixture, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(IniRead, String) {
    const auto& c = GetParam();
    const std::string expected = c.expected == "<def>" ? "def" : c.expected;
    EXPECT_EQ(ini.ReadString(S(c.section), S(c.key), "def"), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniRead,
    ::testing::Values(
        ReadCase{"blanks_and_double_quotes_dropped", u8"NetWork", u8"Server", "192.168.0.5"},
        ReadCase{"single_quotes_dropped", u8"NetWork", u8"Port", "902"},
        ReadCase{"names_ignore_case", u8"NETWORK", u8"server", "192.168.0.5"},
        ReadCase{"unpaired_quote_kept", u8"NetWork", u8"Unpaired", "\"a"},
        ReadCase{"inner_quotes_kept", u8"NetWork", u8"Inner", "a \"b\" c"},
        ReadCase{"mismatched_quotes_kept", u8"NetWork", u8"Mixed", "\"a'"},
        ReadCase{"empty_value_is_empty", u8"NetWork", u8"SkinPath", ""},
        ReadCase{"comment_is_no_key", u8"NetWork", u8";Commented", "<def>"},
        ReadCase{"missing_key", u8"NetWork", u8"Nothing", "<def>"},
        ReadCase{"missing_section", u8"Nope", u8"Server", "<def>"},
        ReadCase{"first_of_two_sections", u8"NetWork", u8"Extra", "<def>"},
        ReadCase{"japanese_value", u8"Tansyuku", u8"1", S(u8"年休")},
        ReadCase{"cut_at_1023_bytes", u8"Tansyuku", u8"Long", std::string(1023, 'a')},
        ReadCase{"cut_keeps_whole_characters", u8"Tansyuku", u8"Long2", std::string(1022, 'b')},
        ReadCase{"section_with_bracket_trail_byte", u8"ゾウ", u8"Key", "zou"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IniFixture, IntegersAndBooleans) {
    EXPECT_EQ(ini.ReadInteger("NetWork", "Local", 7), 1);  // 0x1
    EXPECT_EQ(ini.ReadInteger("NetWork", "Skin", 7), 16);  // $10
    EXPECT_EQ(ini.ReadInteger("NetWork", "Tokei", 7), 7);  // yes
    EXPECT_EQ(ini.ReadInteger("NetWork", "Rokuyou", 7), 7);  // empty
    EXPECT_EQ(ini.ReadInteger("NetWork", "Nothing", -3), -3);
    EXPECT_EQ(ini.ReadInteger("Window", "Pos.X", 0), -20);

    EXPECT_TRUE(ini.ReadBool("NetWork", "Local", false));
    for (bool def : {false, true}) {
        EXPECT_EQ(ini.ReadBool("NetWork", "Tokei", def), def) << "yes reads as the default";
        EXPECT_EQ(ini.ReadBool("NetWork", "Rokuyou", def), def) << "empty reads as the default";
        EXPECT_EQ(ini.ReadBool("NetWork", "Nothing", def), def);
    }
}

TEST_F(IniFixture, PositionKeepsAnUnreadableEdge) {
    int32_t left = 100, top = 200;
    ini.ReadPosition("window", "pos", left, top);
    EXPECT_EQ(left, -20);
    EXPECT_EQ(top, 200);
}

TEST(IniFile, MissingFileGivesDefaults) {
    TempFolder dir;
    TIniGT ini(dir.File("none.ini"));
    EXPECT_EQ(ini.ReadString("NetWork", "Server", "127.0.0.1"), "127.0.0.1");
    EXPECT_TRUE(ini.ReadBool("NetWork", "Tokei", true));
    int32_t left = 5, top = 6;
    ini.ReadPosition("Window", "Pos", left, top);
    EXPECT_EQ(left, 5);
    EXPECT_EQ(top, 6);
}

TEST_F(IniFixture, WritesReplaceInPlaceAppendAndKeepEverythingElse) {
    ini.WriteString("network", "SERVER", "10.0.0.1");     // in place, file's spelling kept
    ini.WriteBool("NetWork", "Tokei", false);              // in place
    ini.WriteString("NetWork", "New", S(u8"新"));          // end of section, before the blank line
    ini.WriteInteger("Window", "Pos.Y", -5);               // in place in the last section
    ini.WriteString("Skin", "Path", "Default\r\n[Evil]");  // new section at the end; no line break gets in

    std::string expected = FixtureText();
    auto replace = [&](const std::string& from, const std::string& to) {
        auto at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, from.size(), to);
    };
    replace("  Server = \"192.168.0.5\"  ", "Server=10.0.0.1");
    replace("Tokei=yes", "Tokei=0");
    replace(";Commented=1\r\n", ";Commented=1\r\nNew=" + S(u8"新") + "\r\n");
    replace("Pos.Y=oops", "Pos.Y=-5");
    replace(S(u8"年年") + "\n", S(u8"年年") + "\r\n");  // every line ends in CR LF once rewritten
    expected += "[Skin]\r\nPath=Default\r\n";
    EXPECT_EQ(Bytes(), expected);
    EXPECT_EQ(ini.ReadString("NetWork", "New", ""), S(u8"新"));
}

TEST(IniFile, FreshFileHoldsSectionsInTheOrderOfTheirFirstWrite) {
    TempFolder dir;
    TIniGT ini(dir.File("Kuralo.ini"));
    TSettingsValues v;
    v.Left = 120;
    v.Top = -8;
    SaveExitSettings(ini, v);     // the user closed the first-start dialog without applying
    SaveDialogSettings(ini, v);   // and applied it on a later run
    EXPECT_EQ(ReadWholeFile(ini.FileName()),
              S(u8"[Skin]\r\nPath=Default\r\n"
                u8"[Window]\r\nPos.X=120\r\nPos.Y=-8\r\n"
                u8"[NetWork]\r\nServer=127.0.0.1\r\nPort=901\r\nLocal=0\r\nTokei=1\r\nRokuyou=1\r\nSkin=0\r\nSkinPath=\r\n"
                u8"[Tansyuku]\r\n1=年休\r\n2=午前半休\r\n3=午後半休\r\n4=出張\r\n5=午前出張\r\n6=午後出張\r\n"));
}

TEST(IniFile, DialogThenExitOrder) {
    TempFolder dir;
    TIniGT ini(dir.File("Kuralo.ini"));
    TSettingsValues v;
    SaveDialogSettings(ini, v);
    SaveExitSettings(ini, v);
    SaveExitSettings(ini, v);  // the tray menu's exit writes twice; the file is the same
    const std::string text = ReadWholeFile(ini.FileName());
    EXPECT_LT(text.find("[NetWork]"), text.find("[Tansyuku]"));
    EXPECT_LT(text.find("[Tansyuku]"), text.find("[Skin]"));
    EXPECT_LT(text.find("[Skin]"), text.find("[Window]"));
    EXPECT_EQ(text.find("\r\nPath=", text.find("\r\nPath=") + 1), std::string::npos) << "one skin name";
    EXPECT_TRUE(text.ends_with("[Window]\r\nPos.X=0\r\nPos.Y=0\r\n"));
}

TEST(IniFile, SettingsRoundTripAndDefaultsFromTheHolder) {
    TempFolder dir;
    TIniGT ini(dir.File("Kuralo.ini"));
    TSettingsValues saved;
    saved.Server = "server.example";
    saved.Port = "http";
    saved.Local = true;
    saved.Tokei = false;
    saved.Rokuyou = false;
    saved.LocalSkin = true;
    saved.SkinPath = S(u8"/home/山田/skins");
    saved.Tansyuku[5] = S(u8"研修");
    saved.SkinName = S(u8"青空");
    saved.Left = -20;
    saved.Top = 300;
    SaveDialogSettings(ini, saved);
    SaveExitSettings(ini, saved);

    TSettingsValues loaded;
    LoadSettings(ini, loaded);
    LoadSkinName(ini, loaded);
    EXPECT_EQ(loaded.Server, saved.Server);
    EXPECT_EQ(loaded.Port, saved.Port);
    EXPECT_EQ(loaded.Local, saved.Local);
    EXPECT_EQ(loaded.Tokei, saved.Tokei);
    EXPECT_EQ(loaded.Rokuyou, saved.Rokuyou);
    EXPECT_EQ(loaded.LocalSkin, saved.LocalSkin);
    EXPECT_EQ(loaded.SkinPath, saved.SkinPath);
    EXPECT_EQ(loaded.Tansyuku, saved.Tansyuku);
    EXPECT_EQ(loaded.SkinName, saved.SkinName);
    EXPECT_EQ(loaded.Left, -20);
    EXPECT_EQ(loaded.Top, 300);

    // A file holding only what an exit writes: the rest keeps the holder's values.
    TempFolder dir2;
    TIniGT exitOnly(dir2.File("Kuralo.ini"));
    SaveExitSettings(exitOnly, saved);
    TSettingsValues current;
    current.Port = "902";
    LoadSettings(exitOnly, current);
    EXPECT_EQ(current.Port, "902");
    EXPECT_EQ(current.Server, "127.0.0.1");
    EXPECT_TRUE(current.Tokei);
    EXPECT_EQ(current.Tansyuku, TSettingsValues::DefaultTansyuku());
}

TEST(IniFile, FailedWriteNamesTheFileAndLeavesItAsItWas) {
    TempFolder dir;
    const std::string path = dir.File("Kuralo.ini");
    WriteFileAtomic(path, "[NetWork]\r\nServer=a\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    TIniGT ini(path);
    try {
        ini.WriteString("NetWork", "Server", "b");
        ADD_FAILURE() << "wrote a read-only file";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), path + " に書き込めません");
    }
    EXPECT_EQ(ReadWholeFile(path), "[NetWork]\r\nServer=a\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "no temporary file left";
    EXPECT_EQ(ini.ReadString("NetWork", "Server", ""), "a");

    TIniGT nowhere(dir.File("missing/Kuralo.ini"));
    try {
        nowhere.WriteBool("NetWork", "Local", true);
        ADD_FAILURE() << "wrote into a missing folder";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), dir.File("missing/Kuralo.ini") + " に書き込めません");
    }
}

TEST(IniFile, FileNameForProgram) {
    EXPECT_EQ(IniFileNameForProgram("/opt/Prog/Kuralo.exe"), "/opt/Prog/Kuralo.ini");
    EXPECT_EQ(IniFileNameForProgram("/opt/Prog/KURALO.EXE"), "/opt/Prog/Kuralo.ini");
    EXPECT_EQ(IniFileNameForProgram("/opt/Prog/kuralo"), "/opt/Prog/Kuralo.ini");
    EXPECT_EQ(IniFileNameForProgram("/opt/v1.2/kuralo"), "/opt/v1.2/Kuralo.ini");
    // Only ASCII letters change; the trail byte 0x41 of a double-byte character stays.
    EXPECT_EQ(IniFileNameForProgram("/p/" + S(u8"アB.exe")), "/p/" + S(u8"アb.ini"));
}

}  // namespace

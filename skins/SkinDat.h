#pragma once
// Skin folders and skin.dat. A skin is a folder <root>/skin/<name>/ of bitmaps
// plus skin.dat: nine lines (name, six title-button positions, two colours).
// Names and paths are bytes as the program holds them (code page 932).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The values of skin.dat, with the built-in title-button positions and colours.
struct TSkinDat {
    std::string Name = "Default";      // line 1
    int32_t Button1Top = 1;            // lines 2, 3: close button
    int32_t Button1Left = 7;
    int32_t Button2Top = 1;            // lines 4, 5: shade button
    int32_t Button2Left = 30;
    int32_t Button3Top = 1;            // lines 6, 7: toolbar button
    int32_t Button3Left = 53;
    int32_t TitleColor = 0xFFFFFF;     // line 8: RGB value (red + 256 green + 65536 blue)
    int32_t CaptionColor = 0x000000;   // line 9: RGB value
};

// The skin root: the program folder with a trailing separator, or with local skins on, skinPath unchanged (even empty).
std::string SkinRoot(std::string_view programFolder, bool localSkins, std::string_view skinPath);
// <root>/skin/ — nothing trimmed, so a root ending in a separator gives a doubled one.
std::string SkinsFolder(std::string_view root);
// <root>/skin/<name>/
std::string SkinFolder(std::string_view root, std::string_view name);
// <root>/skin/<name>/skin.dat
std::string SkinDatPath(std::string_view root, std::string_view name);
// Names of the folders in the skins folder, in the file system's order; files skipped; none if it is missing.
std::vector<std::string> ListSkins(std::string_view root);

// Reads skin.dat into dat, storing each value as soon as its line is read. A line 2-9
// that is missing or not an integer raises EConvertError "'<line>' は整数ではありません"
// with the values before it stored. Lines after the ninth are ignored.
// The file must exist (callers test first); an unreadable one raises EFOpenError.
void ReadSkinDat(const std::string& path, TSkinDat& dat);
// Writes the nine lines (CR LF each) atomically. A write-protected file raises
// EFCreateError "ﾌｧｲﾙへのｱｸｾｽが拒否されました"; other failures EFCreateError of the file.
void WriteSkinDat(const std::string& path, const TSkinDat& dat);

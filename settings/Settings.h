#pragma once
// The program's settings as plain values, and the fixed read and write
// sequences over the settings file. Texts are code page 932 bytes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/IniFile.h"

// Section and key names of the settings file.
namespace IniNames {
inline constexpr std::string_view NetWork = "NetWork";
inline constexpr std::string_view Server = "Server";
inline constexpr std::string_view Port = "Port";
inline constexpr std::string_view Local = "Local";
inline constexpr std::string_view Tokei = "Tokei";
inline constexpr std::string_view Rokuyou = "Rokuyou";
inline constexpr std::string_view Skin = "Skin";  // NetWork's boolean "skins from SkinPath"
inline constexpr std::string_view SkinPath = "SkinPath";
inline constexpr std::string_view Tansyuku = "Tansyuku";  // keys "1" … "6"
inline constexpr std::string_view SkinSection = "Skin";  // the section holding the skin name
inline constexpr std::string_view Path = "Path";
inline constexpr std::string_view Window = "Window";
inline constexpr std::string_view Pos = "Pos";  // stored as Pos.X, Pos.Y
}  // namespace IniNames

// Every setting with its initial value (what the controls hold before any file is read).
struct TSettingsValues {
    std::string Server = "127.0.0.1";  // settings dialog Edit1
    std::string Port = "901";          // Edit2, text, not validated
    bool Local = false;                // CheckBox1: work without a server
    bool Tokei = true;                 // CheckBox2: show clock and fortune
    bool Rokuyou = true;               // CheckBox3: show rokuyo in the month view
    bool LocalSkin = false;            // CheckBox4: skins under SkinPath (key "Skin")
    std::string SkinPath;              // Edit3
    std::array<std::string, 6> Tansyuku = DefaultTansyuku();  // Edit4 … Edit9
    std::string SkinName = "Default";  // skin dialog ComboBox1 (section "Skin", key "Path")
    int32_t Left = 0;                  // main window position (section "Window", key "Pos")
    int32_t Top = 0;

    // The six initial shortcut texts: 年休, 午前半休, 午後半休, 出張, 午前出張, 午後出張.
    static std::array<std::string, 6> DefaultTansyuku();
};

// Start-up load: Window Pos, then NetWork and Tansyuku; each keeps its current value as default.
void LoadSettings(const TIniGT& ini, TSettingsValues& v);
// Settings dialog apply: NetWork Server … SkinPath, then Tansyuku 1 … 6, in that order.
void SaveDialogSettings(TIniGT& ini, const TSettingsValues& v);
// Reads the skin name (section "Skin", key "Path"), keeping the current one as default.
void LoadSkinName(const TIniGT& ini, TSettingsValues& v);
// Exit: the skin name, then the window position.
void SaveExitSettings(TIniGT& ini, const TSettingsValues& v);

#include "settings/Settings.h"

#include "platform/Sjis.h"

using namespace IniNames;

std::array<std::string, 6> TSettingsValues::DefaultTansyuku() {
    return {Sjis(u8"年休"), Sjis(u8"午前半休"), Sjis(u8"午後半休"),
            Sjis(u8"出張"), Sjis(u8"午前出張"), Sjis(u8"午後出張")};
}

void LoadSettings(const TIniGT& ini, TSettingsValues& v) {
    ini.ReadPosition(Window, Pos, v.Left, v.Top);
    v.Server = ini.ReadString(NetWork, Server, v.Server);
    v.Port = ini.ReadString(NetWork, Port, v.Port);
    v.Local = ini.ReadBool(NetWork, Local, v.Local);
    v.Tokei = ini.ReadBool(NetWork, Tokei, v.Tokei);
    v.Rokuyou = ini.ReadBool(NetWork, Rokuyou, v.Rokuyou);
    v.LocalSkin = ini.ReadBool(NetWork, Skin, v.LocalSkin);
    v.SkinPath = ini.ReadString(NetWork, SkinPath, v.SkinPath);
    for (std::size_t i = 0; i < v.Tansyuku.size(); ++i)
        v.Tansyuku[i] = ini.ReadString(Tansyuku, std::to_string(i + 1), v.Tansyuku[i]);
}

void SaveDialogSettings(TIniGT& ini, const TSettingsValues& v) {
    ini.WriteString(NetWork, Server, v.Server);
    ini.WriteString(NetWork, Port, v.Port);
    ini.WriteBool(NetWork, Local, v.Local);
    ini.WriteBool(NetWork, Tokei, v.Tokei);
    ini.WriteBool(NetWork, Rokuyou, v.Rokuyou);
    ini.WriteBool(NetWork, Skin, v.LocalSkin);
    ini.WriteString(NetWork, SkinPath, v.SkinPath);
    for (std::size_t i = 0; i < v.Tansyuku.size(); ++i)
        ini.WriteString(Tansyuku, std::to_string(i + 1), v.Tansyuku[i]);
}

void LoadSkinName(const TIniGT& ini, TSettingsValues& v) { v.SkinName = ini.ReadString(SkinSection, Path, v.SkinName); }

void SaveExitSettings(TIniGT& ini, const TSettingsValues& v) {
    ini.WriteString(SkinSection, Path, v.SkinName);
    ini.WritePosition(Window, Pos, v.Left, v.Top);
}

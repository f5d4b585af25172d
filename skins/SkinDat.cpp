#include "skins/SkinDat.h"

#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"

#include <array>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The eight integer fields in file order (lines 2 to 9).
std::array<int32_t TSkinDat::*, 8> IntegerLines() {
    return {&TSkinDat::Button1Top, &TSkinDat::Button1Left, &TSkinDat::Button2Top, &TSkinDat::Button2Left,
            &TSkinDat::Button3Top, &TSkinDat::Button3Left, &TSkinDat::TitleColor, &TSkinDat::CaptionColor};
}

bool IsWriteProtected(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0);
}

}  // namespace

std::string SkinRoot(std::string_view programFolder, bool localSkins, std::string_view skinPath) {
    return localSkins ? std::string(skinPath) : IncludeTrailingPathDelimiter(programFolder);
}

std::string SkinsFolder(std::string_view root) {
    return std::string(root) + PathDelim + "skin" + PathDelim;
}

std::string SkinFolder(std::string_view root, std::string_view name) {
    return SkinsFolder(root) + std::string(name) + PathDelim;
}

std::string SkinDatPath(std::string_view root, std::string_view name) { return SkinFolder(root, name) + "skin.dat"; }

std::vector<std::string> ListSkins(std::string_view root) { return ListSubfolders(SkinsFolder(root)); }

void ReadSkinDat(const std::string& path, TSkinDat& dat) {
    const std::vector<std::string> lines = SplitLines(ReadWholeFile(path));
    auto line = [&](std::size_t i) { return i < lines.size() ? lines[i] : std::string(); };
    dat.Name = line(0);
    std::size_t i = 1;
    for (auto field : IntegerLines())
        dat.*field = StrToInt(line(i++));
}

void WriteSkinDat(const std::string& path, const TSkinDat& dat) {
    if (IsWriteProtected(path))
        throw EFCreateError("ﾌｧｲﾙへのｱｸｾｽが拒否されました");
    std::string text = dat.Name + "\r\n";
    for (auto field : IntegerLines())
        text += IntToStr(dat.*field) + "\r\n";
    WriteFileAtomic(path, text);
}

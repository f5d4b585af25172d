#include "settings/IniFile.h"

#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/Sjis.h"
#include "platform/SysUtils.h"

#include <optional>
#include <vector>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The section named by a header line "[name]", or nothing for any other line.
std::optional<std::string_view> SectionOf(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() != '[')
        return std::nullopt;
    t.remove_prefix(1);
    // A ']' may be the trail byte of a double-byte character: step by character.
    std::size_t i = 0;
    while (i < t.size() && t[i] != ']') i += CharLength(t, i);
    return Trim(t.substr(0, i));
}

// Position of the '=' of an entry line, or npos for comments and other lines.
std::size_t EqualsOf(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';')
        return std::string_view::npos;
    return line.find('=');
}

std::string_view KeyOf(std::string_view line, std::size_t eq) { return Trim(line.substr(0, eq)); }

// The file's lines: a missing file has none. Others' failures reach the caller.
std::vector<std::string> LoadLines(const std::string& path) {
    if (!FileExists(path))
        return {};
    return SplitLines(ReadWholeFile(path));
}

struct Section {
    std::size_t header;  // index of the "[name]" line
    std::size_t end;     // index of the next header, or the line count
};

std::optional<Section> FindSection(const std::vector<std::string>& lines, std::string_view name) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto s = SectionOf(lines[i]);
        if (!s || !SameText(*s, name))
            continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !SectionOf(lines[end])) ++end;
        return Section{i, end};
    }
    return std::nullopt;
}

// Index of the first entry line of the key inside the section, or npos.
std::size_t FindKey(const std::vector<std::string>& lines, Section s, std::string_view key) {
    for (std::size_t i = s.header + 1; i < s.end; ++i) {
        std::size_t eq = EqualsOf(lines[i]);
        if (eq != std::string_view::npos && SameText(KeyOf(lines[i], eq), key))
            return i;
    }
    return std::string_view::npos;
}

std::string CleanValue(std::string_view raw) {
    std::string_view v = Trim(raw);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    if (v.size() > IniMaxValueBytes) {
        // Cut by whole characters, so no half character is handed on.
        std::size_t n = 0;
        while (n + CharLength(v, n) <= IniMaxValueBytes) n += CharLength(v, n);
        v = v.substr(0, n);
    }
    return std::string(v);
}

}  // namespace

std::string TIniGT::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    std::vector<std::string> lines;
    try {
        lines = LoadLines(FFileName);
    } catch (const EFOpenError&) {
        // An unreadable file reads like a missing one: every setting keeps its default.
        return std::string(def);
    }
    auto s = FindSection(lines, section);
    if (!s)
        return std::string(def);
    std::size_t k = FindKey(lines, *s, key);
    if (k == std::string_view::npos)
        return std::string(def);
    return CleanValue(std::string_view(lines[k]).substr(EqualsOf(lines[k]) + 1));
}

int32_t TIniGT::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
    return StrToIntDef(ReadString(section, key, ""), def);
}

bool TIniGT::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniGT::ReadPosition(std::string_view section, std::string_view key, int32_t& left, int32_t& top) const {
    const std::string k(key);
    left = ReadInteger(section, k + ".X", left);
    top = ReadInteger(section, k + ".Y", top);
}

void TIniGT::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    // A line break in a value would start a line of its own, even a section; the
    // value ends there instead, so the file keeps its shape.
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    try {
        std::vector<std::string> lines = LoadLines(FFileName);
        const std::string entry = std::string(key) + "=" + std::string(value);
        if (auto s = FindSection(lines, section)) {
            std::size_t k = FindKey(lines, *s, key);
            if (k != std::string_view::npos) {
                // Keep the key as the file spells it; only the value changes.
                lines[k] = std::string(KeyOf(lines[k], EqualsOf(lines[k]))) + "=" + std::string(value);
            } else {
                // After the section's last non-blank line, before blank lines that part it from the next.
                std::size_t at = s->end;
                while (at > s->header + 1 && Trim(lines[at - 1]).empty()) --at;
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
            }
        } else {
            lines.push_back("[" + std::string(section) + "]");
            lines.push_back(entry);
        }
        std::string text;
        for (const auto& line : lines) {
            text += line;
            text += "\r\n";
        }
        WriteFileAtomic(FFileName, text);
    } catch (const Exception&) {
        throw EIniFileException(FormatMsg("%s に書き込めません", {FFileName}));
    }
}

void TIniGT::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, IntToStr(value));
}

void TIniGT::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TIniGT::WritePosition(std::string_view section, std::string_view key, int32_t left, int32_t top) {
    const std::string k(key);
    WriteInteger(section, k + ".X", left);
    WriteInteger(section, k + ".Y", top);
}

std::string IniFileNameForProgram(std::string_view programPath) {
    const auto slash = programPath.rfind(PathDelim);
    std::string_view folder = slash == std::string_view::npos ? std::string_view() : programPath.substr(0, slash + 1);
    std::string_view file = slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
    if (auto dot = file.rfind('.'); dot != std::string_view::npos && dot > 0)
        file = file.substr(0, dot);
    std::string name(file);
    // By character: the trail byte of a double-byte character may look like a letter.
    for (std::size_t i = 0; i < name.size(); i += CharLength(name, i))
        if (name[i] >= 'A' && name[i] <= 'Z')
            name[i] = static_cast<char>(name[i] - 'A' + 'a');
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return std::string(folder) + name + ".ini";
}

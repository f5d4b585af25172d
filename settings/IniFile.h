#pragma once
// The settings file: an ini file of code page 932 lines ended by CR LF.
// Section and key names match without regard to case. Every read goes to the
// file and every write rewrites it at once (atomically), so a sequence of
// writes that fails half-way leaves exactly the writes before the failure.
#include <cstdint>
#include <string>
#include <string_view>

// Longest value a read returns, in bytes.
constexpr std::size_t IniMaxValueBytes = 1023;

class TIniGT {
public:
    // fileName: full path of the ini file (see IniFileNameForProgram).
    explicit TIniGT(std::string fileName) : FFileName(std::move(fileName)) {}

    const std::string& FileName() const { return FFileName; }

    // The value, blanks around it and one pair of enclosing quotes dropped, at most
    // 1023 bytes; def when the file, the section or the key is missing.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // Decimal, "0x…"/"$…" hexadecimal; def when missing, empty or not a number.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
    // Read as an integer with default 0/1; any value but 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    // Reads key.X into left and key.Y into top; each keeps its value when unreadable.
    void ReadPosition(std::string_view section, std::string_view key, int32_t& left, int32_t& top) const;

    // Sets key=value: in place when the key exists, else at the end of its section,
    // else in a new section at the end of the file. Every other line stays as it was.
    // A value ends at its first CR, LF or NUL, so it cannot break the file's lines.
    // Raises EIniFileException "<path> に書き込めません" when the file cannot be written.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Writes the decimal form, "-" for negative values.
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    // Writes "1" or "0".
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Writes key.X := left, then key.Y := top.
    void WritePosition(std::string_view section, std::string_view key, int32_t left, int32_t top);

private:
    std::string FFileName;
};

// The ini file of a program file: beside it, its name without extension, lower
// case with a capital first letter, plus ".ini" (/opt/Kuralo/kuralo -> /opt/Kuralo/Kuralo.ini).
std::string IniFileNameForProgram(std::string_view programPath);

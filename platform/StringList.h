#pragma once
// A list of text lines (code page 932 bytes) with a change notification.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TStringList {
public:
    TStringList() = default;
    // Copies lines only; the notification stays with its own list.
    TStringList(const TStringList& other) : FLines(other.FLines) {}
    TStringList& operator=(const TStringList& other) { Assign(other); return *this; }

    int Count() const { return static_cast<int>(FLines.size()); }
    const std::string& operator[](int index) const { return FLines.at(index); }
    const std::string& Strings(int index) const { return FLines.at(index); }
    const std::vector<std::string>& Lines() const { return FLines; }

    int Add(std::string line);
    void Insert(int index, std::string line);
    void Delete(int index);
    void Put(int index, std::string line);  // replace one line
    void Clear();
    void Assign(const TStringList& other);
    void Assign(std::vector<std::string> lines);
    // First line equal to s compared like SameText, or -1.
    int IndexOf(std::string_view s) const;

    // Changes between BeginUpdate and the matching EndUpdate notify once, at the end.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    // All lines, each followed by CR LF.
    std::string Text() const;
    // Lines split at CR, LF or CR LF; a NUL byte ends the text.
    void SetText(std::string_view text);
    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;

    std::function<void()> OnChange;

private:
    void Changed();

    std::vector<std::string> FLines;
    int FUpdateCount = 0;
    bool FPending = false;
};

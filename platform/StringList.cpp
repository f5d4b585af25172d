#include "platform/StringList.h"

#include "platform/Files.h"
#include "platform/Sjis.h"

#include <stdexcept>

void TStringList::Changed() {
    if (FUpdateCount > 0) {
        FPending = true;
        return;
    }
    if (OnChange)
        OnChange();
}

void TStringList::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0 && FPending) {
        FPending = false;
        Changed();
    }
}

int TStringList::Add(std::string line) {
    FLines.push_back(std::move(line));
    Changed();
    return Count() - 1;
}

void TStringList::Insert(int index, std::string line) {
    if (index < 0 || index > Count())
        throw std::out_of_range("TStringList::Insert");
    FLines.insert(FLines.begin() + index, std::move(line));
    Changed();
}

void TStringList::Delete(int index) {
    if (index < 0 || index >= Count())
        throw std::out_of_range("TStringList::Delete");
    FLines.erase(FLines.begin() + index);
    Changed();
}

void TStringList::Put(int index, std::string line) {
    FLines.at(index) = std::move(line);
    Changed();
}

void TStringList::Clear() {
    if (FLines.empty())
        return;
    FLines.clear();
    Changed();
}

void TStringList::Assign(const TStringList& other) {
    if (&other == this)
        return;
    Assign(other.FLines);
}

void TStringList::Assign(std::vector<std::string> lines) {
    FLines = std::move(lines);
    Changed();
}

int TStringList::IndexOf(std::string_view s) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(FLines[i], s))
            return i;
    return -1;
}

std::string TStringList::Text() const {
    std::string out;
    for (const auto& line : FLines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

void TStringList::SetText(std::string_view text) { Assign(SplitLines(text)); }

void TStringList::LoadFromFile(const std::string& path) { SetText(ReadWholeFile(path)); }

void TStringList::SaveToFile(const std::string& path) const { WriteFileAtomic(path, Text()); }

#pragma once
// Helpers shared by the test suites.
#include <QTemporaryDir>
#include <string>

#include "platform/Sjis.h"

// A fresh temporary folder, removed at the end of the test.
class TempFolder {
public:
    TempFolder() { dir_.setAutoRemove(true); }
    std::string Path() const { return dir_.path().toStdString(); }
    std::string File(const std::string& name) const { return Path() + "/" + name; }

private:
    QTemporaryDir dir_;
};

// Code page 932 bytes of a UTF-8 literal, for expectations.
inline std::string S(const char8_t* utf8) { return Sjis(std::u8string_view(utf8)); }

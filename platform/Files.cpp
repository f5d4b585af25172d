#include "platform/Files.h"

#include "platform/Exception.h"


#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string IncludeTrailingPathDelimiter(std::string_view folder) {
    std::string s(folder);
    if (s.empty() || s.back() != PathDelim)
        s.push_back(PathDelim);
    return s;
}

std::string PathJoin(std::string_view folder, std::string_view name) {
    return IncludeTrailingPathDelimiter(folder) + std::string(name);
}

std::string ExtractFileDir(std::string_view path) {
    auto pos = path.rfind(PathDelim);
    if (pos == std::string_view::npos)
        return {};
    return std::string(path.substr(0, pos == 0 ? 1 : pos));
}

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const std::string& path) {
    if (path.empty())
        return false;
    if (DirectoryExists(path))
        return true;
    std::string p = path;
    while (p.size() > 1 && p.back() == PathDelim) p.pop_back();
    std::string parent = ExtractFileDir(p);
    if (!parent.empty() && parent != p && !ForceDirectories(parent))
        return false;
    return ::mkdir(p.c_str(), 0777) == 0 || DirectoryExists(p);
}

std::vector<std::string> ListSubfolders(const std::string& path) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(path.c_str());
    if (!dir)
        return names;
    while (dirent* e = ::readdir(dir)) {
        std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        if (DirectoryExists(PathJoin(path, name)))
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

std::string ReadWholeFile(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw EFOpenError("ファイル " + path + " は開けません");
    std::string data;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        data.append(buf, n);
    bool failed = std::ferror(f);
    std::fclose(f);
    if (failed)
        throw EFOpenError("ファイル " + path + " は開けません");
    return data;
}

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
    const std::string shown = path;
    auto fail = [&] { throw EFCreateError("ファイル " + shown + " を作成できません"); };

    mode_t mode = 0644;
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        // A read-only file stays as it is, just as an in-place write would
        // fail; no write bit at all counts as read-only even for root.
        if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)
            fail();
        mode = st.st_mode & 07777;
    }
    std::string tmp = path + ".tmpXXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0)
        fail();
    const char* p = bytes.data();
    size_t left = bytes.size();
    bool ok = true;
    while (ok && left > 0) {
        ssize_t w = ::write(fd, p, left);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            ok = false;
        else {
            p += w;
            left -= static_cast<size_t>(w);
        }
    }
    ok = ok && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok || ::rename(tmp.c_str(), path.c_str()) != 0) {
        ::unlink(tmp.c_str());
        fail();
    }
}

std::vector<std::string> SplitLines(std::string_view text) {
    auto nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

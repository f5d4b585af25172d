#pragma once
// Whole-file reading and atomic whole-file writing, and path helpers.
// Paths are the file system's own bytes (UTF-8 here), not code page 932:
// only file contents are program data.
#include <string>
#include <string_view>
#include <vector>

// The platform's path separator.
constexpr char PathDelim = '/';

// Joins a file name to a folder, adding a separator unless the folder ends with one.
std::string PathJoin(std::string_view folder, std::string_view name);
std::string IncludeTrailingPathDelimiter(std::string_view folder);
std::string ExtractFileDir(std::string_view path);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates a folder and any missing parents; true when it exists afterwards.
bool ForceDirectories(const std::string& path);
// Folder names directly inside a folder, in the order the file system lists them.
std::vector<std::string> ListSubfolders(const std::string& path);

// Reads a whole file. Raises EFOpenError "ファイル <path> は開けません" when it cannot.
std::string ReadWholeFile(const std::string& path);
// Replaces a file atomically: a temporary file in the same folder is written,
// flushed to disk and renamed over the old one, so a failure leaves the old
// file as it was. An existing file that may not be written is not replaced.
// Raises EFCreateError "ファイル <path> を作成できません" on any failure.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// Splits text into lines at CR, LF or CR LF; a NUL byte ends the text. A last
// line without a line end still counts; an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

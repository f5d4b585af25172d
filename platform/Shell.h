#pragma once
// Asking the desktop to open a document with its own handler. Tests replace
// the opener so that nothing is launched.
#include <functional>
#include <string>

// Opens `file` (a path) with the desktop's handler; the result is not checked.
void ShellOpen(const std::string& file);

using ShellOpener = std::function<void(const std::string& file)>;
// An empty opener restores the desktop's.
void SetShellOpener(ShellOpener opener);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

// The few places where POSIX and Windows differ for the core and the command line. Paths are
// UTF-8 throughout the program; Windows opens them through their wide-character form, so file
// names with letters outside ASCII work there too.
namespace voltaris {

std::filesystem::path PathFromUtf8(const std::string& path);
std::string Utf8FromPath(const std::filesystem::path& path);

// std::fopen for a UTF-8 path; errno tells the reason of a failure.
std::FILE* OpenFile(const std::string& path, const char* mode);

// Writes `text` to a temporary file beside `path`, flushes it to the disk and puts it in the
// place of `path` (keeping that file's permissions), so the target is either the old file or
// the complete new one. False, with nothing changed, when any step fails.
bool ReplaceFileAtomically(const std::string& path, const std::string& text);

// The command line as UTF-8 (Windows hands programs its arguments in the ANSI code page).
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Standard output and error pass bytes unchanged (no CR before LF on Windows), so a program's
// output is the same on every system; a Windows console shows it as UTF-8.
void UseByteExactStandardStreams();

}  // namespace voltaris

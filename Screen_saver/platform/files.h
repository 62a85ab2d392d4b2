#pragma once
// File services over the standard library, shared by the backends and the test doubles.

#include <optional>
#include <string>
#include <vector>

#include "system.h"

namespace hc::files {

// A file whose name starts with "." is hidden: listings pass it over like a hidden file.
bool IsHiddenName(const std::string& name);

// Wildcards "*" and "?", without regard to case; a pattern list is joined by ";".
bool MatchesPattern(const std::string& name, const std::string& pattern_list);

// See System::ListFiles; `separator` ends a folder path that lists every ordinary file.
// Hidden files are no ordinary files, even when named in full.
std::vector<std::string> ListFiles(const std::string& pattern, const std::string& separator);

FileError CopyFile(const std::string& from, const std::string& to);
FileError DeleteFile(const std::string& path);
// Lines end in CR LF or in LF alone; a last line without an end is read like the others.
std::optional<std::vector<std::string>> ReadLines(const std::string& path);
FileError WriteLines(const std::string& path, const std::vector<std::string>& lines);
// Writes the bytes to a temporary name beside `path` and renames it over `path`.
FileError WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace hc::files

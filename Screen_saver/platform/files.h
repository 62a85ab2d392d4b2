#pragma once
// File services over the standard library, shared by the backends and the test doubles.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "system.h"

namespace hc::files {

// Paths are UTF-8 text inside the program; the file system gets them in its own form.
std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string Utf8Of(const std::filesystem::path& path);

// A file whose name starts with "." is hidden: listings pass it over like a hidden file.
bool IsHiddenName(const std::string& name);

// Wildcards "*" and "?", without regard to case; a pattern list is joined by ";".
bool MatchesPattern(const std::string& name, const std::string& pattern_list);

// See System::ListFiles; `separator` ends a folder path that lists every ordinary file.
// Hidden files are no ordinary files, even when named in full.
std::vector<std::string> ListFiles(const std::string& pattern, const std::string& separator);

FileError Copy(const std::string& from, const std::string& to);
FileError Remove(const std::string& path);
// Lines end in CR LF or in LF alone; a last line without an end is read like the others.
std::optional<std::vector<std::string>> ReadLines(const std::string& path);
FileError WriteLines(const std::string& path, const std::vector<std::string>& lines);
// Folders directly inside `folder`, by name without regard to case, hidden ones left out.
std::vector<std::string> SubFolders(const std::string& folder);
// Why `folder` cannot be listed; empty when it can.
std::string FolderProblem(const std::string& folder);
// Whether this process may make files in `folder`; asking makes nothing there that stays.
bool Writable(const std::string& folder);
FileError MakeFolder(const std::string& folder);

// Writes the bytes to a new file under a unique name beside `path`, flushes it to the disk
// and renames it over `path`: the file is then the old one or the new one, whole, even
// after a power cut. Nothing is ever opened through a link: one at `path` is replaced.
// A file replaced keeps its access rights.
FileError WriteFileAtomically(const std::string& path, const std::string& bytes);

// See System::UsersFileAt. A link is followed only when it is this user's own, or when
// whoever made it also owns what it names, so that a link planted by another account never
// aims a write at someone else's file.
std::string UsersFileAt(const std::string& path);

}  // namespace hc::files

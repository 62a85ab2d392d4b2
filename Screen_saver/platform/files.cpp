#include "files.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace hc::files {

namespace fs = std::filesystem;

namespace {

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool MatchOne(std::string_view name, std::string_view pattern) {
  // Iterative wildcard match with backtracking to the last "*".
  std::size_t n = 0, p = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    // Bytes of letters beyond ASCII sort after it.
    return static_cast<unsigned char>(Lower(x)) < static_cast<unsigned char>(Lower(y));
  });
}

std::string Describe(const std::error_code& ec) {
  return ec.message();
}

}  // namespace

fs::path PathFromUtf8(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

bool IsHiddenName(const std::string& name) {
  return !name.empty() && name.front() == '.';
}

bool MatchesPattern(const std::string& name, const std::string& pattern_list) {
  std::string_view rest = pattern_list;
  while (true) {
    const auto cut = rest.find(';');
    if (MatchOne(name, rest.substr(0, cut))) return true;
    if (cut == std::string_view::npos) return false;
    rest.remove_prefix(cut + 1);
  }
}

std::vector<std::string> ListFiles(const std::string& pattern, const std::string& separator) {
  std::vector<std::string> names;
  if (pattern.empty()) return names;
  std::error_code ec;
  const auto cut = pattern.rfind(separator);
  // A root keeps its separator: "C:" without it is the current folder on drive C.
  const bool root = cut != std::string::npos && (cut == 0 || pattern[cut - 1] == ':');
  const std::string folder =
      cut == std::string::npos ? "." : pattern.substr(0, root ? cut + separator.size() : cut);
  const std::string mask =
      cut == std::string::npos ? pattern : pattern.substr(cut + separator.size());
  if (mask.empty() || mask.find_first_of("*?") != std::string::npos) {
    for (fs::directory_iterator it(PathFromUtf8(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
      if (!it->is_regular_file(ec)) continue;
      const std::string name = Utf8Of(it->path().filename());
      if (IsHiddenName(name)) continue;
      if (mask.empty() || MatchOne(name, mask)) names.push_back(name);
    }
    // The listing order is by name, as the user sees the folder.
    std::sort(names.begin(), names.end(), LessIgnoringCase);
  } else if (!IsHiddenName(mask) && fs::is_regular_file(PathFromUtf8(pattern), ec)) {
    names.push_back(mask);
  }
  return names;
}

FileError Copy(const std::string& from, const std::string& to) {
  std::ifstream in(PathFromUtf8(from), std::ios::binary);
  if (!in) return {from + ": " + std::strerror(errno)};
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return {from + ": read failed"};
  return WriteFileAtomically(to, bytes.str());
}

FileError Remove(const std::string& path) {
  std::error_code ec;
  if (!fs::remove(PathFromUtf8(path), ec) || ec)
    return {path + ": " + (ec ? Describe(ec) : "no such file")};
  return {};
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  if (in.bad()) return std::nullopt;
  return lines;
}

FileError WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return WriteFileAtomically(path, bytes);
}

}  // namespace hc::files

namespace hc::files {

std::vector<std::string> SubFolders(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(PathFromUtf8(folder), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = Utf8Of(it->path().filename());
    if (!IsHiddenName(name) && it->is_directory(ec)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

std::string FolderProblem(const std::string& folder) {
  std::error_code ec;
  const fs::path path = PathFromUtf8(folder);
  if (!fs::exists(path, ec)) return folder + ": no such folder";
  if (!fs::is_directory(path, ec)) return folder + ": not a folder";
  fs::directory_iterator it(path, ec);
  return ec ? folder + ": " + Describe(ec) : std::string();
}

FileError MakeFolder(const std::string& folder) {
  std::error_code ec;
  fs::create_directories(PathFromUtf8(folder), ec);
  if (ec) return {folder + ": " + Describe(ec)};
  return {};
}

}  // namespace hc::files

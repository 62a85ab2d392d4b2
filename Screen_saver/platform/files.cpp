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

std::string Describe(const std::error_code& ec) {
  return ec.message();
}

std::string TemporaryNameFor(const fs::path& target) {
  return (target.parent_path() / ("." + target.filename().string() + ".tmp")).string();
}

}  // namespace

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
  const std::string folder =
      cut == std::string::npos ? "." : (cut == 0 ? separator : pattern.substr(0, cut));
  const std::string mask =
      cut == std::string::npos ? pattern : pattern.substr(cut + separator.size());
  if (mask.empty() || mask.find_first_of("*?") != std::string::npos) {
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      if (!it->is_regular_file(ec)) continue;
      const std::string name = it->path().filename().string();
      if (IsHiddenName(name)) continue;
      if (mask.empty() || MatchOne(name, mask)) names.push_back(name);
    }
    // The listing order is by name, as the user sees the folder.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
      return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                          [](char x, char y) { return Lower(x) < Lower(y); });
    });
  } else if (!IsHiddenName(mask) && fs::is_regular_file(pattern, ec)) {
    names.push_back(mask);
  }
  return names;
}

FileError CopyFile(const std::string& from, const std::string& to) {
  std::ifstream in(from, std::ios::binary);
  if (!in) return {from + ": " + std::strerror(errno)};
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return {from + ": read failed"};
  return WriteFileAtomically(to, bytes.str());
}

FileError DeleteFile(const std::string& path) {
  std::error_code ec;
  if (!fs::remove(path, ec) || ec) return {path + ": " + (ec ? Describe(ec) : "no such file")};
  return {};
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
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

FileError WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string temporary = TemporaryNameFor(path);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return {path + ": " + std::strerror(errno)};
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      const std::string reason = std::strerror(errno);
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return {path + ": " + reason};
    }
  }
  std::error_code ec;
  fs::rename(temporary, path, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return {path + ": " + Describe(ec)};
  }
  return {};
}

}  // namespace hc::files

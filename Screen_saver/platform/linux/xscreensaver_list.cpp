#include "xscreensaver_list.h"

#include <sstream>
#include <vector>

namespace hc::xscreensaver {

namespace {

constexpr char kResource[] = "programs";

struct Line {
  std::string text;
  bool continued() const { return !text.empty() && text.back() == '\\'; }
};

std::vector<Line> SplitLines(const std::string& text) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back({text.substr(start)});
      break;
    }
    lines.push_back({text.substr(start, end - start)});
    start = end + 1;
  }
  return lines;
}

std::string Joined(const std::vector<Line>& lines) {
  std::string text;
  for (const Line& line : lines) text += line.text + "\n";
  return text;
}

// The position just past the colon when the line starts the programs resource, else npos.
// The daemon's own defaults write it as "*programs:"; the user's file without the star.
std::size_t ValueStart(const std::string& line) {
  std::size_t i = line.find_first_not_of(" \t");
  if (i == std::string::npos) return std::string::npos;
  if (line[i] == '*') ++i;
  if (line.compare(i, sizeof kResource - 1, kResource) != 0) return std::string::npos;
  i = line.find_first_not_of(" \t", i + sizeof kResource - 1);
  return i != std::string::npos && line[i] == ':' ? i + 1 : std::string::npos;
}

std::string BaseName(const std::string& word) {
  const auto slash = word.rfind('/');
  return slash == std::string::npos ? word : word.substr(slash + 1);
}

bool EntryNames(const std::string& entry, const std::string& program_name) {
  std::istringstream words(entry);
  std::string word;
  while (words >> word) {
    std::string bare;
    for (char c : word)
      if (c != '"' && c != '\'') bare += c;
    if (BaseName(bare) == program_name) return true;
  }
  return false;
}

// Entries are parted by the two characters backslash and n, not by line ends.
bool ValueNames(const std::string& value, const std::string& program_name) {
  std::size_t start = 0;
  while (true) {
    const auto end = value.find("\\n", start);
    if (EntryNames(value.substr(start, end - start), program_name)) return true;
    if (end == std::string::npos) return false;
    start = end + 2;
  }
}

std::string EntryLine(const std::string& program_name, const std::string& command, bool more) {
  return "  \"" + program_name + "\"  " + command + " \\n" + (more ? "\\" : "");
}

bool IsComment(const std::string& line) {
  const auto i = line.find_first_not_of(" \t");
  return i != std::string::npos && (line[i] == '!' || line[i] == '#');
}

}  // namespace

std::string HackCommand(const std::string& installed_file) {
  const std::string folder = std::string(kHacksFolder) + "/";
  if (installed_file.rfind(folder, 0) == 0 &&
      installed_file.find('/', folder.size()) == std::string::npos)
    return installed_file.substr(folder.size()) + " --root";
  const bool plain = installed_file.find_first_not_of(
                         "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789/._-+") ==
                     std::string::npos;
  if (plain) return installed_file + " --root";
  std::string quoted = "'";
  for (char c : installed_file) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "' --root";
}

std::optional<std::string> WithProgram(const std::string& text, const std::string& program_name,
                                       const std::string& command) {
  std::vector<Line> lines = SplitLines(text);
  bool in_value_of_other = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool starts_resource = !in_value_of_other && !IsComment(lines[i].text);
    in_value_of_other = lines[i].continued();
    const std::size_t start = starts_resource ? ValueStart(lines[i].text) : std::string::npos;
    if (start == std::string::npos) continue;

    std::size_t last = i;
    while (lines[last].continued() && last + 1 < lines.size()) ++last;
    std::string value;
    for (std::size_t j = i; j <= last; ++j) {
      std::string part = j == i ? lines[j].text.substr(start) : lines[j].text;
      if (lines[j].continued()) part.pop_back();
      value += part;
    }
    if (ValueNames(value, program_name)) return std::nullopt;

    // The entry goes below the resource's first line, so the line that closes the list
    // stays the one that closes it.
    std::vector<Line> inserted;
    if (lines[i].continued()) {
      inserted.push_back({EntryLine(program_name, command, true)});
    } else {
      // A list on the resource's own line moves below the new entry.
      const std::string rest = lines[i].text.substr(start);
      const bool empty = rest.find_first_not_of(" \t") == std::string::npos;
      lines[i].text = lines[i].text.substr(0, start) + "\t\\";
      inserted.push_back({EntryLine(program_name, command, !empty)});
      if (!empty) inserted.push_back({"  " + rest.substr(rest.find_first_not_of(" \t"))});
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, inserted.begin(),
                 inserted.end());
    return Joined(lines);
  }
  // Without a list the daemon uses its own; the one added here joins it.
  std::string added = text;
  if (!added.empty() && added.back() != '\n') added += "\n";
  if (!lines.empty() && lines.back().continued()) added += "\n";
  return added + std::string(kResource) + ":\t\\\n" + EntryLine(program_name, command, false) +
         "\n";
}

}  // namespace hc::xscreensaver

#include "fake_system.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "paths.h"

namespace hc::fake {

namespace {

int Read16Le(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8);
}
int Read16Be(const std::vector<std::uint8_t>& b, std::size_t at) {
  return (b[at] << 8) | b[at + 1];
}
std::int32_t Read32Le(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                                   (static_cast<std::uint32_t>(b[at + 3]) << 24));
}

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian calendar).
std::int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

}  // namespace

Picture DecodeHeader(const std::vector<std::uint8_t>& b, const std::string& source) {
  if (b.size() >= 10 && b[0] == 'G' && b[1] == 'I' && b[2] == 'F')
    return std::make_shared<FakePicture>(Read16Le(b, 6), Read16Le(b, 8), source);
  if (b.size() >= 26 && b[0] == 'B' && b[1] == 'M') {
    const std::int32_t h = Read32Le(b, 22);
    return std::make_shared<FakePicture>(Read32Le(b, 18), h < 0 ? -h : h, source);
  }
  if (b.size() >= 4 && b[0] == 0xFF && b[1] == 0xD8) {
    for (std::size_t at = 2; at + 9 < b.size();) {
      if (b[at] != 0xFF) return nullptr;
      const int marker = b[at + 1];
      if (marker >= 0xC0 && marker <= 0xC3)
        return std::make_shared<FakePicture>(Read16Be(b, at + 7), Read16Be(b, at + 5), source);
      at += 2 + Read16Be(b, at + 2);
    }
  }
  return nullptr;
}

DateTime AddSeconds(const DateTime& t, std::int64_t seconds) {
  std::int64_t total = t.hour * 3600 + t.minute * 60 + t.second + seconds;
  std::int64_t days = DaysFromCivil(t.year, t.month, t.day);
  days += total >= 0 ? total / 86400 : -((-total + 86399) / 86400);
  total = ((total % 86400) + 86400) % 86400;
  DateTime r;
  CivilFromDays(days, r.year, r.month, r.day);
  r.hour = static_cast<int>(total / 3600);
  r.minute = static_cast<int>(total / 60 % 60);
  r.second = static_cast<int>(total % 60);
  return r;
}

FakeSystem::FakeSystem() = default;

std::string FakeSystem::DriveOf(const std::string& path) {
  const std::string separator = PathSeparator();
  std::string mounted;
  for (const std::string& drive : mounted_drives) {
    const bool inside = path == drive || path.rfind(drive + separator, 0) == 0;
    if (inside && drive.size() > mounted.size()) mounted = drive;
  }
  if (!mounted.empty()) return mounted;
  // "C:" where paths have drive letters, "/" where they have one root.
  const std::filesystem::path p = files::PathFromUtf8(path);
  return files::Utf8Of(p.has_root_name() ? p.root_name() : p.root_directory());
}

std::vector<std::string> FakeSystem::Drives() {
  std::vector<std::string> drives{DriveOf(program_folder)};
  drives.insert(drives.end(), mounted_drives.begin(), mounted_drives.end());
  return drives;
}

std::optional<std::vector<std::string>> FakeSystem::ReadLines(const std::string& path) {
  if (std::find(unreadable_files.begin(), unreadable_files.end(), path) != unreadable_files.end())
    return std::nullopt;
  return StandardFiles::ReadLines(path);
}

FileError FakeSystem::ReadOnly(const std::string& path) {
  const std::string separator = PathSeparator();
  for (const auto& locked : read_only_paths) {
    const bool inside = path.size() > locked.size() &&
                        path.compare(0, locked.size(), locked) == 0 &&
                        (locked.ends_with(separator) ||
                         path.compare(locked.size(), separator.size(), separator) == 0);
    if (path == locked || inside) return {path + ": Read-only file system"};
  }
  return {};
}

bool FakeSystem::FolderWritable(const std::string& folder) {
  return !ReadOnly(JoinPath(folder, "new file", PathSeparator())) &&
         StandardFiles::FolderWritable(folder);
}

FileError FakeSystem::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  if (FileError error = ReadOnly(path)) return error;
  return StandardFiles::WriteLines(path, lines);
}

std::optional<std::string> FakeSystem::PathForTextFile(const std::string& path) {
  const auto it = text_file_paths.find(path);
  return it == text_file_paths.end() ? std::optional<std::string>(path) : it->second;
}

FileError FakeSystem::FileCopy(const std::string& from, const std::string& to) {
  if (FileError error = ReadOnly(to)) return error;
  return StandardFiles::FileCopy(from, to);
}

FileError FakeSystem::RemoveFile(const std::string& path) {
  if (FileError error = ReadOnly(path)) return error;
  return StandardFiles::RemoveFile(path);
}

DateTime FakeSystem::Now() {
  return AddSeconds(start_time, elapsed_ms / 1000);
}

Picture FakeSystem::LoadPicture(const std::string& path, std::string* error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    if (error) *error = path + ": no such file";
    return nullptr;
  }
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  Picture p = in ? DecodeHeader(bytes, path) : nullptr;
  if (!p && error) *error = path + ": not a picture";
  return p;
}

Picture FakeSystem::DecodePicture(const std::vector<std::uint8_t>& bytes, const std::string& name) {
  return DecodeHeader(bytes, name);
}

MsgResult FakeSystem::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                             const std::string& title) {
  messages.push_back({text, buttons, icon, title});
  if (answers.empty()) return MsgResult::kOk;
  const MsgResult r = answers.front();
  answers.pop_front();
  return r;
}

void FakeSystem::RunModal(Window& window) {
  modal_windows.push_back(window.Name());
  window.SetModal(true);
  window.Show();
  if (modal_script) modal_script(window);
  window.Hide();
  window.SetModal(false);
}

std::optional<Color> FakeSystem::AskColor(Color initial) {
  color_chooser_opened_with.push_back(initial);
  if (color_answers.empty()) return std::nullopt;
  const auto answer = color_answers.front();
  color_answers.pop_front();
  return answer;
}

std::optional<FontChoice> FakeSystem::AskFont(const FontChoice& initial) {
  font_chooser_opened_with.push_back(initial);
  if (font_answers.empty()) return std::nullopt;
  const auto answer = font_answers.front();
  font_answers.pop_front();
  return answer;
}

FileError FakeSystem::CheckFolder(const std::string& folder) {
  for (const auto& unready : unready_folders)
    if (folder == unready) return {"Device unavailable"};
  return StandardFiles::CheckFolder(folder);
}

bool FakeSystem::StartCommand(const std::vector<std::string>& argv) {
  started_commands.push_back(argv);
  return start_command_works;
}

}  // namespace hc::fake

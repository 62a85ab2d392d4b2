// What Windows answers without a window: the program's arguments and claim, drives, files
// in the system's code page, folders and starting programs.

// clang-format off
#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>
// clang-format on

#include "win32/win32_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "fake/test_folder.h"
#include "files.h"
#include "tests/without_ui.h"
#include "win32/wide.h"

namespace hc::win32 {
namespace {

namespace fs = std::filesystem;

// The services Windows gives by itself, with the screen, pictures, boxes and choosers left out.
using BareWin32System = testing::WithoutUi<Win32System>;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(CommandLine, TheArgumentsFollowTheProgramsName) {
  const std::pair<std::wstring, std::string> cases[] = {
      {LR"("C:\Program Files\HC\HalvekClock.scr" /s)", "/s"},
      {LR"(C:\Windows\System32\HALVEK~1.SCR /c:1234)", "/c:1234"},
      {LR"(HalvekClock.scr)", ""},
      {LR"("C:\HC\HalvekClock.scr")", ""},
      // Blanks inside and after the arguments are theirs.
      {L"HalvekClock.scr \t  /p  4242  ", "/p  4242  "},
      {LR"("C:\HC\HalvekClock.scr"/p 4242)", "/p 4242"},
      {L"\"C:\\\x0427\x0430\x0441\x044B\\HalvekClock.scr\" /s \x0432\x0441\x0435",
       "/s \xD0\xB2\xD1\x81\xD0\xB5"},
      {LR"("C:\HC\unclosed /s)", ""},
      {L"", ""},
  };
  for (const auto& [line, arguments] : cases) EXPECT_EQ(ArgumentsOf(line), arguments) << Utf8(line);
}

TEST(CommandLine, EachArgumentComesBackAsItWasGiven) {
  const std::string cyrillic = "C:\\\xD0\x9C\xD0\xBE\xD0\xB8 \xD1\x87\xD0\xB0\xD1\x81\xD1\x8B";
  const std::pair<std::vector<std::string>, std::wstring> cases[] = {
      {{"C:\\Windows\\system32\\rundll32.exe", "desk.cpl,InstallScreenSaver", "C:\\HC\\a.scr"},
       LR"(C:\Windows\system32\rundll32.exe desk.cpl,InstallScreenSaver C:\HC\a.scr)"},
      {{"C:\\Program Files\\HC\\setup.exe", ""}, LR"("C:\Program Files\HC\setup.exe" "")"},
      {{"x.exe", cyrillic + "\\a.gif"},
       L"x.exe \"C:\\\x041C\x043E\x0438 \x0447\x0430\x0441\x044B\\a.gif\""},
      {{"x.exe", "say \"hi\""}, LR"(x.exe "say \"hi\"")"},
      // Backslashes are doubled only where a quote follows them.
      {{"x.exe", "C:\\with blank\\"}, LR"(x.exe "C:\with blank\\")"},
      {{"x.exe", "a\\\\\"b"}, LR"(x.exe "a\\\\\"b")"},
      {{"x.exe", "\\\\srv\\pics\\"}, LR"(x.exe \\srv\pics\)"},
      {{"x.exe", "tab\there"}, L"x.exe \"tab\there\""},
  };
  for (const auto& [argv, line] : cases) {
    EXPECT_EQ(CommandLineOf(argv), line) << Utf8(line);
    // The parsing every program started this way does.
    int count = 0;
    LPWSTR* parsed = CommandLineToArgvW(CommandLineOf(argv).c_str(), &count);
    ASSERT_NE(parsed, nullptr);
    std::vector<std::string> back;
    for (int i = 0; i < count; ++i) back.push_back(Utf8(parsed[i]));
    LocalFree(parsed);
    EXPECT_EQ(back, argv) << Utf8(line);
  }
}

TEST(Drives, APathsDriveIsTheRootThatOpensIt) {
  BareWin32System system;
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\HC\\pics\\a.gif", "C:\\"},
      {"c:/hc/pics", "C:\\"},
      {"d:", "D:\\"},
      {"Z:\\", "Z:\\"},
      {"\\\\srv\\pics\\2024\\a.gif", "\\\\srv\\pics\\"},
      {"\\\\srv\\pics", "\\\\srv\\pics\\"},
      {"\\\\?\\C:\\HC", "C:\\"},
      {"\\\\?\\UNC\\srv\\pics\\a.gif", "\\\\srv\\pics\\"},
  };
  for (const auto& [path, drive] : cases) EXPECT_EQ(system.DriveOf(path), drive) << path;

  // A path without a drive is on the current folder's.
  const std::string current = system.DriveOf(files::Utf8Of(fs::current_path()));
  ASSERT_EQ(current.size(), 3u) << current;
  EXPECT_EQ(system.DriveOf("pics\\a.gif"), current);
  EXPECT_EQ(system.DriveOf("\\pics"), current);
}

TEST(Drives, EveryDriveIsItsOwnRootAndTheProgramIsOnOne) {
  BareWin32System system;
  const std::vector<std::string> drives = system.Drives();
  ASSERT_FALSE(drives.empty());
  for (const std::string& drive : drives) EXPECT_EQ(system.DriveOf(drive), drive);
  EXPECT_NE(std::find(drives.begin(), drives.end(), system.DriveOf(system.ProgramFolder())),
            drives.end());
}

TEST(Drives, ARootIsListedNotTheCurrentFolderOnItsDrive) {
  BareWin32System system;
  const fs::path folder = fake::FreshTestFolder("hc_root_");
  std::ofstream(folder / "only-here.gif").put('x');
  const fs::path before = fs::current_path();
  fs::current_path(folder);
  const std::string root = system.DriveOf(files::Utf8Of(folder));
  // "C:" alone is the current folder on drive C.
  const auto in_root = system.ListFiles(root + "*.gif");
  const auto in_folder = system.ListFiles(files::Utf8Of(folder) + "\\*.gif");
  fs::current_path(before);
  fs::remove_all(folder);
  EXPECT_EQ(std::count(in_root.begin(), in_root.end(), "only-here.gif"), 0) << root;
  EXPECT_EQ(in_folder, std::vector<std::string>{"only-here.gif"});
}

TEST(Folders, TheProgramsAndTheSystemsFoldersAreThere) {
  BareWin32System system;
  const std::string program = system.ProgramFolder();
  ASSERT_FALSE(program.empty());
  EXPECT_NE(program.back(), '\\');
  EXPECT_TRUE(fs::is_regular_file(files::PathFromUtf8(program + "\\platform_win32_tests.exe")))
      << program;
  EXPECT_TRUE(fs::is_directory(files::PathFromUtf8(system.SystemFolder())));

  const std::string data = system.UserDataFolder();
  ASSERT_GT(data.size(), 12u);
  EXPECT_EQ(data.substr(data.size() - 12), "\\HalvekClock");
  EXPECT_TRUE(fs::is_directory(files::PathFromUtf8(data.substr(0, data.size() - 12)))) << data;
}

TEST(Clock, NowIsTheLocalTime) {
  BareWin32System system;
  const std::time_t now = std::time(nullptr);
  const DateTime t = system.Now();
  std::tm local = *std::localtime(&now);
  const std::tm ours{t.second, t.minute, t.hour, t.day, t.month - 1, t.year - 1900, 0, 0, -1};
  std::tm copy = ours;
  EXPECT_LE(std::abs(std::difftime(std::mktime(&copy), std::mktime(&local))), 2.0)
      << t.year << "-" << t.month << "-" << t.day << " " << t.hour << ":" << t.minute << ":"
      << t.second;
}

TEST(Instance, OneRunHoldsTheClaimUntilItEnds) {
  auto first = std::make_unique<BareWin32System>();
  EXPECT_FALSE(first->AnotherInstance());
  EXPECT_FALSE(first->AnotherInstance()) << "asking again keeps the claim";
  {
    BareWin32System second;
    EXPECT_TRUE(second.AnotherInstance());
  }
  EXPECT_TRUE(BareWin32System().AnotherInstance()) << "the first run still holds it";
  first.reset();
  BareWin32System third;
  EXPECT_FALSE(third.AnotherInstance());
  EXPECT_TRUE(BareWin32System().AnotherInstance());
}

TEST(Start, AProgramStartsWithItsArgumentsIntact) {
  BareWin32System system;
  const fs::path folder = fake::FreshTestFolder("hc_start_");
  // A name with a blank and letters beyond the code page.
  const std::string made = files::Utf8Of(folder) + "\\\xD0\x9D\xD0\xBE\xD0\xB2\xD0\xB0\xD1\x8F p";
  ASSERT_TRUE(system.StartCommand({system.SystemFolder() + "\\cmd.exe", "/c", "mkdir", made}));
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!fs::is_directory(files::PathFromUtf8(made)) && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_TRUE(fs::is_directory(files::PathFromUtf8(made))) << made;
  fs::remove_all(folder);
}

TEST(Start, WhatCannotStartIsFalse) {
  BareWin32System system;
  const std::vector<std::vector<std::string>> cases = {
      {"C:\\no such folder\\no-such-program.exe", "/s"},
      {"no-such-program-hc.exe"},
      {""},
      {},
  };
  for (const auto& argv : cases)
    EXPECT_FALSE(system.StartCommand(argv)) << Utf8(CommandLineOf(argv));
}

// Settings files hold the system's ANSI code page, as earlier versions wrote them.
struct CodePageCase {
  UINT code_page;
  std::string utf8, bytes;
};
const CodePageCase kCodePageCases[] = {
    {1252, "PicCenter=caf\xC3\xA9", "PicCenter=caf\xE9"},
    {1251,
     "PicCenter=\xD0\x92\xD1\x81\xD1\x82\xD1\x80\xD0\xBE\xD0\xB5\xD0\xBD\xD0\xBD\xD0\xB0\xD1\x8F",
     "PicCenter=\xC2\xF1\xF2\xF0\xEE\xE5\xED\xED\xE0\xFF"},
};

TEST(CodePage, LinesAreWrittenAndReadInTheSystemsCodePage) {
  const CodePageCase* ours = nullptr;
  for (const auto& c : kCodePageCases)
    if (c.code_page == GetACP()) ours = &c;
  if (!ours) GTEST_SKIP() << "no case for code page " << GetACP();
  BareWin32System system;
  const fs::path folder = fake::FreshTestFolder("hc_ansi_");
  const std::string path = files::Utf8Of(folder / "HalvekClock.ini");

  // A Chinese letter is in neither code page: it becomes a question mark.
  ASSERT_FALSE(system.WriteLines(path, {"[Pictures]", ours->utf8, "Name=\xE4\xB8\xAD", ""}));
  EXPECT_EQ(ReadBytes(folder / "HalvekClock.ini"),
            "[Pictures]\r\n" + ours->bytes + "\r\nName=?\r\n\r\n");
  EXPECT_EQ(system.ReadLines(path),
            (std::vector<std::string>{"[Pictures]", ours->utf8, "Name=?", ""}));

  // A file an earlier version left, its last line without an end.
  std::ofstream(folder / "old.ini", std::ios::binary) << "x=1\r\n" << ours->bytes;
  EXPECT_EQ(system.ReadLines(files::Utf8Of(folder / "old.ini")),
            (std::vector<std::string>{"x=1", ours->utf8}));
  EXPECT_EQ(system.ReadLines(files::Utf8Of(folder / "missing.ini")), std::nullopt);
  fs::remove_all(folder);
}

// A picture in a folder whose name the code page cannot spell is kept in the settings by the
// short name of its path, which the code page spells and which opens the same files.
TEST(CodePage, APathTheCodePageCannotSpellIsGivenByItsShortName) {
  if (AnsiSpells(L"\u0444\u043e\u0442\u043e"))
    GTEST_SKIP() << "code page " << GetACP() << " has Cyrillic letters";
  BareWin32System system;
  const fs::path folder = fake::FreshTestFolder("hc_short_");
  const fs::path photos = folder / u8"\u0444\u043e\u0442\u043e";
  fs::create_directories(photos);
  std::ofstream(photos / u8"\u043b\u043e\u0433\u043e.gif", std::ios::binary) << "GIF89a";
  const std::string plain = files::Utf8Of(folder / "plain.gif");
  EXPECT_EQ(system.PathForTextFile(plain), plain) << "a path the code page spells stays";

  const std::string picture = files::Utf8Of(photos / u8"\u043b\u043e\u0433\u043e.gif");
  const std::string slides = files::Utf8Of(photos) + "\\";
  for (const std::string& path : {picture, slides}) {
    const std::optional<std::string> kept = system.PathForTextFile(path);
    ASSERT_TRUE(kept) << path;
    // Through the settings file and back, it still names the same file or folder.
    const std::string ini = files::Utf8Of(folder / "Halvek_Clock.ini");
    ASSERT_FALSE(system.WriteLines(ini, {"PicCenter=" + *kept}));
    const auto lines = system.ReadLines(ini);
    ASSERT_TRUE(lines && lines->size() == 1);
    const std::string read_back = lines->front().substr(std::string("PicCenter=").size());
    EXPECT_EQ(read_back, *kept) << "spelt whole by the code page";
    EXPECT_EQ(read_back.back() == '\\', path.back() == '\\') << read_back;
    if (path == slides)
      EXPECT_EQ(system.ListFiles(read_back),
                std::vector<std::string>{"\u043b\u043e\u0433\u043e.gif"});
    else
      EXPECT_EQ(ReadBytes(fs::path(Wide(read_back))), "GIF89a") << read_back;
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace hc::win32

// The programs' version information as Windows reads it for a file's properties: the
// product, its makers and licence, each program's own description and file name, and the
// project's version, in the language the file's translation entry names.

// clang-format off
#include <windows.h>
// After <windows.h>, which it needs.
#include <winver.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// The shipped programs' folder, found from this test program's own place in the build.
std::filesystem::path ProgramsFolder() {
  std::wstring self(MAX_PATH, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  return (std::filesystem::path(self).parent_path() / HC_PROGRAMS_FOLDER).lexically_normal();
}

class VersionInfo {
 public:
  explicit VersionInfo(const std::filesystem::path& file) {
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), nullptr);
    if (size == 0) return;
    data_.resize(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data_.data())) data_.clear();
  }
  bool Found() const { return !data_.empty(); }

  const VS_FIXEDFILEINFO* Fixed() const {
    UINT bytes = 0;
    const void* value = Query(L"\\", bytes);
    return bytes >= sizeof(VS_FIXEDFILEINFO) ? static_cast<const VS_FIXEDFILEINFO*>(value)
                                             : nullptr;
  }

  // A string of the first language the translation entry names, as Explorer looks it up;
  // "(none)" when the file has no such string.
  std::wstring String(const wchar_t* name) const {
    UINT bytes = 0;
    const auto* translation = static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation", bytes));
    if (bytes < 2 * sizeof(WORD)) return L"(no translation)";
    wchar_t path[64];
    std::swprintf(path, 64, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1],
                  name);
    UINT characters = 0;
    const auto* text = static_cast<const wchar_t*>(Query(path, characters));
    return characters == 0 ? L"(none)" : std::wstring(text);
  }

 private:
  // The value at a path in the block and its length (in characters for a string, in bytes
  // otherwise); the length is 0 when there is none.
  const void* Query(const wchar_t* path, UINT& length) const {
    void* value = nullptr;
    length = 0;
    if (data_.empty()) return nullptr;
    // VerQueryValueW takes a non-const block, though it only reads it.
    if (!VerQueryValueW(const_cast<BYTE*>(data_.data()), path, &value, &length)) length = 0;
    return value;
  }

  std::vector<BYTE> data_;
};

TEST(ProgramVersionInfo, EachProgramNamesItselfTheProductItsMakersAndTheLicence) {
  struct Case {
    const wchar_t* file;
    const wchar_t* description;
  };
  const Case cases[] = {{L"HalvekClock.scr", L"HalvekClock screensaver"},
                        {L"setup_hclock.exe", L"HalvekClock installer"}};
  const std::wstring version = HC_VERSION;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.file);
    const VersionInfo info(ProgramsFolder() / c.file);
    ASSERT_TRUE(info.Found()) << "no version information in " << (ProgramsFolder() / c.file);

    const VS_FIXEDFILEINFO* fixed = info.Fixed();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    const std::wstring numbers = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                                 std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                                 std::to_wstring(HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(numbers, version);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    EXPECT_EQ(info.String(L"CompanyName"), L"HalvekClock developers");
    EXPECT_EQ(info.String(L"LegalCopyright"),
              L"Copyright (c) 2026 the HalvekClock developers; MIT licence");
    EXPECT_EQ(info.String(L"ProductName"), L"HalvekClock");
    EXPECT_EQ(info.String(L"FileDescription"), c.description);
    EXPECT_EQ(info.String(L"OriginalFilename"), c.file);
    EXPECT_EQ(info.String(L"FileVersion"), version);
    EXPECT_EQ(info.String(L"ProductVersion"), version);
  }
}

}  // namespace

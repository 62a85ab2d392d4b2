// Files are replaced whole on Windows: the new text goes to a file made new under a unique
// name, reaches the disk, and is moved over the target with the move itself written through.

#include <windows.h>

#include <algorithm>
#include <string>

#include "files.h"
#include "temporary_name.h"

namespace hc::files {

namespace fs = std::filesystem;

namespace {

std::string Reason(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring wide = n && text ? std::wstring(text, n) : L"error " + std::to_wstring(error);
  LocalFree(text);
  while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L' '))
    wide.pop_back();
  return Utf8Of(fs::path(wide));
}

// A new file under a unique name beside `target`; CREATE_NEW never opens what is there.
HANDLE CreateNew(const fs::path& target, DWORD flags, fs::path* made, DWORD* error) {
  for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
    *made = TemporaryNameFor(target);
    HANDLE file = CreateFileW(made->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, flags, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    *error = GetLastError();
    if (*error != ERROR_FILE_EXISTS && *error != ERROR_ALREADY_EXISTS) break;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

FileError WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const fs::path target = PathFromUtf8(path);
  fs::path temporary;
  DWORD error = 0;
  HANDLE file = CreateNew(target, FILE_ATTRIBUTE_NORMAL, &temporary, &error);
  if (file == INVALID_HANDLE_VALUE) return {path + ": " + Reason(error)};
  bool ok = true;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written > 0;
    done += written;
  }
  if (ok) ok = FlushFileBuffers(file);
  if (!ok) error = GetLastError();
  CloseHandle(file);
  if (ok && !MoveFileExW(temporary.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ok = false;
    error = GetLastError();
  }
  if (!ok) {
    DeleteFileW(temporary.c_str());
    return {path + ": " + Reason(error)};
  }
  return {};
}

std::string UsersFileAt(const std::string& path) {
  // Links are an administrator's tool on Windows: a user's file is where its name says.
  return path;
}

bool Writable(const std::string& folder) {
  // Only making a file tells (access lists, read-only media); the probe is new, unique and
  // gone when closed, so it can neither open nor leave anything.
  fs::path probe;
  DWORD error = 0;
  HANDLE file =
      CreateNew(PathFromUtf8(folder) / L"probe", FILE_FLAG_DELETE_ON_CLOSE, &probe, &error);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

}  // namespace hc::files

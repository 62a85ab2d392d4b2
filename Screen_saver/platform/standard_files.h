#pragma once
// The file and folder services over the standard library, shared by the Linux system and
// the test doubles, so that both list, copy and read the same way.

#include <filesystem>

#include "files.h"
#include "system.h"

namespace hc {

class StandardFiles : public System {
 public:
  std::string PathSeparator() override {
    return std::string(1, static_cast<char>(std::filesystem::path::preferred_separator));
  }
  std::vector<std::string> ListFiles(const std::string& pattern) override {
    return files::ListFiles(pattern, PathSeparator());
  }
  FileError FileCopy(const std::string& from, const std::string& to) override {
    return files::Copy(from, to);
  }
  FileError RemoveFile(const std::string& path) override { return files::Remove(path); }
  std::optional<std::vector<std::string>> ReadLines(const std::string& path) override {
    return files::ReadLines(path);
  }
  FileError WriteLines(const std::string& path, const std::vector<std::string>& lines) override {
    return files::WriteLines(path, lines);
  }
  std::vector<std::string> SubFolders(const std::string& folder) override {
    return files::SubFolders(folder);
  }
  FileError CheckFolder(const std::string& folder) override {
    return {files::FolderProblem(folder)};
  }
  bool FolderWritable(const std::string& folder) override { return files::Writable(folder); }
  std::string UsersFileAt(const std::string& path) override { return files::UsersFileAt(path); }
  // The text files hold UTF-8, which spells every name.
  std::optional<std::string> PathForTextFile(const std::string& path) override { return path; }
  FileError MakeFolder(const std::string& folder) override { return files::MakeFolder(folder); }
};

}  // namespace hc

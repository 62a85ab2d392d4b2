#pragma once
// The file services of a system whose paths are joined by "/", shared by the Linux backend
// and the test doubles.

#include "files.h"
#include "system.h"

namespace hc {

class PosixFiles : public System {
 public:
  std::string PathSeparator() override { return "/"; }
  std::vector<std::string> ListFiles(const std::string& pattern) override {
    return files::ListFiles(pattern, "/");
  }
  FileError CopyFile(const std::string& from, const std::string& to) override {
    return files::CopyFile(from, to);
  }
  FileError DeleteFile(const std::string& path) override { return files::DeleteFile(path); }
  std::optional<std::vector<std::string>> ReadLines(const std::string& path) override {
    return files::ReadLines(path);
  }
  FileError WriteLines(const std::string& path, const std::vector<std::string>& lines) override {
    return files::WriteLines(path, lines);
  }
};

}  // namespace hc

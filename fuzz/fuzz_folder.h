#pragma once
// A folder of the fuzzing process's own, emptied when the process ends.

#include <unistd.h>

#include <filesystem>
#include <string>

namespace hc::fuzz {

class FuzzFolder {
 public:
  explicit FuzzFolder(const std::string& prefix)
      : path_(std::filesystem::temp_directory_path() /
              (prefix + std::to_string(static_cast<long>(::getpid())))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~FuzzFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  FuzzFolder(const FuzzFolder&) = delete;
  FuzzFolder& operator=(const FuzzFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace hc::fuzz

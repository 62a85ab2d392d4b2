#pragma once
// A fresh, empty folder of the running test's own, so tests that run side by side never
// share files.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace hc::fake {

inline std::filesystem::path FreshTestFolder(const std::string& prefix) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "_" + info->name();
  for (char& c : name)
    if (c == '/') c = '_';
  const auto folder = std::filesystem::temp_directory_path() / (prefix + name);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace hc::fake

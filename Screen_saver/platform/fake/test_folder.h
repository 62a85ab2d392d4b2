#pragma once
// A fresh, empty folder of the running test's own, so tests that run side by side never
// share files, not even the same test run from two build folders at once.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace hc::fake {

inline std::filesystem::path FreshTestFolder(const std::string& prefix) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "_" + info->name();
  for (char& c : name)
    if (c == '/') c = '_';
  static const unsigned run = std::random_device{}();
  const auto folder =
      std::filesystem::temp_directory_path() / (prefix + name + "_" + std::to_string(run));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace hc::fake

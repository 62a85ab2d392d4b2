#pragma once
// The name a new file is written under before it takes its place: hidden, beside its
// target, and different every time, so that nothing planted or left behind under a known
// name is ever opened.

#include <atomic>
#include <filesystem>
#include <random>
#include <string>

#include "files.h"

namespace hc::files {

inline std::filesystem::path TemporaryNameFor(const std::filesystem::path& target) {
  static std::atomic<unsigned> counter{0};
  static const unsigned seed = std::random_device{}();
  std::mt19937 draw(seed ^ (counter.fetch_add(1) * 2654435761u));
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string suffix;
  for (int i = 0; i < 10; ++i) suffix += kLetters[draw() % (sizeof kLetters - 1)];
  return target.parent_path() /
         PathFromUtf8("." + Utf8Of(target.filename()) + "." + suffix + ".tmp");
}

// How many names are tried before a folder is taken to refuse new files.
inline constexpr int kTemporaryNameTries = 64;

}  // namespace hc::files

// A disk that fills up in the middle of a write, made real with the file size limit: the
// writer reports it and the file it was replacing stays as it was, with no leftover.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fake/test_folder.h"
#include "files.h"

namespace hc::testing {
namespace {

namespace fs = std::filesystem;

// Writes beyond `bytes` fail with EFBIG in this process while it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    old_handler_ = signal(SIGXFSZ, SIG_IGN);  // the failing write returns instead of killing
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  sighandler_t old_handler_;
};

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(DiskFull, AWriteCutShortLeavesTheOldFileAndNoTemporary) {
  struct Case {
    const char* name;
    std::size_t size;  // of the new content; the limit lets 1000 bytes through
    bool copy;         // through files::Copy from a file of that size
  };
  const fs::path dir = fake::FreshTestFolder("hc_disk_full_");
  // The first is small enough to wait in the stream's buffer until the end.
  for (const Case& k : {Case{"write, buffered", 1500, false}, Case{"write, large", 1 << 20, false},
                        Case{"copy", 1 << 20, true}}) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path target = dir / "Halvek_Clock.ini";
    const fs::path source = dir / "source.jpg";
    std::ofstream(target, std::ios::binary) << "ViewTime=1\r\n";
    const std::string bytes(k.size, 'x');
    if (k.copy) std::ofstream(source, std::ios::binary) << bytes;
    FileError error;
    {
      FileSizeLimit limit(1000);
      error = k.copy ? files::Copy(files::Utf8Of(source), files::Utf8Of(target))
                     : files::WriteFileAtomically(files::Utf8Of(target), bytes);
    }
    EXPECT_TRUE(error) << k.name;
    EXPECT_NE(error.message.find("Halvek_Clock.ini"), std::string::npos) << k.name;
    EXPECT_EQ(Read(target), "ViewTime=1\r\n") << k.name;
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir)) left.push_back(entry.path().filename());
    EXPECT_EQ(left.size(), k.copy ? 2u : 1u) << k.name << ": a temporary was left behind";
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace hc::testing

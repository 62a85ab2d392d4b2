#include "files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace hc {
namespace {

namespace fs = std::filesystem;

// The separator of the system the tests run on.
const std::string kSep(1, static_cast<char>(fs::path::preferred_separator));

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("hc_files_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    fs::permissions(dir, fs::perms::owner_all);
    fs::remove_all(dir);
  }
  void Put(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::string Path(const std::string& name) { return (dir / name).string(); }
  fs::path dir;
};

TEST_F(FilesTest, ListsMatchesByNameWithoutRegardToCase) {
  for (const char* name : {"c.gif", "A.GIF", "b.Gif", "d.jpg", "e.gif.txt"}) Put(name, "x");
  fs::create_directory(dir / "sub.gif");
  EXPECT_EQ(files::ListFiles(Path("*.gif"), kSep),
            (std::vector<std::string>{"A.GIF", "b.Gif", "c.gif"}));
  EXPECT_EQ(files::ListFiles(Path(""), kSep).size(), 5u) << "folder lists every file";
  EXPECT_EQ(files::ListFiles(Path("d.jpg"), kSep), std::vector<std::string>{"d.jpg"});
  EXPECT_TRUE(files::ListFiles(Path("sub.gif"), kSep).empty()) << "a folder is no file";
  EXPECT_TRUE(files::ListFiles(Path("missing/*.gif"), kSep).empty());
  EXPECT_TRUE(files::ListFiles("", kSep).empty());
}

TEST_F(FilesTest, HiddenFilesAreNoOrdinaryFiles) {
  for (const char* name : {".hidden.gif", "._a.gif", "a.gif", ".Halvek_Clock.ini.tmp"})
    Put(name, "x");
  EXPECT_EQ(files::ListFiles(Path("*.gif"), kSep), std::vector<std::string>{"a.gif"});
  EXPECT_EQ(files::ListFiles(Path(""), kSep), std::vector<std::string>{"a.gif"});
  EXPECT_TRUE(files::ListFiles(Path(".hidden.gif"), kSep).empty()) << "not even named in full";
}

TEST(PatternList, MatchesAnyPatternOfTheList) {
  EXPECT_TRUE(files::MatchesPattern("X.BMP", "*.gif;*.jpg;*.bmp"));
  EXPECT_TRUE(files::MatchesPattern("a.b.gif", "*.gif"));
  EXPECT_TRUE(files::MatchesPattern("ab", "a?"));
  EXPECT_FALSE(files::MatchesPattern("a.png", "*.gif;*.jpg;*.bmp"));
  EXPECT_FALSE(files::MatchesPattern("abc", "a?"));
}

TEST_F(FilesTest, ReadsCrLfAndLfLinesAlike) {
  Put("a.ini", "one\r\ntwo=2\nthree\r\n\r\nlast");
  EXPECT_EQ(files::ReadLines(Path("a.ini")),
            (std::vector<std::string>{"one", "two=2", "three", "", "last"}));
  Put("empty.ini", "");
  EXPECT_EQ(files::ReadLines(Path("empty.ini")), std::vector<std::string>{});
  EXPECT_EQ(files::ReadLines(Path("none.ini")), std::nullopt);
}

TEST_F(FilesTest, WritesCrLfLinesAndReplacesTheWholeFile) {
  Put("a.ini", "old content that is longer than the new one\r\n");
  ASSERT_FALSE(files::WriteLines(Path("a.ini"), {"A=1", "B="}));
  EXPECT_EQ(Read("a.ini"), "A=1\r\nB=\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
      << "no temporary file is left behind";
}

TEST_F(FilesTest, AFailedWriteSaysWhyAndLeavesNoTemporaryFile) {
  // A folder standing where the file should be makes the final rename fail, even for root.
  fs::create_directory(dir / "a.ini");
  Put("a.ini/inside", "kept");
  const FileError error = files::WriteLines(Path("a.ini"), {"new"});
  EXPECT_TRUE(error);
  EXPECT_NE(error.message.find("a.ini"), std::string::npos);
  EXPECT_EQ(Read("a.ini/inside"), "kept");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  EXPECT_TRUE(files::WriteLines(Path("no/such/folder.ini"), {"x"}));
}

TEST_F(FilesTest, CopyReplacesTheTargetAndReportsAMissingSource) {
  Put("src.gif", std::string("GIF89a\0\x01", 8));
  Put("dst.jpg", "older");
  ASSERT_FALSE(files::Copy(Path("src.gif"), Path("dst.jpg")));
  EXPECT_EQ(Read("dst.jpg"), std::string("GIF89a\0\x01", 8));
  const FileError missing = files::Copy(Path("none.gif"), Path("dst.jpg"));
  EXPECT_NE(missing.message.find("none.gif"), std::string::npos);
  EXPECT_EQ(Read("dst.jpg"), std::string("GIF89a\0\x01", 8));
  EXPECT_TRUE(files::Remove(Path("none.gif")));
  EXPECT_FALSE(files::Remove(Path("dst.jpg")));
  EXPECT_FALSE(fs::exists(dir / "dst.jpg"));
}

}  // namespace
}  // namespace hc

#include "paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hc {
namespace {

struct PathCase {
  std::string separator, path;
  std::vector<std::string> chain;
  std::string last;
};

TEST(Paths, AFolderChainStartsAtItsRootOnEitherKindOfPath) {
  const PathCase cases[] = {
      {"/", "/", {"/"}, "/"},
      {"/", "/home/u", {"/", "/home", "/home/u"}, "u"},
      {"/", "/home//u/", {"/", "/home", "/home/u"}, "/home//u/"},
      {"/", "/mnt/a b/Время", {"/", "/mnt", "/mnt/a b", "/mnt/a b/Время"}, "Время"},
      {"\\", "C:\\", {"C:\\"}, "C:\\"},
      {"\\", "C:\\Windows\\System32", {"C:\\", "C:\\Windows", "C:\\Windows\\System32"}, "System32"},
      {"\\", "Z:\\tmp", {"Z:\\", "Z:\\tmp"}, "tmp"},
      // A share on a server is a root of its own.
      {"\\", "\\\\srv\\pics\\2024", {"\\\\srv\\pics\\", "\\\\srv\\pics\\2024"}, "2024"},
      {"\\", "\\\\srv\\pics\\", {"\\\\srv\\pics\\"}, "\\\\srv\\pics\\"},
      {"\\", "\\\\srv\\pics", {"\\\\srv\\pics"}, "\\\\srv\\pics"},
      // Two separators at the start mean nothing special on Linux.
      {"/", "//srv/pics", {"/", "/srv", "/srv/pics"}, "pics"},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(FolderChain(c.path, c.separator), c.chain) << c.path;
    EXPECT_EQ(LastPart(c.path, c.separator), c.last) << c.path;
  }
}

TEST(Paths, JoiningAddsOneSeparator) {
  EXPECT_EQ(JoinPath("/home/u", "a.gif", "/"), "/home/u/a.gif");
  EXPECT_EQ(JoinPath("/", "a.gif", "/"), "/a.gif") << "a root ends in its separator already";
  EXPECT_EQ(JoinPath("C:\\", "a.gif", "\\"), "C:\\a.gif");
  EXPECT_EQ(JoinPath("C:\\pics", "a.gif", "\\"), "C:\\pics\\a.gif");
  EXPECT_EQ(JoinPath("C:\\pics", "", "\\"), "C:\\pics\\") << "a folder path for listing";
}

}  // namespace
}  // namespace hc

// Files the program writes beside its settings, run as root over a folder another account
// owns: nothing planted there can turn a write into one elsewhere, a link the user made is
// kept, and nothing is left for a later run to trip on.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "fake/test_folder.h"
#include "files.h"

namespace hc::testing {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kOtherUser = 65534;  // nobody

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

class PlantedLinks : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "the attack is on root, by another account";
    root = fake::FreshTestFolder("hc_links_");
    user = root / "user";
    fs::create_directories(user);
    ASSERT_EQ(::chown(user.c_str(), kOtherUser, kOtherUser), 0);
    secret = root / "secret";
    std::ofstream(secret) << "root only";
    fs::permissions(secret, fs::perms::owner_read | fs::perms::owner_write);
  }
  void TearDown() override {
    if (!root.empty()) fs::remove_all(root);
  }
  // A link made by the other account.
  void Plant(const fs::path& at, const fs::path& to) {
    fs::create_symlink(to, at);
    ASSERT_EQ(::lchown(at.c_str(), kOtherUser, kOtherUser), 0);
  }
  FileError Write(const std::string& text) {
    return files::WriteFileAtomically(files::Utf8Of(ini()), text);
  }
  fs::path ini() const { return user / "Halvek_Clock.ini"; }

  fs::path root, user, secret;
};

TEST_F(PlantedLinks, NoWriteOrProbeFollowsALinkPlantedBesideTheSettings) {
  // The names a writer or a probe might pick, and one left by an interrupted run.
  for (const char* name : {".Halvek_Clock.ini.tmp", ".hc_writable_probe"})
    Plant(user / name, secret);
  std::ofstream(user / ".Halvek_Clock.ini.q1w2e3r4t5.tmp") << "half";
  const auto before = Names(user);

  EXPECT_TRUE(files::Writable(files::Utf8Of(user)));
  EXPECT_EQ(Names(user), before) << "the probe leaves nothing and removes nothing";
  ASSERT_FALSE(Write("ViewTime=1\r\n"));
  ASSERT_FALSE(Write("ViewTime=2\r\n")) << "a second write finds no name in its way";

  EXPECT_EQ(Read(secret), "root only");
  EXPECT_FALSE(fs::is_symlink(ini()));
  EXPECT_EQ(Read(ini()), "ViewTime=2\r\n");
  auto after = before;
  after.push_back("Halvek_Clock.ini");
  std::sort(after.begin(), after.end());
  EXPECT_EQ(Names(user), after) << "no temporary is left";
}

TEST_F(PlantedLinks, ALinkIsWrittenThroughOnlyWhenItsMakerOwnsWhatItNames) {
  struct Case {
    const char* name;
    bool users_own_target;  // the link names a file of the link's maker, else root's secret
    bool through;           // the named file gets the text and the link stays
  };
  for (const Case& k :
       {Case{"the user's dotfiles", true, true}, Case{"another's file", false, false}}) {
    fs::remove_all(user);
    fs::create_directories(user / "dotfiles");
    const fs::path mine = user / "dotfiles" / "hc.ini";
    std::ofstream(mine) << "old";
    fs::permissions(mine, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(::chown(mine.c_str(), kOtherUser, kOtherUser), 0);
    Plant(ini(), k.users_own_target ? fs::path("dotfiles/hc.ini") : secret);

    ASSERT_FALSE(files::WriteFileAtomically(files::UsersFileAt(files::Utf8Of(ini())), "new"))
        << k.name;
    EXPECT_EQ(Read(secret), "root only") << k.name;
    EXPECT_EQ(fs::is_symlink(ini()), k.through) << k.name;
    EXPECT_EQ(Read(ini()), "new") << k.name;
    if (k.through) {
      // Written by root, it stays the user's file with its rights.
      struct stat info {};
      ASSERT_EQ(::stat(mine.c_str(), &info), 0);
      EXPECT_EQ(info.st_uid, kOtherUser) << k.name;
      EXPECT_EQ(info.st_mode & 0777, 0640u) << k.name;
      EXPECT_EQ(Names(user / "dotfiles"), std::vector<std::string>{"hc.ini"}) << k.name;
    }
  }
}

}  // namespace
}  // namespace hc::testing

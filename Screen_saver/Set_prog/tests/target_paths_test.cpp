// Target folders whose names a shell would take apart, links inside and around them, and a
// target that is a file: the files go where the path says, or the report says why not.

#include <string>
#include <vector>

#include "setup_fixture.h"

namespace hc::setup::testing {
namespace {

class TargetPaths : public SetupTest {};

TEST_F(TargetPaths, ANameAShellWouldSplitIsOneFolder) {
  for (const char* name : {"with blanks  inside ", "quotes ' and \"", "-leading-dash",
                           "semi;colon && $(echo x) `y` |z", "*?[glob]"}) {
    // Each name gets an installer of its own, as if started anew.
    system.messages.clear();
    system.started_commands.clear();
    system.ended = false;
    pump.Reset();
    Put(source, kDistribution);
    const fs::path mine = base / name;
    fs::create_directories(mine);
    Start().txtSYS.UserEdit(mine.string());
    PressOK();
    EXPECT_EQ(Read(mine), kDistribution) << name;
    EXPECT_TRUE(Read(target).empty()) << name;
    EXPECT_EQ(Report().find("could not be copied"), std::string::npos) << name;
    // The settings command gets the installed file as one word, however it is spelt.
    ASSERT_FALSE(system.started_commands.empty()) << name;
    EXPECT_EQ(system.started_commands[0].back(), (mine / "HalvekClock").string()) << name;
    fs::remove_all(mine);
  }
}

TEST_F(TargetPaths, ALinkInTheTargetIsReplacedAndWhatItPointedAtIsLeftAlone) {
  Put(source, kDistribution);
  const fs::path elsewhere = base / "elsewhere.jpg";
  std::ofstream(elsewhere) << "someone else's picture";
  fs::create_symlink(elsewhere, target / "Halvek_Clock_bg.jpg");
  Start();
  PressOK();
  EXPECT_FALSE(fs::is_symlink(target / "Halvek_Clock_bg.jpg"));
  EXPECT_EQ(Read(target), kDistribution);
  std::ifstream in(elsewhere);
  std::string kept;
  std::getline(in, kept);
  EXPECT_EQ(kept, "someone else's picture");
}

TEST_F(TargetPaths, ATargetThatIsALinkToAFolderFillsThatFolder) {
  Put(source, kDistribution);
  const fs::path real = base / "real";
  fs::create_directories(real);
  fs::create_directory_symlink(real, base / "link");
  Start().txtSYS.UserEdit((base / "link").string());
  PressOK();
  EXPECT_EQ(Read(real), kDistribution);
}

TEST_F(TargetPaths, ATargetThatIsAFileIsRefusedForEveryFileAndKept) {
  Put(source, kDistribution);
  const fs::path file = base / "a file";
  std::ofstream(file) << "not a folder";
  Start().txtSYS.UserEdit(file.string());
  PressOK();
  const std::string why = ": the target folder cannot be opened";
  EXPECT_NE(Report().find("These files could not be copied:\r\n   HalvekClock" + why),
            std::string::npos)
      << Report();
  EXPECT_TRUE(fs::is_regular_file(file));
  EXPECT_EQ(fs::file_size(file), std::string("not a folder").size());
  EXPECT_TRUE(system.started_commands.empty());
}

}  // namespace
}  // namespace hc::setup::testing

// The X screensaver's per-user list of programs: the text edit, the entry's command, and
// the registration's files (the list, its backup) on disk.

#include "linux/xscreensaver_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fake/test_folder.h"
#include "linux/xscreensaver_registration.h"

namespace hc {

// Found by argument-dependent lookup, so that a failure shows the fields.
void PrintTo(const ScreensaverRegistration& r, std::ostream* os) {
  *os << "{outcome " << static_cast<int>(r.outcome) << ", list \"" << r.list << "\", backup \""
      << r.backup << "\", detail \"" << r.detail << "\"}";
}

namespace testing {
namespace {

namespace fs = std::filesystem;

constexpr char kEntry[] = "  \"HalvekClock\"  HalvekClock --root \\n";

struct EditCase {
  const char* name;
  std::string before;
  std::optional<std::string> after;  // nothing: the text needs no change
  friend void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }
};

class ProgramsList : public ::testing::TestWithParam<EditCase> {};

TEST_P(ProgramsList, GainsOneEntryAndKeepsEverythingElse) {
  const EditCase& c = GetParam();
  EXPECT_EQ(xscreensaver::WithProgram(c.before, "HalvekClock", "HalvekClock --root"), c.after);
}

const std::string kSettings = "timeout:\t0:10:00\nmode:\t\trandom\n";
const std::string kList =
    "programs:\t\t\t\t\\\n"
    "\t\t\t\tmaze --root\t\t\t\\n\\\n"
    "- GL: \t\t\t\tsuperquadrics --root\t\t\\n\\\n"
    "\t\t\t\tdeco --root\t\t\t\\n\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, ProgramsList,
    ::testing::Values(
        EditCase{"EmptyFile", "", "programs:\t\\\n" + std::string(kEntry) + "\n"},
        EditCase{"NoList", kSettings, kSettings + "programs:\t\\\n" + kEntry + "\n"},
        EditCase{"NoLineEndAtTheEnd", "mode:\t\trandom",
                 "mode:\t\trandom\nprograms:\t\\\n" + std::string(kEntry) + "\n"},
        EditCase{"EntryLeadsAList", kSettings + kList + "\nlock:\t\tFalse\n",
                 kSettings + "programs:\t\t\t\t\\\n" + kEntry + "\\\n" +
                     kList.substr(kList.find('\n') + 1) + "\nlock:\t\tFalse\n"},
        EditCase{"EmptyListOnItsOwnLine", "programs:\nlock:\t\tFalse\n",
                 "programs:\t\\\n" + std::string(kEntry) + "\nlock:\t\tFalse\n"},
        EditCase{"BlankListOfOnlyTheContinuation", "programs:\t\\\n\nlock:\t\tFalse\n",
                 "programs:\t\\\n" + std::string(kEntry) + "\\\n\nlock:\t\tFalse\n"},
        EditCase{"OneProgramOnTheResourceLine", "programs: maze --root\n",
                 "programs:\t\\\n" + std::string(kEntry) + "\\\n  maze --root\n"},
        EditCase{"StarredAsInTheDefaults", "*programs:\t\\\n  maze --root \\n\n",
                 "*programs:\t\\\n" + std::string(kEntry) + "\\\n  maze --root \\n\n"},
        // Names that only look like the resource are other resources or comments.
        EditCase{"LookalikesAreNotTheList", "! programs: maze\nprogramsX: maze\n",
                 "! programs: maze\nprogramsX: maze\nprograms:\t\\\n" + std::string(kEntry) + "\n"},
        EditCase{"ProgramsInsideAnotherValueIsText", "textLiteral: one\\\nprograms: two\n",
                 "textLiteral: one\\\nprograms: two\nprograms:\t\\\n" + std::string(kEntry) + "\n"},
        EditCase{"ListedByName", "programs:\t\\\n  HalvekClock --root \\n\\\n  maze --root\n",
                 std::nullopt},
        EditCase{"ListedByPathAndDisabled",
                 "programs:\t\\\n  maze --root \\n\\\n"
                 "-\t\"Clock\" /opt/x/HalvekClock --window-id 5 \\n\n",
                 std::nullopt},
        EditCase{"ListedOnTheResourceLine", "programs: HalvekClock --root\n", std::nullopt},
        EditCase{"ListedByLabel", "programs:\t\\\n  \"HalvekClock\" other-clock --root \\n\n",
                 std::nullopt},
        EditCase{"ASimilarNameIsAnotherProgram", "programs:\t\\\n  HalvekClockOld --root \\n\n",
                 "programs:\t\\\n" + std::string(kEntry) + "\\\n  HalvekClockOld --root \\n\n"}),
    [](const auto& info) { return info.param.name; });

TEST(ProgramsList, AddingTwiceLeavesOneEntry) {
  const auto once =
      xscreensaver::WithProgram(kSettings + kList, "HalvekClock", "HalvekClock --root");
  ASSERT_TRUE(once);
  EXPECT_EQ(xscreensaver::WithProgram(*once, "HalvekClock", "HalvekClock --root"), std::nullopt);
}

TEST(HackCommand, BareInTheHacksFolderAndAShellWordElsewhere) {
  struct Case {
    const char* file;
    const char* command;
  };
  for (const Case c : {
           Case{"/usr/libexec/xscreensaver/HalvekClock", "HalvekClock --root"},
           {"/usr/libexec/xscreensaver/sub/HalvekClock",
            "/usr/libexec/xscreensaver/sub/HalvekClock --root"},
           {"/home/u/.local/bin/HalvekClock", "/home/u/.local/bin/HalvekClock --root"},
           {"/home/u/my clocks/HalvekClock", "'/home/u/my clocks/HalvekClock' --root"},
           {"/home/u/it's;$x/HalvekClock", "'/home/u/it'\\''s;$x/HalvekClock' --root"},
       })
    EXPECT_EQ(xscreensaver::HackCommand(c.file), c.command) << c.file;
}

class Registration : public ::testing::Test {
 protected:
  using Outcome = ScreensaverRegistration::Outcome;

  Registration()
      : home(fake::FreshTestFolder("hc_xss_")), list((home / ".xscreensaver").string()) {}
  ~Registration() override { fs::remove_all(home); }

  static std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  static void Write(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }
  ScreensaverRegistration Register(bool daemon_installed = true) {
    return xscreensaver::Register(list, "/usr/libexec/xscreensaver/HalvekClock", daemon_installed);
  }

  fs::path home;
  std::string list;
};

TEST_F(Registration, AddsToTheListAndKeepsTheFormerTextAndRights) {
  Write(list, kSettings);
  fs::permissions(list, fs::perms::owner_read | fs::perms::owner_write);

  EXPECT_EQ(Register(false), (ScreensaverRegistration{Outcome::kAdded, list, list + ".bak", {}}));
  EXPECT_EQ(Read(list), kSettings + "programs:\t\\\n" + kEntry + "\n");
  EXPECT_EQ(Read(list + ".bak"), kSettings);
  for (const std::string& file : {list, list + ".bak"})
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write)
        << file;
  // Nothing else is left beside them: the temporary files were renamed.
  EXPECT_EQ(std::distance(fs::directory_iterator(home), fs::directory_iterator()), 2);

  // A second run finds the entry and changes nothing, the first backup included.
  const std::string after_first = Read(list);
  EXPECT_EQ(Register().outcome, Outcome::kListedAlready);
  EXPECT_EQ(Read(list), after_first);
  EXPECT_EQ(Read(list + ".bak"), kSettings);
}

TEST_F(Registration, AMissingListIsMadeOnlyWhenTheDaemonIsInstalled) {
  EXPECT_EQ(Register(false).outcome, Outcome::kNoList);
  EXPECT_FALSE(fs::exists(list));

  EXPECT_EQ(Register(true), (ScreensaverRegistration{Outcome::kAdded, list, {}, {}}));
  EXPECT_EQ(Read(list), "programs:\t\\\n" + std::string(kEntry) + "\n");
  EXPECT_FALSE(fs::exists(list + ".bak"));
}

TEST_F(Registration, AListUnderALinkIsChangedWhereItLives) {
  const fs::path kept = home / "dotfiles" / "xscreensaver";
  fs::create_directories(kept.parent_path());
  Write(kept, kSettings);
  fs::create_symlink(kept, list);

  EXPECT_EQ(Register().outcome, Outcome::kAdded);
  EXPECT_TRUE(fs::is_symlink(list));
  EXPECT_EQ(Read(kept), kSettings + "programs:\t\\\n" + kEntry + "\n");
}

TEST_F(Registration, AFailureSaysWhyAndLeavesTheListAsItWas) {
  Write(list, kSettings);
  // A folder in the backup's place cannot be replaced by a file.
  fs::create_directories(list + ".bak/x");
  const auto result = Register();
  EXPECT_EQ(result.outcome, Outcome::kFailed);
  EXPECT_NE(result.detail.find(list + ".bak"), std::string::npos) << result.detail;
  EXPECT_EQ(Read(list), kSettings);
}

}  // namespace
}  // namespace testing
}  // namespace hc

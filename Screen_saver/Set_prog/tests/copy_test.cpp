// OK's copy loop, the wide-screen background, the report and the failures.

#include <string>
#include <vector>

#include "setup_fixture.h"

namespace hc::setup::testing {
namespace {

constexpr char kHeading[] = "Following files were copied:";
constexpr char kFailedHeading[] = "\r\n\r\nThese files could not be copied:";

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += "\r\n   " + line;
  return text;
}

struct LoopCase {
  const char* name;
  Contents beside_setup;
  Contents already_in_target;
  std::vector<std::string> reported;
  Contents target_after;
  friend void PrintTo(const LoopCase& c, std::ostream* os) { *os << c.name; }
};

class CopyLoop : public SetupTest, public ::testing::WithParamInterface<LoopCase> {};

TEST_P(CopyLoop, CopiesWhatIsBesideTheSetupAndReportsItInListOrder) {
  const LoopCase& c = GetParam();
  Put(source, c.beside_setup);
  Put(target, c.already_in_target);
  Start();
  PressOK();

  EXPECT_EQ(Report(), kHeading + Lines(c.reported));
  EXPECT_EQ(system.messages.at(0).title, "Result");
  EXPECT_EQ(system.messages.at(0).icon, MsgIcon::kInformation);
  EXPECT_EQ(Read(target), c.target_after);
  EXPECT_EQ(Read(source), c.beside_setup);
  EXPECT_TRUE(system.ended);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CopyLoop,
    ::testing::Values(
        LoopCase{"AllThree",
                 kDistribution,
                 {},
                 {"HalvekClock", "Halvek_Clock_bg.jpg", "Comdlg32.ocx"},
                 kDistribution},
        LoopCase{"NothingBesideTheSetup", {}, {}, {}, {}},
        LoopCase{"MissingFilesAreSkipped",
                 {{"Comdlg32.ocx", "dialog control"}, {"Halvek_Clock_bg.jpg", "usual background"}},
                 {},
                 {"Halvek_Clock_bg.jpg", "Comdlg32.ocx"},
                 {{"Comdlg32.ocx", "dialog control"}, {"Halvek_Clock_bg.jpg", "usual background"}}},
        LoopCase{"OlderCopiesAreReplaced",
                 kDistribution,
                 {{"HalvekClock", "old program"}, {"Halvek_Clock_bg.jpg", "old background"}},
                 {"HalvekClock", "Halvek_Clock_bg.jpg", "Comdlg32.ocx"},
                 kDistribution},
        LoopCase{"ControlFileInTargetStays",
                 kDistribution,
                 {{"Comdlg32.ocx", "newer control"}},
                 {"HalvekClock", "Halvek_Clock_bg.jpg", "Comdlg32.ocx exists already"},
                 {{"HalvekClock", "clock program"},
                  {"Halvek_Clock_bg.jpg", "usual background"},
                  {"Comdlg32.ocx", "newer control"}}},
        LoopCase{"ControlFileOnlyInTargetGoesUnmentioned",
                 {{"HalvekClock", "clock program"}},
                 {{"Comdlg32.ocx", "newer control"}},
                 {"HalvekClock"},
                 {{"HalvekClock", "clock program"}, {"Comdlg32.ocx", "newer control"}}}),
    [](const auto& info) { return info.param.name; });

TEST_F(SetupTest, TheReportIsInTheLanguageChosen) {
  Put(source, kDistribution);
  Put(target, {{"Comdlg32.ocx", "newer control"}});
  pump.Click(Start().lblLoc(0));
  PressOK();
  EXPECT_EQ(Report(),
            "Следующие файлы скопированы:\r\n   HalvekClock\r\n   Halvek_Clock_bg.jpg"
            "\r\n   Comdlg32.ocx уже существует");
}

struct WidthCase {
  const char* name;
  std::int64_t width;
  const char* installed_background;
  friend void PrintTo(const WidthCase& c, std::ostream* os) { *os << c.name; }
};

class WideScreen : public SetupTest, public ::testing::WithParamInterface<WidthCase> {};

TEST_P(WideScreen, OnlyAScreenOf19200TwipsGetsTheWidePictureAndTheSetupFolderStaysAsItWas) {
  Contents beside = kDistribution;
  beside["Halvek_Clock_bg2.jpg"] = "wide background";
  Put(source, beside);
  system.screen = {GetParam().width, 11520};
  Start();
  PressOK();

  EXPECT_EQ(Read(target).at("Halvek_Clock_bg.jpg"), GetParam().installed_background);
  EXPECT_EQ(Read(target).count("Halvek_Clock_bg2.jpg"), 0u);
  EXPECT_EQ(Read(source), beside);
  EXPECT_EQ(Report(), kHeading + Lines({"HalvekClock", "Halvek_Clock_bg.jpg", "Comdlg32.ocx"}));
}

INSTANTIATE_TEST_SUITE_P(Widths, WideScreen,
                         ::testing::Values(WidthCase{"Exactly19200", 19200, "wide background"},
                                           WidthCase{"OnePixelLess", 19185, "usual background"},
                                           WidthCase{"OnePixelMore", 19215, "usual background"},
                                           WidthCase{"Usual1024", 15360, "usual background"}),
                         [](const auto& info) { return info.param.name; });

// Everything that goes wrong is reported per file in the report's second part; the other
// files are still copied and the setup's own folder is left exactly as it was.
struct FailureCase {
  const char* name;
  Contents beside_setup;
  std::int64_t screen_width;
  std::vector<std::string> copied;
  std::vector<std::string> failed;
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class Failure : public SetupTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failure, IsReportedAndTheSetupFolderIsLeftAsItWas) {
  const FailureCase& c = GetParam();
  Put(source, c.beside_setup);
  system.screen = {c.screen_width, 11520};
  Start();
  PressOK();
  EXPECT_EQ(Report(), kHeading + Lines(c.copied) + kFailedHeading + Lines(c.failed));
  EXPECT_EQ(Read(source), c.beside_setup);
}

Contents With(Contents files, const Contents& more) {
  files.insert(more.begin(), more.end());
  return files;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Failure,
    ::testing::Values(
        FailureCase{"WideScreenWithoutTheUsualBackground",
                    {{"HalvekClock", "clock program"}, {"Halvek_Clock_bg2.jpg", "wide"}},
                    19200,
                    {"HalvekClock"},
                    {"Halvek_Clock_bg2.jpg: not used, as Halvek_Clock_bg.jpg is missing beside "
                     "the setup"}},
        FailureCase{"WideScreenWithTheKeptNameTaken",
                    With(kDistribution, {{"Halvek_Clock_bg2.jpg", "wide"},
                                         {"Halvek_Clock_tmp.jpg", "pending choice"}}),
                    19200,
                    {"HalvekClock", "Halvek_Clock_bg.jpg", "Comdlg32.ocx"},
                    {"Halvek_Clock_bg2.jpg: not used, as Halvek_Clock_tmp.jpg beside the setup "
                     "is in the way"}}),
    [](const auto& info) { return info.param.name; });

TEST_F(SetupTest, APendingBackgroundBesideTheSetupIsNotTakenForASwap) {
  const Contents beside = With(kDistribution, {{"Halvek_Clock_tmp.jpg", "pending choice"}});
  Put(source, beside);
  system.screen = {19200, 11520};
  Start();
  PressOK();
  EXPECT_EQ(Read(source), beside);
  EXPECT_EQ(Read(target), kDistribution);
}

TEST_F(SetupTest, AMissingTargetFolderFailsEveryFileInTheCurrentLanguage) {
  Put(source, kDistribution);
  pump.Click(Start().lblLoc(0));
  form->txtSYS.UserEdit((base / "nowhere").string());
  PressOK();
  const std::string why = ": папку назначения не удаётся открыть";
  EXPECT_EQ(Report(),
            "Следующие файлы скопированы:\r\n\r\nЭти файлы не удалось скопировать:" +
                Lines({"HalvekClock" + why, "Halvek_Clock_bg.jpg" + why, "Comdlg32.ocx" + why}));
  EXPECT_FALSE(fs::exists(base / "nowhere"));
  EXPECT_EQ(Read(source), kDistribution);
  EXPECT_TRUE(system.started_commands.empty());
  EXPECT_TRUE(system.ended);
}

TEST_F(SetupTest, AnEmptyTargetBoxCopiesNothing) {
  Put(source, {{"HalvekClock", "clock program"}});
  system.system_folder = "";
  Start();
  PressOK();
  EXPECT_EQ(Report(), kHeading + std::string(kFailedHeading) +
                          Lines({"HalvekClock: the target folder cannot be opened"}));
  EXPECT_TRUE(system.started_commands.empty());
}

TEST_F(SetupTest, AFileThatCannotBeWrittenIsNamedAndTheOthersAreStillCopied) {
  Put(source, kDistribution);
  // A folder in the way of the background, holding something, cannot be replaced.
  fs::create_directories(target / "Halvek_Clock_bg.jpg" / "inside");
  Start();
  PressOK();
  const std::string report = Report();
  const std::string expected_start = kHeading + Lines({"HalvekClock", "Comdlg32.ocx"}) +
                                     kFailedHeading +
                                     Lines({"Halvek_Clock_bg.jpg: could not be written ("});
  EXPECT_EQ(report.substr(0, expected_start.size()), expected_start) << report;
  EXPECT_EQ(report.back(), ')');
  EXPECT_EQ(Read(target).at("HalvekClock"), "clock program");
  EXPECT_EQ(Read(target).at("Comdlg32.ocx"), "dialog control");
}

TEST_F(SetupTest, WhenTheUsualBackgroundCannotBePutBackItsKeptCopyStays) {
  const Contents beside = With(kDistribution, {{"Halvek_Clock_bg2.jpg", "wide background"}});
  Put(source, beside);
  system.screen = {19200, 11520};
  system.fail_copy = [](const std::string& from, const std::string&) {
    return from.ends_with("Halvek_Clock_tmp.jpg");
  };
  Start();
  PressOK();

  const Contents after = Read(source);
  EXPECT_EQ(after.at("Halvek_Clock_tmp.jpg"), "usual background");
  EXPECT_EQ(Read(target).at("Halvek_Clock_bg.jpg"), "wide background");
  EXPECT_NE(Report().find("\r\n   Halvek_Clock_bg.jpg: not put back beside the setup; it is kept "
                          "as Halvek_Clock_tmp.jpg ("),
            std::string::npos)
      << Report();
}

TEST_F(SetupTest, TheScreensaverIsCopiedUnderTheNameItHasOnThePlatform) {
  system.screensaver_file_name = "HalvekClock.scr";
  Put(source, {{"HalvekClock.scr", "windows program"}, {"HalvekClock", "linux program"}});
  Start();
  PressOK();
  EXPECT_EQ(Read(target), (Contents{{"HalvekClock.scr", "windows program"}}));
  EXPECT_EQ(Report(), kHeading + Lines({"HalvekClock.scr"}));
  EXPECT_EQ(system.started_commands.front().back(), (target / "HalvekClock.scr").string())
      << "the settings get the installed file";
}

// An installed package's setup has nothing beside it, and its target folder holds the
// screensaver already: the result says so and the screensaver is only registered.
struct PackageCase {
  const char* name;
  bool russian;
  int chosen;  // -1: neither option
  std::string reported;
  bool registered;
  friend void PrintTo(const PackageCase& c, std::ostream* os) { *os << c.name; }
};

class InstalledPackage : public SetupTest, public ::testing::WithParamInterface<PackageCase> {};

TEST_P(InstalledPackage, SaysTheProgramsAreInPlaceAndOnlyRegistersThem) {
  const PackageCase& c = GetParam();
  const Contents installed{{"HalvekClock", "packaged program"}, {"Halvek_Clock_bg.jpg", "bg"}};
  Put(target, installed);
  system.registration = {ScreensaverRegistration::Outcome::kAdded, "/h/.xscreensaver", {}, {}};
  Form1& f = Start();
  if (c.russian) pump.Click(f.lblLoc(0));
  if (c.chosen >= 0) pump.Click(f.opt(c.chosen));
  PressOK();

  std::string expected = c.reported + "\r\n   " + target.string();
  if (c.registered)
    expected += c.russian ? "\r\n\r\nHalvekClock добавлен в список хранителей экрана в файле:"
                            "\r\n   /h/.xscreensaver"
                          : "\r\n\r\nHalvekClock was added to the list of screensavers in:"
                            "\r\n   /h/.xscreensaver";
  EXPECT_EQ(Report(), expected);
  EXPECT_EQ(system.registered_screensavers.size(), c.registered ? 1u : 0u);
  EXPECT_EQ(Read(target), installed);
  EXPECT_TRUE(Read(source).empty());
}

constexpr char kInstalledAlready[] =
    "HalvekClock is installed already; no files needed copying into:";
INSTANTIATE_TEST_SUITE_P(
    Choices, InstalledPackage,
    ::testing::Values(PackageCase{"Neither", false, -1, kInstalledAlready, true},
                      PackageCase{"Install", false, 0, kInstalledAlready, true},
                      PackageCase{"CopyOnly", false, 1, kInstalledAlready, false},
                      PackageCase{
                          "InRussian", true, -1,
                          "HalvekClock уже установлен; ничего не понадобилось копировать в папку:",
                          true}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace hc::setup::testing

// The screensaver joins the desktop's list of screensavers before its settings open, and the
// result message says what became of it.

#include <string>
#include <vector>

#include "setup_fixture.h"

namespace hc::setup::testing {
namespace {

using Outcome = ScreensaverRegistration::Outcome;

constexpr char kCopied[] =
    "Following files were copied:\r\n   HalvekClock\r\n   Halvek_Clock_bg.jpg\r\n   Comdlg32.ocx";

struct ReportCase {
  const char* name;
  ScreensaverRegistration registration;
  bool russian;
  std::string reported;  // after the copied files
  friend void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }
};

class Registered : public SetupTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(Registered, TheResultMessageSaysWhatBecameOfTheEntry) {
  const ReportCase& c = GetParam();
  Put(source, kDistribution);
  system.registration = c.registration;
  Form1& f = Start();
  if (c.russian) pump.Click(f.lblLoc(0));
  PressOK();
  EXPECT_EQ(system.registered_screensavers,
            std::vector<std::string>{(target / "HalvekClock").string()});
  const std::string copied =
      c.russian ? "Следующие файлы скопированы:\r\n   HalvekClock\r\n   Halvek_Clock_bg.jpg"
                  "\r\n   Comdlg32.ocx"
                : kCopied;
  EXPECT_EQ(Report(), copied + c.reported);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, Registered,
    ::testing::Values(
        ReportCase{"NoListNoWord", {Outcome::kNoList, "/h/.xscreensaver", {}, {}}, false, ""},
        ReportCase{"Added",
                   {Outcome::kAdded, "/h/.xscreensaver", "/h/.xscreensaver.bak", {}},
                   false,
                   "\r\n\r\nHalvekClock was added to the list of screensavers in:"
                   "\r\n   /h/.xscreensaver\r\n   the former list is kept as /h/.xscreensaver.bak"},
        ReportCase{"AddedToANewList",
                   {Outcome::kAdded, "/h/.xscreensaver", {}, {}},
                   false,
                   "\r\n\r\nHalvekClock was added to the list of screensavers in:"
                   "\r\n   /h/.xscreensaver"},
        ReportCase{"ListedAlready",
                   {Outcome::kListedAlready, "/h/.xscreensaver", {}, {}},
                   false,
                   "\r\n\r\nHalvekClock is in the list of screensavers already:"
                   "\r\n   /h/.xscreensaver"},
        ReportCase{
            "Failed",
            {Outcome::kFailed, "/h/.xscreensaver", {}, "/h/.xscreensaver: Permission denied"},
            false,
            "\r\n\r\nHalvekClock could not be added to the list of screensavers in:"
            "\r\n   /h/.xscreensaver\r\n   /h/.xscreensaver: Permission denied"},
        ReportCase{
            "AddedInRussian",
            {Outcome::kAdded, "/h/.xscreensaver", "/h/.xscreensaver.bak", {}},
            true,
            "\r\n\r\nHalvekClock добавлен в список хранителей экрана в файле:"
            "\r\n   /h/.xscreensaver\r\n   прежний список сохранён как /h/.xscreensaver.bak"},
        ReportCase{
            "ListedAlreadyInRussian",
            {Outcome::kListedAlready, "/h/.xscreensaver", {}, {}},
            true,
            "\r\n\r\nHalvekClock уже есть в списке хранителей экрана:\r\n   /h/.xscreensaver"},
        ReportCase{"FailedInRussian",
                   {Outcome::kFailed, "/h/.xscreensaver", {}, "disk full"},
                   true,
                   "\r\n\r\nНе удалось добавить HalvekClock в список хранителей экрана в файле:"
                   "\r\n   /h/.xscreensaver\r\n   disk full"}),
    [](const auto& info) { return info.param.name; });

// Only a screensaver that arrived and is meant to be installed joins the list.
struct WhenCase {
  const char* name;
  Contents beside_setup;
  int chosen;  // -1: neither option
  bool registered;
  friend void PrintTo(const WhenCase& c, std::ostream* os) { *os << c.name; }
};

class WhenRegistered : public SetupTest, public ::testing::WithParamInterface<WhenCase> {};

TEST_P(WhenRegistered, OnlyAnInstalledScreensaverJoinsTheList) {
  const WhenCase& c = GetParam();
  Put(source, c.beside_setup);
  system.registration = {Outcome::kAdded, "/h/.xscreensaver", {}, {}};
  Form1& f = Start();
  if (c.chosen >= 0) pump.Click(f.opt(c.chosen));
  PressOK();
  EXPECT_EQ(system.registered_screensavers.size(), c.registered ? 1u : 0u);
  EXPECT_EQ(Report().find("list of screensavers") != std::string::npos, c.registered);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, WhenRegistered,
    ::testing::Values(WhenCase{"Neither", kDistribution, -1, true},
                      WhenCase{"Install", kDistribution, 0, true},
                      WhenCase{"CopyOnly", kDistribution, 1, false},
                      WhenCase{"ScreensaverMissing", {{"Halvek_Clock_bg.jpg", "bg"}}, 0, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(SetupTest, AMissingTargetFolderRegistersNothing) {
  Put(source, kDistribution);
  Start().txtSYS.UserEdit((base / "nowhere").string());
  PressOK();
  EXPECT_TRUE(system.registered_screensavers.empty());
}

// The settings read the list when they start, so it must hold the entry by then.
class OrderedSystem : public RiggedSystem {
 public:
  std::vector<std::string> calls;
  ScreensaverRegistration RegisterScreensaver(const std::string& file) override {
    calls.push_back("register");
    return RiggedSystem::RegisterScreensaver(file);
  }
  MsgResult MsgBox(const std::string& text, MsgButtons b, MsgIcon i,
                   const std::string& title) override {
    calls.push_back("message");
    return RiggedSystem::MsgBox(text, b, i, title);
  }
  bool StartCommand(const std::vector<std::string>& argv) override {
    calls.push_back("settings");
    return RiggedSystem::StartCommand(argv);
  }
};

TEST(RegistrationOrder, TheListChangesBeforeTheMessageAndTheSettings) {
  const auto folder = fake::FreshTestFolder("hc_order_");
  std::ofstream(folder / "HalvekClock") << "clock program";
  OrderedSystem system;
  system.program_folder = folder.string();
  system.system_folder = (folder / "system").string();
  fs::create_directories(system.system_folder);
  {
    Form1 form(system);
    fake::EventPump pump{system};
    pump.Attach(form.window);
    form.Form_Load();
    pump.Click(form.cmdOK(0));
  }
  fs::remove_all(folder);
  EXPECT_EQ(system.calls, (std::vector<std::string>{"register", "message", "settings"}));
}

}  // namespace
}  // namespace hc::setup::testing

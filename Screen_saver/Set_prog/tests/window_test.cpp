// The window: how it opens, the language labels, Cancel, and what OK starts afterwards.

#include <string>
#include <vector>

#include "Module1.h"
#include "setup_fixture.h"

namespace hc::setup::testing {
namespace {

constexpr Color kBlue = 0xFF0000;

TEST_F(SetupTest, OpensInEnglishWithTheSystemFolderAndNoOptionChosen) {
  Form1& f = Start();
  EXPECT_EQ(f.txtSYS.Text(), target.string());
  EXPECT_FALSE(f.opt(0).Value());
  EXPECT_FALSE(f.opt(1).Value());
  EXPECT_EQ(f.lbl(1).Text(),
            "If you have other opinion, change the path manually\r\n\r\nNow you can ");
  EXPECT_EQ(f.module.MsgFilesCopied, "Following files were copied:");
  EXPECT_EQ(f.lblLoc(0).ForeColor(), kBlue);
  EXPECT_EQ(f.lblLoc(1).ForeColor(), 0u) << "the language in use reads black";
  EXPECT_EQ(f.window.Caption(), "HalvekClock setup");
  EXPECT_EQ(f.window.Width(), 6345);
  EXPECT_EQ(f.window.Height(), 3360);
}

TEST_F(SetupTest, TabGoesFromOkThroughTheFolderAndTheChoicesToCancel) {
  Form1& f = Start();
  EXPECT_EQ(fake::EventPump::TabWalk(f.window, 5),
            (std::vector<std::string>{"cmdOK(0)", "txtSYS", "opt(0)", "cmdOK(1)", "cmdOK(0)"}));
  pump.Click(f.opt(1));
  EXPECT_EQ(fake::EventPump::TabWalk(f.window, 3),
            (std::vector<std::string>{"cmdOK(0)", "txtSYS", "opt(1)"}));
}

TEST_F(SetupTest, WithoutASystemFolderTheBoxStaysEmpty) {
  system.system_folder = "";
  EXPECT_EQ(Start().txtSYS.Text(), "");
}

TEST_F(SetupTest, ThePictureIsShownAtItsOwnSize) {
  const Image& image = Start().Image1;
  ASSERT_TRUE(image.HasPicture());
  EXPECT_EQ(image.GetPicture()->WidthPx(), 97);
  EXPECT_EQ(image.GetPicture()->HeightPx(), 209);
  EXPECT_FALSE(image.Stretch());
  EXPECT_EQ(image.Width(), 97 * kTwipsPerPixel);
  EXPECT_EQ(image.Height(), 209 * kTwipsPerPixel);
}

TEST_F(SetupTest, TheLanguageLabelsSwitchTheTextsAndKeepAnEditedFolder) {
  Form1& f = Start();
  f.txtSYS.UserEdit("/home/me/my savers");

  pump.Click(f.lblLoc(0));
  EXPECT_EQ(f.lbl(1).Text(),
            "Если у вас другое мнение, измените путь вручную\r\n\r\nТеперь вы можете:");
  EXPECT_EQ(f.opt(0).Text(), "Инсталлировать HalvekClock как хранитель экрана (рекомендуется)");
  EXPECT_EQ(f.module.MsgFilesCopied, "Следующие файлы скопированы:");
  EXPECT_EQ(f.lblLoc(0).ForeColor(), 0u);
  EXPECT_EQ(f.lblLoc(1).ForeColor(), kBlue);
  EXPECT_EQ(f.txtSYS.Text(), "/home/me/my savers");
  // Never translated.
  EXPECT_EQ(f.window.Caption(), "HalvekClock setup");
  EXPECT_EQ(f.cmdOK(1).Text(), "Cancel");
  EXPECT_EQ(f.lblLoc(0).Text(), "Russian");

  pump.Click(f.lblLoc(1));
  EXPECT_EQ(f.opt(1).Text(),
            "Copy HalvekClock to the system folder (install later via 'Display properties')");
  EXPECT_EQ(f.lblLoc(0).ForeColor(), kBlue);
  EXPECT_EQ(f.lblLoc(1).ForeColor(), 0u);
  EXPECT_EQ(f.txtSYS.Text(), "/home/me/my savers");
}

struct SetupTextRow {
  const char* target;
  std::string (*shown)(Form1&);
  const char* english;
  const char* russian;
};

// clang-format off
const SetupTextRow kSetupTextRows[] = {
    {"lbl(0)", [](Form1& f) { return f.lbl(0).Text(); },
     "The setup has defined a system folder where it can copy necessary files for HalvekClock to be the default screensaver. It is a folder:",
     "Программа установки нашла системную папку, куда она может скопировать необходимые файлы, чтобы HalvekClock был доступен как скринсейвер. Это папка:"},
    {"lbl(1)", [](Form1& f) { return f.lbl(1).Text(); },
     "If you have other opinion, change the path manually\r\n\r\nNow you can ",
     "Если у вас другое мнение, измените путь вручную\r\n\r\nТеперь вы можете:"},
    {"opt(0)", [](Form1& f) { return f.opt(0).Text(); },
     "Install HalvekClock as screen saver (recommended)",
     "Инсталлировать HalvekClock как хранитель экрана (рекомендуется)"},
    {"opt(1)", [](Form1& f) { return f.opt(1).Text(); },
     "Copy HalvekClock to the system folder (install later via 'Display properties')",
     "Просто скопировать HalvekClock в системную папку (инсталлировать позже через 'Настройки экрана')"},
    // Never translated.
    {"caption", [](Form1& f) { return f.window.Caption(); }, "HalvekClock setup", "HalvekClock setup"},
    {"cmdOK(0)", [](Form1& f) { return f.cmdOK(0).Text(); }, "OK", "OK"},
    {"cmdOK(1)", [](Form1& f) { return f.cmdOK(1).Text(); }, "Cancel", "Cancel"},
    {"lblLoc(0)", [](Form1& f) { return f.lblLoc(0).Text(); }, "Russian", "Russian"},
    {"lblLoc(1)", [](Form1& f) { return f.lblLoc(1).Text(); }, "English", "English"},
};
// clang-format on

// Every text of the window in each language, and the result message as it is shown: its
// heading, and the words said of a control file left in place.
TEST_F(SetupTest, EveryTextReadsAsItsLanguageAfterEachSwitch) {
  struct Step {
    std::vector<int> clicks;
    bool russian;
  };
  for (const Step& step : {Step{{}, false}, Step{{0}, true}, Step{{0, 1}, false}}) {
    system.ended = false;
    system.messages.clear();
    fs::remove_all(target);
    fs::create_directories(target);
    Put(source, {{"Comdlg32.ocx", "dialog control"}});
    Put(target, {{"Comdlg32.ocx", "older control"}});
    Form1& f = Start();
    for (const int label : step.clicks) pump.Click(f.lblLoc(label));
    const char* const language = step.russian ? "Russian" : "English";
    for (const SetupTextRow& row : kSetupTextRows)
      EXPECT_EQ(row.shown(f), step.russian ? row.russian : row.english)
          << row.target << ", " << language;
    pump.Click(f.opt(1));
    PressOK();
    EXPECT_EQ(Report(), step.russian
                            ? "Следующие файлы скопированы:\r\n   Comdlg32.ocx уже существует"
                            : "Following files were copied:\r\n   Comdlg32.ocx exists already")
        << language;
    ASSERT_FALSE(system.messages.empty());
    EXPECT_EQ(system.messages.back().title, "Result") << language;
  }
}

TEST_F(SetupTest, ALanguageValueOtherThanTheTwoChangesNoText) {
  Form1& f = Start();
  for (float language : {0.5f, 2.0f, -1.0f}) {
    DoSetupLocalisation(f.module, f, language);
    EXPECT_EQ(f.opt(0).Text(), "Install HalvekClock as screen saver (recommended)") << language;
    EXPECT_EQ(f.module.MsgExistsAlready, " exists already") << language;
  }
}

TEST_F(SetupTest, CancelAndTheCloseControlEndAtOnceWithoutCopying) {
  Put(source, kDistribution);
  for (const bool close_control : {false, true}) {
    Form1& f = Start();
    system.ended = false;
    if (close_control)
      f.window.on_close_request();
    else
      pump.Click(f.cmdOK(1));
    EXPECT_TRUE(system.ended);
    EXPECT_TRUE(Read(target).empty());
    EXPECT_TRUE(system.messages.empty());
    EXPECT_TRUE(system.started_commands.empty());
  }
}

using Commands = std::vector<std::vector<std::string>>;

struct ChoiceCase {
  const char* name;
  int chosen;  // -1: neither option
  bool settings_started;
  friend void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }
};

class Choice : public SetupTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(Choice, OnlyCopyOnlyKeepsTheScreensaverSettingsClosed) {
  Put(source, kDistribution);
  Form1& f = Start();
  if (GetParam().chosen >= 0) pump.Click(f.opt(GetParam().chosen));
  PressOK();
  EXPECT_EQ(Read(target), kDistribution);
  EXPECT_EQ(system.messages.size(), 1u);
  const std::string installed = (target / system.ScreensaverFileName()).string();
  const Commands settings{system.ScreensaverSettingsCommands(target.string(), installed).front()};
  EXPECT_EQ(system.started_commands, GetParam().settings_started ? settings : Commands{});
  EXPECT_TRUE(system.ended);
}

INSTANTIATE_TEST_SUITE_P(Options, Choice,
                         ::testing::Values(ChoiceCase{"Neither", -1, true},
                                           ChoiceCase{"Install", 0, true},
                                           ChoiceCase{"CopyOnly", 1, false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(SetupTest, AHandEditedTargetTakesTheFilesAndIsWhatTheLastCommandOpens) {
  Put(source, kDistribution);
  const fs::path mine = base / "my savers; $(rm -rf x)";
  fs::create_directories(mine);
  // No settings program starts: each is tried in turn, all with the chosen folder.
  system.start_command_works = false;
  Start().txtSYS.UserEdit(mine.string());
  PressOK();
  EXPECT_EQ(Read(mine), kDistribution);
  EXPECT_TRUE(Read(target).empty());
  EXPECT_EQ(system.started_commands,
            system.ScreensaverSettingsCommands(mine.string(),
                                               (mine / system.ScreensaverFileName()).string()));
}

TEST_F(SetupTest, NoSettingsAreOpenedWhenTheScreensaverDidNotArrive) {
  Put(source, {{"Halvek_Clock_bg.jpg", "usual background"}});
  Start();
  PressOK();
  EXPECT_TRUE(system.started_commands.empty());
  EXPECT_TRUE(system.ended);
}

}  // namespace
}  // namespace hc::setup::testing

#include <string>
#include <vector>

#include "clock_fixture.h"

namespace hc::testing {
namespace {

using StartUp = ClockTest;

TEST_F(StartUp, WithoutASettingsFileWritesTheDefaultsAndRunsOnThem) {
  Form1& c = Start();
  EXPECT_EQ(Settings(), kDefaultFile);
  EXPECT_FALSE(system.ended);
  EXPECT_EQ(c.module.PicCenter, "Default");
  EXPECT_EQ(Options().cmdOK(0).Text(), "Save");
  EXPECT_EQ(c.Pict(0).GetPicture(), c.picTMP1.GetPicture()) << "the built-in centre picture";
  EXPECT_EQ(c.LineS(2).LineColor(), 255u);
  EXPECT_EQ(c.ShapeS(1).BorderColor(), 12632319u);
  EXPECT_EQ(c.lblS(2).GetFont(), Font("Tahoma", 30, true));
  EXPECT_EQ(c.Timer4.Interval(), 1000);
  EXPECT_TRUE(c.Timer4.Enabled());
  EXPECT_FALSE(c.TimerSHOW.Running());
}

TEST_F(StartUp, AnEmptySettingsFileKeepsEveryDefaultAndIsNotRewritten) {
  PutSettings("");
  Form1& c = Start();
  EXPECT_EQ(Settings(), "");
  EXPECT_EQ(c.module.PicCenter, "Default");
  EXPECT_EQ(c.lblS(0).ForeColor(), 12632319u);
  EXPECT_EQ(c.lblS(2).GetFont().Size(), 30);
}

TEST_F(StartUp, AReadOnlyPlaceForTheFileLeavesTheClockRunningOnDefaults) {
  std::filesystem::create_directory(folder / "Halvek_Clock.ini");  // cannot become a file
  Form1& c = Start();
  EXPECT_FALSE(system.ended);
  EXPECT_EQ(c.module.Localisation, 1);
  EXPECT_TRUE(std::filesystem::is_directory(folder / "Halvek_Clock.ini"));
}

TEST_F(StartUp, AnotherInstanceEndsAtOnceWithoutTouchingTheFile) {
  system.another_instance = true;
  Start();
  EXPECT_TRUE(system.ended);
  EXPECT_FALSE(Exists("Halvek_Clock.ini"));
}

struct ModeCase {
  const char* command_line;
  const char* run_mode;
  bool ends;
  bool dialog_shown;
};

class CommandLine : public ClockTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(CommandLine, DecidesTheRunMode) {
  const ModeCase& m = GetParam();
  system.command_line = m.command_line;
  Form1& c = Start();
  EXPECT_EQ(c.RunMode, m.run_mode);
  EXPECT_EQ(system.ended, m.ends);
  EXPECT_EQ(Options().window.Visible(), m.dialog_shown);
  EXPECT_EQ(c.window.GetPointer(), m.dialog_shown ? Pointer::kCross : Pointer::kBlank);
  EXPECT_EQ(Settings(), kDefaultFile) << "the file is written in every mode";
  EXPECT_EQ(system.cursor_moves, (std::vector<std::pair<int, int>>{{143, 53}}))
      << "the pointer goes onto the dialog once at start";
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CommandLine,
    ::testing::Values(ModeCase{"", "", false, false}, ModeCase{"/s", "/s", false, false},
                      ModeCase{"  /S  ", "/s", false, false},
                      ModeCase{"/c extra words", "/c", false, true},
                      ModeCase{"/C:1234", "/c", false, true}, ModeCase{"/P", "/p", true, false},
                      ModeCase{"/p 4567", "/p", true, false}, ModeCase{"-x", "-x", false, false}));

using ExitRules = ClockTest;

TEST_F(ExitRules, AnyCharacterButOneEndsTheClock) {
  for (const int key : {27, 32, int{'a'}, int{'2'}, 13, 0x0439}) {
    system.ended = false;
    clock.reset();
    Start();
    pump.KeyPress(clock->window, static_cast<std::uint16_t>(key));
    EXPECT_TRUE(system.ended) << "key " << key;
  }
}

TEST_F(ExitRules, KeyOneOpensTheDialogWithTheCurrentOptionsSelected) {
  PutSettings("ViewTime=1\r\nShapeWidth=1\r\n");
  Form1& c = Start();
  pump.KeyPress(c.window, '1');
  EXPECT_FALSE(system.ended);
  EXPECT_TRUE(Options().window.Visible());
  EXPECT_EQ(c.window.GetPointer(), Pointer::kCross);
  EXPECT_TRUE(Options().optWT(1).Value());
  EXPECT_TRUE(Options().optSW(1).Value());
  EXPECT_EQ(c.OrbitUnit, 540) << "selecting the size re-lays out the visible face";
}

TEST_F(ExitRules, TheSixthMouseMoveEndsTheClock) {
  Form1& c = Start();
  for (int i = 0; i < 5; ++i) pump.MouseMove(c.window);
  EXPECT_FALSE(system.ended);
  pump.MouseMove(c.window);
  EXPECT_TRUE(system.ended);
}

TEST_F(ExitRules, WhileConfiguringMovesBringTheDialogBackAndNeverEnd) {
  Form1& c = Start();
  pump.KeyPress(c.window, '1');
  for (int i = 0; i < 40000; ++i) pump.MouseMove(c.window);
  EXPECT_FALSE(system.ended);
  EXPECT_TRUE(Options().window.Visible());
  EXPECT_EQ(c.MoveCount, 32767) << "the count stops at its limit instead of overflowing";
}

TEST_F(ExitRules, InConfigureModeMovesNeverEndEvenWithTheDialogHidden) {
  system.command_line = "/c";
  Form1& c = Start();
  Options().window.Hide();
  for (int i = 0; i < 10; ++i) pump.MouseMove(c.window);
  EXPECT_FALSE(system.ended);
  EXPECT_TRUE(Options().window.Visible());
}

TEST_F(ExitRules, NothingIsDeliveredAfterTheEnd) {
  Form1& c = Start();
  pump.KeyPress(c.window, 'x');
  const auto ticks = c.TickCount;
  pump.Advance(5000);
  EXPECT_EQ(c.TickCount, ticks);
}

}  // namespace
}  // namespace hc::testing

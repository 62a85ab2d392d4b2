// The tick, the three looks and the placement pass, on a 1024 x 768 screen.

#include <cmath>
#include <string>

#include "clock_fixture.h"

namespace hc::testing {
namespace {

constexpr double kTwipTolerance = 0.1;

class Face : public ClockTest {
 protected:
  // Starts one second before `h:m:s` and lets the first tick fall on it.
  Form1& StartAndTickAt(int h, int m, int s, const std::string& settings = "") {
    if (!settings.empty()) PutSettings(settings);
    system.start_time = fake::AddSeconds({2026, 12, 9, h, m, s}, -1);
    Start();
    pump.Advance(1000);
    return *clock;
  }
  static std::string File(int shape_width, int clock2 = 0) {
    return "0\r\n" + std::to_string(shape_width) +
           "\r\nDefault\r\n0\r\n1\r\n0\r\n255\r\n8421631\r\n12632319\r\n0\r\n30\r\nTahoma\r\n" +
           std::to_string(clock2) + "\r\n";
  }
  static double CentreX(const Shape& s) { return s.Left() + s.Width() / 2; }
  static double CentreY(const Shape& s) { return s.Top() + s.Height() / 2; }
};

TEST_F(Face, AtStartAllCirclesStandOnTheLineRightOfTheCentre) {
  struct Look {
    int shape_width;
    double orbit[3];
    double width[3];
  };
  for (const Look& look : {Look{1, {3780, 2700, 1620}, {1080, 1080, 1080}},
                           Look{0, {3360, 2604, 1672}, {700, 850, 1080}}}) {
    clock.reset();
    PutSettings(File(look.shape_width));
    Form1& c = Start();
    EXPECT_EQ(c.CenterLeft + c.CenterRadius, 7680);
    EXPECT_EQ(c.CenterTop + c.CenterRadius, 5760);
    for (int i = 0; i <= 2; ++i) {
      const Shape& s = c.ShapeS(i + 2);
      EXPECT_EQ(s.Width(), look.width[i]);
      EXPECT_NEAR(CentreX(s), 7680 + look.orbit[i], kTwipTolerance) << "look " << look.shape_width;
      EXPECT_NEAR(CentreY(s), 5760, kTwipTolerance);
      EXPECT_EQ(s.BorderStyle(), 1);
      EXPECT_EQ(s.BorderWidth(), 2) << "circle " << i;
      EXPECT_EQ(c.LineS(i).LineWidth(), 2 * (i + 1)) << "line " << i;
      EXPECT_TRUE(c.LineS(i).Visible());
    }
    EXPECT_EQ(c.lblS(2).Width(), 700) << "the hours label keeps its start-up size in both looks";
    EXPECT_EQ(c.lblS(2).Height(), 650);
    EXPECT_EQ(c.ShapeS(1).BorderWidth(), 1) << "the centre circle's outline is thinner";
    EXPECT_EQ(c.ShapeS(1).BorderStyle(), 1);
    EXPECT_EQ(c.ShapeS(1).Width(), 1080);
  }
}

struct Worked {
  const char* look;
  int shape_width;
  int clock2;
  double left[3], top[3];  // circles' top-left corners
  double label_right[3], label_down[3];
  friend void PrintTo(const Worked& w, std::ostream* os) { *os << w.look; }
};

class WorkedValues : public Face, public ::testing::WithParamInterface<Worked> {};

TEST_P(WorkedValues, TenPastEightPlacesEveryCircleAndLabel) {
  const Worked& w = GetParam();
  Form1& c = StartAndTickAt(10, 8, 0, File(w.shape_width, w.clock2));
  EXPECT_EQ(c.lblS(0).Text(), "0");
  EXPECT_EQ(c.lblS(1).Text(), "8");
  EXPECT_EQ(c.lblS(2).Text(), "10");
  EXPECT_NEAR(c.HandAngle[0], -1.5708, 1e-4);
  EXPECT_NEAR(c.HandAngle[1], -0.73304, 1e-5);
  EXPECT_NEAR(c.HandAngle[2], 3.73501, 1e-5);
  for (int i = 0; i <= 2; ++i) {
    const Shape& s = c.ShapeS(i + 2);
    EXPECT_NEAR(s.Left(), w.left[i], kTwipTolerance) << w.look << " circle " << i;
    EXPECT_NEAR(s.Top(), w.top[i], kTwipTolerance) << w.look << " circle " << i;
    EXPECT_NEAR(c.lblS(i).Left() - s.Left(), w.label_right[i], kTwipTolerance) << w.look << i;
    EXPECT_NEAR(c.lblS(i).Top() - s.Top(), w.label_down[i], kTwipTolerance) << w.look << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Looks, WorkedValues,
                         ::testing::Values(Worked{"equal",
                                                  1,
                                                  0,
                                                  {7140.0, 9146.5, 5797.0},
                                                  {1440.0, 3413.3, 4314.1},
                                                  {205.2, 205.2, 193},
                                                  {167.4, 167.4, 152}},
                                           Worked{"different",
                                                  0,
                                                  0,
                                                  {7330.0, 9190.1, 5753.9},
                                                  {2050.0, 3592.6, 4285.0},
                                                  {172.2, 172.2, 193},
                                                  {151.2, 151.2, 152}},
                                           Worked{"dial",
                                                  1,
                                                  1,
                                                  {7190.0, 9196.5, 5847.0},
                                                  {1490.0, 3463.3, 4364.1},
                                                  {150, 150, 150},
                                                  {120, 120, 120}}),
                         [](const auto& info) { return std::string(info.param.look); });

TEST_F(Face, TheSecondsLineEndsOnItsCircleInTheEqualLook) {
  Form1& c = StartAndTickAt(10, 8, 0, File(1));
  EXPECT_EQ(c.LineS(0).X1(), 7680);
  EXPECT_EQ(c.LineS(0).Y1(), 5760);
  EXPECT_NEAR(c.LineS(0).X2(), 7680.0, kTwipTolerance);
  EXPECT_NEAR(c.LineS(0).Y2(), 2520, kTwipTolerance);
}

TEST_F(Face, TheFirstSecondsLineAfterALayoutIsLongerThanTheLaterOnes) {
  PutSettings(File(0));
  Form1& c = Start();
  const auto length = [&] {
    return std::hypot(c.LineS(0).X2() - c.LineS(0).X1(), c.LineS(0).Y2() - c.LineS(0).Y1());
  };
  EXPECT_NEAR(length(), 3360, kTwipTolerance);
  pump.Advance(1000);
  EXPECT_NEAR(length(), 3040, kTwipTolerance);
  EXPECT_NEAR(std::hypot(c.LineS(2).X2() - 7680, c.LineS(2).Y2() - 5760), 1680, kTwipTolerance);
}

TEST_F(Face, AHalfShapeWidthIsTheEqualLookWithBlendedLabelOffsets) {
  PutSettings("0\r\n0.5\r\n");
  Form1& c = Start();
  EXPECT_EQ(c.OrbitUnit, 540);
  EXPECT_EQ(c.ShapeS(2).Width(), 1080);
  EXPECT_NEAR(c.lblS(0).Top() - c.ShapeS(2).Top(), 0.335 * 540, kTwipTolerance);
  EXPECT_NEAR(c.lblS(0).Left() - c.ShapeS(2).Left(), 0.395 * 540, kTwipTolerance);
  EXPECT_NEAR(CentreX(c.ShapeS(4)) - 7680, 1620, kTwipTolerance) << "hours on the base unit";
}

TEST_F(Face, TheDialLookHidesTheLinesAndShowsTheDialForTheScreen) {
  PutSettings(File(0, 1));
  Form1& c = Start();
  EXPECT_EQ(Options().chkBG(1).Value(), 1);
  EXPECT_TRUE(Options().optSW(1).Value());
  EXPECT_FALSE(Options().optSW(0).Enabled());
  EXPECT_EQ(c.module.ShapeWidth, 1);
  for (int k = 0; k <= 2; ++k) {
    EXPECT_FALSE(c.LineS(k).Visible());
    EXPECT_EQ(c.lblS(k).GetFont().Size(), 27.75) << "28 pt asked, whole pixels given";
    EXPECT_EQ(c.ShapeS(k + 2).Width(), 980);
  }
  EXPECT_EQ(c.ShapeS(1).BorderStyle(), 0);
  ASSERT_TRUE(c.window.GetPicture());
  EXPECT_EQ(c.window.GetPicture()->WidthPx(), 1024);
  EXPECT_EQ(c.window.GetPicture()->HeightPx(), 768);
}

struct DigitSizeCase {
  const char* name;
  const char* hours_size;
  bool through_dial;
  double sizes[3];  // seconds, minutes, hours, as the labels read them back
  friend void PrintTo(const DigitSizeCase& k, std::ostream* os) { *os << k.name; }
};

class DigitSizes : public Face, public ::testing::WithParamInterface<DigitSizeCase> {};

// The seconds and minutes digits follow the hours label as it is, which the dial look leaves
// at 28 pt (27.75 in whole pixels) whatever the setting says.
TEST_P(DigitSizes, DifferentSizesScaleFromTheHoursLabelAsShown) {
  const DigitSizeCase& k = GetParam();
  system.command_line = "/c";
  PutSettings("0\r\n1\r\nDefault\r\n0\r\n1\r\n0\r\n255\r\n8421631\r\n12632319\r\n0\r\n" +
              std::string(k.hours_size) + "\r\nTahoma\r\n" + (k.through_dial ? "1" : "0") + "\r\n");
  Form1& c = Start();
  if (k.through_dial) pump.Click(Options().chkBG(0));  // "Back" leaves the dial look
  pump.Click(Options().optSW(0));
  ASSERT_EQ(c.module.ShapeWidth, 0);
  for (int i = 0; i <= 2; ++i) EXPECT_EQ(c.lblS(i).GetFont().Size(), k.sizes[i]) << i;
  EXPECT_EQ(Options().txtCOLOR(0).Text(), Options().SizeText(k.sizes[0]));
  EXPECT_EQ(Options().txtCOLOR(1).Text(), Options().SizeText(k.sizes[1]));
}

INSTANTIATE_TEST_SUITE_P(
    Labels, DigitSizes,
    ::testing::Values(DigitSizeCase{"plain", "30", false, {15, 21, 30}},
                      DigitSizeCase{"after_dial", "30", true, {14.25, 19.5, 27.75}},
                      DigitSizeCase{"after_dial_small_setting", "12", true, {14.25, 19.5, 27.75}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Face, LeavingTheDialLookBringsBackTheLinesAndTheCentreOutline) {
  system.command_line = "/c";
  PutSettings(File(1, 1));
  Form1& c = Start();
  ASSERT_EQ(c.ShapeS(1).BorderStyle(), 0);
  pump.Click(Options().chkBG(0));
  EXPECT_EQ(c.ShapeS(1).BorderStyle(), 1);
  EXPECT_EQ(c.ShapeS(4).Width(), 1080);
  EXPECT_EQ(c.ShapeS(4).Height(), 1080);
  for (int k = 0; k <= 2; ++k) EXPECT_TRUE(c.LineS(k).Visible()) << k;
}

struct DialCase {
  int width_px, height_px;
  int dial_width_px, dial_height_px;  // 0: no dial for this screen
  friend void PrintTo(const DialCase& k, std::ostream* os) {
    *os << k.width_px << "x" << k.height_px;
  }
};

class DialTable : public Face, public ::testing::WithParamInterface<DialCase> {};

TEST_P(DialTable, EachScreenGetsTheDialMadeForIt) {
  const DialCase& k = GetParam();
  system.screen = {k.width_px * 15, k.height_px * 15};
  PutSettings(File(0, 1));
  Form1& c = Start();
  for (int i = 0; i <= 2; ++i) EXPECT_FALSE(c.LineS(i).Visible());
  if (k.dial_width_px == 0) {
    EXPECT_FALSE(c.window.GetPicture());
    return;
  }
  ASSERT_TRUE(c.window.GetPicture());
  EXPECT_EQ(c.window.GetPicture()->WidthPx(), k.dial_width_px);
  EXPECT_EQ(c.window.GetPicture()->HeightPx(), k.dial_height_px);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, DialTable,
    ::testing::Values(DialCase{1024, 768, 1024, 768}, DialCase{1920, 1080, 1920, 1080},
                      DialCase{1280, 1024, 1280, 1024}, DialCase{1366, 768, 1366, 768},
                      DialCase{1600, 900, 1600, 900}, DialCase{1280, 800, 0, 0},
                      DialCase{1280, 960, 0, 0}, DialCase{800, 600, 0, 0}),
    [](const auto& info) {
      return std::to_string(info.param.width_px) + "x" + std::to_string(info.param.height_px);
    });

TEST_F(Face, Clock2CountsAsTickedWhenItIsOneAsANumber) {
  struct Case {
    const char* value;
    bool dial;
  };
  for (const Case& k : {Case{"1", true}, Case{"1.0", true}, Case{" 1", true}, Case{"01", true},
                        Case{"2", false}, Case{"1x", false}, Case{"", false}}) {
    clock.reset();
    PutSettings(
        "0\r\n0\r\nDefault\r\n0\r\n1\r\n0\r\n255\r\n8421631\r\n12632319\r\n0\r\n30\r\n"
        "Tahoma\r\n" +
        std::string(k.value) + "\r\n");
    system.start_time = {2026, 12, 9, 10, 7, 59};
    Form1& c = Start();
    pump.Advance(1000);
    EXPECT_EQ(Options().chkBG(1).Value(), k.dial ? 1 : 0) << "'" << k.value << "'";
    EXPECT_EQ(c.LineS(0).Visible(), !k.dial) << "'" << k.value << "'";
    const double down = c.lblS(0).Top() - c.ShapeS(2).Top();
    if (k.dial) {
      EXPECT_NEAR(down, 120, kTwipTolerance) << "'" << k.value << "': the dial's label offset";
    } else {
      EXPECT_NEAR(down, 151.2, kTwipTolerance) << "'" << k.value << "'";
    }
  }
}

TEST_F(Face, TheDialLookOnAScreenWithoutADialKeepsTheWindowPicture) {
  system.screen = {1280 * 15, 800 * 15};
  PutSettings(File(0, 1));
  Form1& c = Start();
  EXPECT_FALSE(c.window.GetPicture());
  EXPECT_FALSE(c.LineS(0).Visible());
  EXPECT_EQ(c.ShapeS(2).Width(), 980);
}

struct ShownCase {
  const char* name;
  const char* view_time;
  DateTime start;
  int after_seconds;
  const char* digits[3];
  // The hour of the clock with the minutes as the caption shows them.
  double hours_angle;
  friend void PrintTo(const ShownCase& k, std::ostream* os) { *os << k.name; }
};

class ShownTime : public Face, public ::testing::WithParamInterface<ShownCase> {};

TEST_P(ShownTime, TheNumbersShowTheTimeOrTheTimeSinceStart) {
  const ShownCase& sc = GetParam();
  PutSettings(std::string("ViewTime=") + sc.view_time + "\r\n");
  system.start_time = sc.start;
  Form1& c = Start();
  pump.Advance(sc.after_seconds * 1000LL);
  EXPECT_EQ(c.lblS(0).Text(), sc.digits[0]);
  EXPECT_EQ(c.lblS(1).Text(), sc.digits[1]);
  EXPECT_EQ(c.lblS(2).Text(), sc.digits[2]);
  EXPECT_NEAR(c.HandAngle[2], sc.hours_angle, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ShownTime,
    ::testing::Values(
        ShownCase{"current", "0", {2026, 12, 9, 10, 7, 59}, 1, {"0", "8", "10"}, 3.73501},
        ShownCase{"since_start", "1", {2026, 12, 9, 14, 0, 0}, 3723, {"3", "2", "1"}, 6.30073},
        ShownCase{"since_start_other_minutes",
                  "1",
                  {2026, 12, 9, 10, 20, 0},
                  600,
                  {"0", "10", "0"},
                  (35 + 10 / 12.0) * 0.10472},
        ShownCase{"across_midnight",
                  "1",
                  {2026, 12, 9, 23, 50, 0},
                  1200,
                  {"0", "40", "23"},
                  (-15 + 40 / 12.0) * 0.10472},
        ShownCase{"half_counts_as_since_start",
                  "0.5",
                  {2026, 12, 9, 9, 0, 0},
                  65,
                  {"5", "1", "0"},
                  (30 + 1 / 12.0) * 0.10472}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Face, TheHoursCircleCreepsOnWithTheMinutes) {
  Form1& c = StartAndTickAt(12, 30, 0);
  EXPECT_NEAR(c.HandAngle[2], 4.9742, 1e-4);
  EXPECT_NEAR(c.HandAngle[0], -1.5708, 1e-4);
  pump.Advance(15000);
  EXPECT_NEAR(c.HandAngle[0], 0, 1e-6) << "15 seconds points right";
}

TEST_F(Face, TheHintFadesOverEightTicksAndThenHides) {
  Form1& c = Start();
  EXPECT_EQ(c.lblF1.ForeColor(), Rgb(90, 90, 90));
  EXPECT_EQ(c.lblF1.Left(), 15360 - 3015);
  EXPECT_EQ(c.lblF1.Top(), 11520 - 615);
  pump.Advance(1000);
  EXPECT_EQ(c.lblF1.ForeColor(), Rgb(80, 80, 80));
  pump.Advance(7000);
  EXPECT_EQ(c.lblF1.ForeColor(), Rgb(10, 10, 10));
  EXPECT_TRUE(c.lblF1.Visible());
  pump.Advance(1000);
  EXPECT_FALSE(c.lblF1.Visible());
  pump.Advance(60000);
  EXPECT_FALSE(c.lblF1.Visible());
  EXPECT_EQ(c.lblF1.ForeColor(), Rgb(10, 10, 10));
}

TEST_F(Face, InAScreensaverHostsWindowTheHintNeverShows) {
  // The host owns the key the hint names: pressing it ends the screensaver there.
  system.in_hosts_window = true;
  Form1& c = Start();
  EXPECT_FALSE(c.lblF1.Visible());
  pump.Advance(3000);
  EXPECT_FALSE(c.lblF1.Visible());
}

TEST_F(Face, TheTickCountStopsAtItsLimit) {
  Form1& c = Start();
  c.TickCount = 32766;
  pump.Advance(3000);
  EXPECT_EQ(c.TickCount, 32767);
}

TEST_F(Face, StackingAfterStartUpPutsLabelsOverTheirCirclesAndLinesAtTheBack) {
  Form1& c = Start();
  std::vector<std::string> order;
  for (const Element* e : c.window.Stacking())
    if (e->Name() == "ShapeS" || e->Name() == "lblS" || e->Name() == "LineS")
      if (e->Index() != 0 || e->Name() != "ShapeS")
        order.push_back(e->Name() + std::to_string(e->Index()));
  EXPECT_EQ(order, (std::vector<std::string>{"LineS2", "LineS1", "LineS0", "ShapeS1", "ShapeS2",
                                             "lblS0", "ShapeS3", "lblS1", "ShapeS4", "lblS2"}));
}

TEST_F(Face, ATickRepaintsOnlyWhatMoved) {
  Form1& c = StartAndTickAt(10, 8, 0);
  pump.TakeChanged(c.window);
  pump.TakeWindowChanged(c.window);
  pump.Advance(1000);
  double area = 0;
  for (const RectTwips& r : pump.TakeChanged(c.window)) area += r.width * r.height;
  EXPECT_GT(area, 0);
  EXPECT_LT(area, 0.25 * 15360 * 11520) << "a tick touches a small part of the screen";
  EXPECT_FALSE(pump.TakeWindowChanged(c.window));
}

TEST_F(Face, AResizedWindowLaysTheFaceOutForItsNewSize) {
  struct Case {
    const char* name;
    int clock2;
    int width_px, height_px;
    int dial_width_px;  // 0: no dial picture
  };
  for (const Case& k : {Case{"smaller", 0, 800, 600, 0}, Case{"wider", 0, 1920, 1080, 0},
                        Case{"dial to a dial size", 1, 1920, 1080, 1920},
                        Case{"dial to no dial size", 1, 800, 600, 0}}) {
    clock.reset();
    system.elapsed_ms = 0;
    PutSettings(File(0, k.clock2));
    Form1& c = StartAndTickAt(10, 8, 0);
    const double w = k.width_px * 15.0, h = k.height_px * 15.0;
    pump.Resize(c.window, w, h);
    EXPECT_EQ(c.ScreenW, w) << k.name;
    EXPECT_EQ(c.CenterLeft + c.CenterRadius, w / 2) << k.name;
    EXPECT_EQ(c.CenterTop + c.CenterRadius, h / 2) << k.name;
    EXPECT_EQ(CentreX(c.ShapeS(1)), w / 2) << k.name;
    EXPECT_NEAR(c.Pict(0).Left() + c.Pict(0).Width() / 2, w / 2, 1) << k.name;
    EXPECT_EQ(c.lblF1.Left() + c.lblF1.Width(), w) << k.name;
    EXPECT_EQ(c.lblF1.Top() + c.lblF1.Height(), h) << k.name;
    // The seconds circle at 10:08:00 stands straight above the new centre, at its orbit.
    EXPECT_NEAR(CentreX(c.ShapeS(2)), w / 2, kTwipTolerance) << k.name;
    EXPECT_NEAR(c.LineS(2).X1(), w / 2, kTwipTolerance) << k.name;
    if (k.dial_width_px) {
      ASSERT_TRUE(c.window.GetPicture()) << k.name;
      EXPECT_EQ(c.window.GetPicture()->WidthPx(), k.dial_width_px) << k.name;
    } else {
      EXPECT_FALSE(c.window.GetPicture()) << k.name;
    }
  }
}

TEST_F(Face, InAHostsWindowKeysAndMovesLeaveTheClockRunning) {
  Form1& c = Start();
  pump.RefuseInput();
  for (int i = 0; i < 10; ++i) pump.MouseMove(c.window);
  pump.KeyPress(c.window, 'x');
  pump.KeyPress(c.window, '1');
  EXPECT_FALSE(system.ended);
  EXPECT_FALSE(Options().window.Visible());
  pump.Advance(1000);
  EXPECT_EQ(c.TickCount, 1);
}

}  // namespace
}  // namespace hc::testing

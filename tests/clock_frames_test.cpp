// The clock on a real backend: each look drawn with the right colours in the right places of
// a grabbed 1024 x 768 frame.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <optional>
#include <tuple>
#include <vector>

#include "Form1.h"
#include "clock_frames/frame_grab.h"
#include "fake/test_folder.h"
#include "forwarding_system.h"

namespace hc {

void PrintTo(const DateTime& t, std::ostream* os) {
  *os << t.hour << ":" << t.minute << ":" << t.second;
}

namespace {

// The real services, but with the program's files in a folder of the test's own and the
// clock standing at the time under test.
class InFolder : public ForwardingSystem {
 public:
  InFolder(System& real, std::string folder, DateTime now)
      : ForwardingSystem(real), folder_(std::move(folder)), now_(now) {}
  std::string ProgramFolder() override { return folder_; }
  std::string CommandLine() override { return "/s"; }
  bool AnotherInstance() override { return false; }
  DateTime Now() override { return now_; }
  MsgResult MsgBox(const std::string&, MsgButtons, MsgIcon, const std::string&) override {
    return MsgResult::kOk;
  }
  char DecimalSeparator() override { return '.'; }
  void SetCursorPos(int, int) override {}
  std::string SystemFolder() override { return folder_; }
  bool StartCommand(const std::vector<std::string>&) override { return false; }

 private:
  std::string folder_;
  DateTime now_;
};

using frames::Image;
using frames::Rgb;
using frames::TheApp;

class AppEnvironment : public ::testing::Environment {
 public:
  void TearDown() override;
};
::testing::Environment* const app_environment =
    ::testing::AddGlobalTestEnvironment(new AppEnvironment);

struct Look {
  const char* name;
  const char* settings;
  bool lines;
  bool dial;
  friend void PrintTo(const Look& look, std::ostream* os) { *os << look.name; }
};

const Look kLooks[] = {
    {"different", "0\r\n0\r\nDefault\r\n0\r\n1\r\n0\r\n255\r\n65280\r\n16711680\r\n65535\r\n", true,
     false},
    {"equal", "0\r\n1\r\nDefault\r\n0\r\n1\r\n0\r\n255\r\n65280\r\n16711680\r\n65535\r\n", true,
     false},
    {"dial",
     "0\r\n1\r\nDefault\r\n0\r\n1\r\n0\r\n255\r\n65280\r\n16711680\r\n65535\r\n30\r\nTahoma\r\n1\r"
     "\n",
     false, true},
};

// Times where hands overlap (03:15:15, 12:00:00), sit near each other or cross midnight.
const DateTime kTimes[] = {{2026, 12, 9, 10, 8, 0},   {2026, 12, 9, 3, 15, 15},
                           {2026, 12, 9, 10, 50, 50}, {2026, 12, 9, 23, 59, 59},
                           {2026, 12, 9, 12, 0, 0},   {2026, 12, 9, 6, 30, 45}};

struct Point {
  double x, y;  // twips
};

class ClockFrames : public ::testing::TestWithParam<std::tuple<Look, DateTime>> {
 protected:
  const Look& look() const { return std::get<0>(GetParam()); }

  void SetUp() override {
    folder = fake::FreshTestFolder("hc_frames_");
    // Binary: the settings hold their own CR LF line ends, which text mode would double on Windows.
    std::ofstream(folder / "Halvek_Clock.ini", std::ios::binary) << look().settings;
    system =
        std::make_unique<InFolder>(TheApp().GetSystem(), folder.string(), std::get<1>(GetParam()));
    clock = std::make_unique<Form1>(*system, [](Window& w) { TheApp().Attach(w); });
    clock->Form_Load();
    clock->window.Show();
    clock->Timer4_Timer();
  }
  void TearDown() override {
    // The window goes off screen; the clock itself stays until the app ends, as a backend
    // may still hold on to its window. It ticks no more: its system goes with this test.
    clock->Timer4.SetEnabled(false);
    clock->TimerSHOW.SetEnabled(false);
    clock->window.Hide();
    finished.push_back(std::move(clock));
    std::filesystem::remove_all(folder);
  }
  Image Frame() { return frames::Grab(clock->window); }
  // The frame's pixels per logical pixel: the face is laid out in logical pixels of 15
  // twips, whatever the scale the screen is drawn at.
  static int Scale(const Image& img) { return std::max(1, img.width / 1024); }
  static int At(const Image& img, double twips) {
    return static_cast<int>(std::lround(twips / 15 * Scale(img)));
  }
  // Whether the colour stands on the pixel or a neighbour (edges are smoothed).
  static bool Near(const Image& img, Point p, Rgb colour) {
    const int x = At(img, p.x), y = At(img, p.y), reach = Scale(img);
    for (int dy = -reach; dy <= reach; ++dy)
      for (int dx = -reach; dx <= reach; ++dx)
        if (img.Valid(x + dx, y + dy) && img.At(x + dx, y + dy) == colour) return true;
    return false;
  }
  static Rgb Pixel(const Image& img, Point p) { return img.At(At(img, p.x), At(img, p.y)); }

  static Point Centre(const Element& e) {
    return {e.Left() + e.Width() / 2, e.Top() + e.Height() / 2};
  }
  static bool InBox(const Element& e, Point p, double margin) {
    return p.x > e.Left() - margin && p.x < e.Left() + e.Width() + margin &&
           p.y > e.Top() - margin && p.y < e.Top() + e.Height() + margin;
  }
  static bool InCircle(const Shape& s, Point p, double margin) {
    const Point c = Centre(s);
    return std::hypot(p.x - c.x, p.y - c.y) < s.Width() / 2 + margin;
  }
  static bool OnLine(const Line& l, Point p, double margin) {
    const double dx = l.X2() - l.X1(), dy = l.Y2() - l.Y1();
    const double t =
        std::clamp(((p.x - l.X1()) * dx + (p.y - l.Y1()) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - (l.X1() + t * dx), p.y - (l.Y1() + t * dy)) <
           l.LineWidth() * 15 / 2.0 + margin;
  }

  // Whether anything stacked above hand `i`'s `part` (0 line, 1 circle) could cover point p:
  // the hands in front of it, every label, the centre picture and the hint.
  bool Hidden(int i, bool circle, Point p) const {
    constexpr double kMargin = 45;  // 3 pixels for smoothed edges and rounding
    const Form1& c = *clock;
    for (int j = 0; j <= 2; ++j) {
      if (InBox(c.lblS(j), p, kMargin)) return true;
      if ((!circle || j > i) && InCircle(c.ShapeS(j + 2), p, kMargin)) return true;
      if (!circle && j < i && c.LineS(j).Visible() && OnLine(c.LineS(j), p, kMargin)) return true;
    }
    if (!circle && InCircle(c.ShapeS(1), p, kMargin)) return true;
    return InBox(c.Pict(0), p, kMargin) || (c.lblF1.Visible() && InBox(c.lblF1, p, kMargin));
  }

  // The first point of `candidates` that nothing covers.
  std::optional<Point> Clear(int i, bool circle, const std::vector<Point>& candidates) const {
    for (const Point& p : candidates)
      if (!Hidden(i, circle, p)) return p;
    return std::nullopt;
  }
  // Points on a circle of `radius` twips around `centre`, every 30 degrees.
  static std::vector<Point> Around(Point centre, double radius) {
    std::vector<Point> points;
    for (int k = 0; k < 12; ++k)
      points.push_back({centre.x + radius * std::cos(k * std::numbers::pi / 6),
                        centre.y + radius * std::sin(k * std::numbers::pi / 6)});
    return points;
  }

  std::filesystem::path folder;
  std::unique_ptr<InFolder> system;
  std::unique_ptr<Form1> clock;

 public:
  static std::vector<std::unique_ptr<Form1>> finished;
};
std::vector<std::unique_ptr<Form1>> ClockFrames::finished;

void AppEnvironment::TearDown() {
  ClockFrames::finished.clear();
  frames::EndApp();
}

TEST_P(ClockFrames, EachHandIsDrawnInItsColourWhereTheModelPutsIt) {
  const Image img = Frame();
  // At a scale factor the frame has that many pixels for each of the layout's.
  const char* factor = std::getenv("QT_SCALE_FACTOR");
  const int scale = std::max(1, factor ? std::atoi(factor) : 1);
  ASSERT_EQ(img.width, 1024 * scale);
  ASSERT_EQ(img.height, 768 * scale);
  const Rgb hand[3] = {{0, 0, 255}, {0, 255, 0}, {255, 0, 0}};
  int lines_checked = 0;
  for (int i = 0; i <= 2; ++i) {
    int circle_checked = 0;
    const Shape& s = clock->ShapeS(i + 2);
    const double r = s.Width() / 2;
    // Just inside the outline: the outline's colour.
    if (const auto p = Clear(i, true, Around(Centre(s), r - 15))) {
      EXPECT_TRUE(Near(img, *p, hand[i])) << look().name << " circle " << i;
      ++circle_checked;
    }
    // Eight pixels in: the circles' fill.
    if (const auto p = Clear(i, true, Around(Centre(s), r - 120))) {
      EXPECT_EQ(Pixel(img, *p), (Rgb{255, 255, 0})) << look().name << " fill " << i;
      ++circle_checked;
    }
    EXPECT_GE(circle_checked, 1) << "circle " << i << " is in view somewhere";
    // Along its line, between the centre circle and its own circle.
    const Line& l = clock->LineS(i);
    std::vector<Point> along;
    for (double t = 0.3; t < 1; t += 0.05)
      along.push_back({l.X1() + t * (l.X2() - l.X1()), l.Y1() + t * (l.Y2() - l.Y1())});
    if (const auto p = Clear(i, false, along)) {
      EXPECT_EQ(Near(img, *p, hand[i]), look().lines) << look().name << " line " << i;
      ++lines_checked;
    }
  }
  EXPECT_GE(lines_checked, 1) << "some line is in view";
  // The centre circle's black fill around the emblem, and what lies beyond the face.
  EXPECT_EQ(Pixel(img, {7680, 5760 + 480}), (Rgb{0, 0, 0}));
  EXPECT_EQ(Pixel(img, {300, 300}), (Rgb{0, 0, 0})) << "no background picture";
  if (look().dial) {
    // The dial's brown ring 140 px from the centre, where no circle covers it.
    const auto p = Clear(-1, true, Around({7680, 5760}, 140 * 15));
    ASSERT_TRUE(p);
    const Rgb ring = Pixel(img, *p);
    EXPECT_GT(ring.r, ring.g);
    EXPECT_GT(ring.g, ring.b);
  }
}

INSTANTIATE_TEST_SUITE_P(Looks, ClockFrames,
                         ::testing::Combine(::testing::ValuesIn(kLooks),
                                            ::testing::ValuesIn(kTimes)),
                         [](const auto& info) {
                           const DateTime& t = std::get<1>(info.param);
                           char time[16];
                           std::snprintf(time, sizeof time, "%02d%02d%02d", t.hour, t.minute,
                                         t.second);
                           return std::string(std::get<0>(info.param).name) + "_" + time;
                         });

}  // namespace
}  // namespace hc

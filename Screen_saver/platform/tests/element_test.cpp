#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/window.h"

namespace hc {
namespace {

TEST(FontSize, ReadsBackTheSizeInEffect) {
  struct Case {
    double asked, effective;
  };
  for (const Case c : {Case{20, 20.25},
                       {14, 14.25},
                       {30, 30},
                       {15, 15},
                       {21, 21},
                       {19.6, 19.5},
                       {8.25, 8.25},
                       {0, 0.75},
                       {-4, 0.75}}) {
    Font f("Tahoma", 10);
    f.SetSize(c.asked);
    EXPECT_DOUBLE_EQ(f.Size(), c.effective) << "asked " << c.asked;
  }
}

class OptionsAndBoxes : public ::testing::Test {
 protected:
  Window window{"Form2"};
  Frame& frame_a = window.Add<Frame>("Frame", 0);
  Frame& frame_b = window.Add<Frame>("Frame", 1);
  OptionButton& a0 = window.Add<OptionButton>("optA", 0, &frame_a);
  OptionButton& a1 = window.Add<OptionButton>("optA", 1, &frame_a);
  OptionButton& b0 = window.Add<OptionButton>("optB", 0, &frame_b);
  CheckBox& box = window.Add<CheckBox>("chk", 0, &frame_a);
  std::vector<std::string> log;

  void SetUp() override {
    ElementArray<OptionButton> opt_a;
    opt_a.Put(0, a0);
    opt_a.Put(1, a1);
    opt_a.OnClick([this](int i) {
      log.push_back("a" + std::to_string(i) + (a0.Value() ? "+" : "-") + (a1.Value() ? "+" : "-"));
    });
    b0.on_click = [this] { log.push_back("b0"); };
    box.on_click = [this] { log.push_back("box" + std::to_string(box.Value())); };
  }
};

TEST_F(OptionsAndBoxes, SelectingFromCodeRunsTheHandlerBeforeReturningAndClearsSiblingsFirst) {
  b0.SetValue(true);
  a0.SetValue(true);
  log.push_back("after");
  a1.SetValue(true);
  EXPECT_EQ(log, (std::vector<std::string>{"b0", "a0+-", "after", "a1-+"}));
  EXPECT_TRUE(b0.Value()) << "an option in another frame is another group";
}

TEST_F(OptionsAndBoxes, ReselectingRunsTheHandlerAgainButClearingRunsNone) {
  a0.SetValue(true);
  a0.SetValue(true);
  a0.SetValue(false);
  EXPECT_EQ(log, (std::vector<std::string>{"a0+-", "a0+-"}));
  EXPECT_FALSE(a0.Value());
}

TEST_F(OptionsAndBoxes, CheckBoxRunsItsHandlerOnlyWhenItsStateChanges) {
  box.SetValue(1);
  box.SetValue(1);
  box.SetValue(0);
  box.UserClick();
  EXPECT_EQ(log, (std::vector<std::string>{"box1", "box0", "box1"}));
}

TEST_F(OptionsAndBoxes, DisabledElementsTakeNoUserClicks) {
  box.SetEnabled(false);
  a0.SetEnabled(false);
  box.UserClick();
  a0.UserClick();
  EXPECT_TRUE(log.empty());
  box.SetValue(1);  // code still may
  EXPECT_EQ(log, std::vector<std::string>{"box1"});
}

struct Recorder : WindowObserver {
  std::vector<RectTwips> areas;
  int stacking = 0;
  void ElementChanged(Element& e, const RectTwips& before) override {
    areas.push_back(before.United(e.ShownExtent()));
  }
  void WindowChanged() override {}
  void VisibilityChanged() override {}
  void StackingChanged() override { ++stacking; }
};

TEST(ElementChanges, ReportTheAreaCoveredBeforeAndAfter) {
  Window w("Form1");
  Recorder rec;
  w.SetObserver(&rec);
  Label& label = w.Add<Label>("lbl");
  label.Move(100, 200, 300, 150);
  rec.areas.clear();
  label.SetLeft(1000);
  ASSERT_EQ(rec.areas.size(), 1u);
  EXPECT_EQ(rec.areas[0], (RectTwips{100, 200, 1200, 150}));

  label.SetVisible(false);
  rec.areas.clear();
  label.SetLeft(5000);  // hidden: nothing to repaint
  EXPECT_TRUE(rec.areas[0].Empty());
}

// A property set again to what it holds repaints nothing: the clock re-sets its captions
// and hands every second, mostly to the same values.
TEST(ElementChanges, SettingTheValueHeldTellsNothing) {
  Window w("Form1");
  Label& label = w.Add<Label>("lbl");
  Line& line = w.Add<Line>("LineS", 0);
  Shape& shape = w.Add<Shape>("ShapeS", 0);
  Image& image = w.Add<Image>("Pict", 0);
  Recorder rec;
  w.SetObserver(&rec);
  struct Case {
    const char* what;
    std::function<void()> set;
  };
  const Picture picture = std::make_shared<PictureData>(4, 4, "p");
  const Case cases[] = {
      {"text", [&] { label.SetText("12"); }},
      {"visible", [&] { label.SetVisible(false); }},
      {"move", [&] { label.Move(1, 2, 3, 4); }},
      {"left", [&] { label.SetLeft(7); }},
      {"fore colour", [&] { label.SetForeColor(Rgb(90, 90, 90)); }},
      {"font size", [&] { label.SetFontSize(20); }},
      {"font bold", [&] { label.SetFontBold(true); }},
      {"points", [&] { line.SetPoints(1, 2, 300, 400); }},
      {"x2", [&] { line.SetX2(9); }},
      {"line width", [&] { line.SetLineWidth(3); }},
      {"border width", [&] { shape.SetBorderWidth(4); }},
      {"fill colour", [&] { shape.SetFillColor(Rgb(1, 2, 3)); }},
      {"picture", [&] { image.SetPicture(picture); }},
  };
  for (const Case& c : cases) {
    rec.areas.clear();
    c.set();
    c.set();
    EXPECT_EQ(rec.areas.size(), 1u) << c.what;
  }
}

TEST(ElementChanges, TimersAreToldOfEverySetAsItRestartsTheirCount) {
  Window w("Form1");
  Timer& timer = w.Add<Timer>("Timer4");
  Recorder rec;
  w.SetObserver(&rec);
  timer.SetInterval(1000);
  timer.SetInterval(1000);
  timer.SetEnabled(true);
  EXPECT_EQ(rec.areas.size(), 3u);
}

TEST_F(OptionsAndBoxes, ReselectingTellsNothingButStillRunsTheHandler) {
  Recorder rec;
  window.SetObserver(&rec);
  a0.SetValue(true);
  rec.areas.clear();
  log.clear();
  a0.SetValue(true);
  EXPECT_TRUE(rec.areas.empty());
  EXPECT_EQ(log, std::vector<std::string>{"a0+-"});
}

TEST(ElementChanges, ExtentsFollowContainersAndLineWidths) {
  Window w("Form2");
  Frame& frame = w.Add<Frame>("Frame");
  frame.Move(120, 360, 2415, 975);
  OptionButton& opt = w.Add<OptionButton>("opt", -1, &frame);
  opt.Move(120, 240, 1935, 375);
  EXPECT_EQ(opt.Extent(), (RectTwips{240, 600, 1935, 375}));

  Line& line = w.Add<Line>("LineS", 0);
  line.SetLineWidth(4);
  line.SetPoints(300, 300, 0, 0);
  const double pad = 3 * kTwipsPerPixel;  // half the width and a pixel of slack
  EXPECT_EQ(line.Extent(), (RectTwips{-pad, -pad, 300 + 2 * pad, 300 + 2 * pad}));
}

TEST(Stacking, FrontAndBackMoveWithinTheOrder) {
  Window w("Form1");
  Shape& s1 = w.Add<Shape>("ShapeS", 1);
  Line& l0 = w.Add<Line>("LineS", 0);
  Label& t0 = w.Add<Label>("lblS", 0);
  w.BringToFront(s1);
  w.SendToBack(t0);
  EXPECT_EQ(w.Stacking(), (std::vector<Element*>{&t0, &l0, &s1}));
  EXPECT_EQ(w.Find("LineS", 0), &l0);
  EXPECT_EQ(w.Find("LineS", 1), nullptr);
}

TEST(TimerInterval, IsCutToTheLongestATimerHolds) {
  Window w("Form1");
  Timer& t = w.Add<Timer>("Timer4");
  t.SetInterval(std::int64_t{1} << 40);
  EXPECT_EQ(t.Interval(), kMaxTimerInterval);
  t.SetInterval(-5);
  EXPECT_EQ(t.Interval(), 0);
  EXPECT_FALSE(t.Running());
}

}  // namespace
}  // namespace hc

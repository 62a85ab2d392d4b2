// The rules every backend shares: pixel rounding, picture placement, stacking changes,
// hit testing, clicks, key routing and the end of delivery.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/delivery.h"
#include "model/hit_test.h"
#include "model/picture_fit.h"
#include "model/pixels.h"
#include "model/stacking_change.h"
#include "model/window.h"

namespace hc {
namespace {

constexpr double T(int px) {
  return px * kTwipsPerPixel;
}

TEST(Pixels, EdgesRoundOneByOneAndDirtyAreasGrowOutward) {
  // Two boxes that meet in twips meet in pixels, whatever the rounding of their sizes.
  const PixelBox a = PixelsOf({0, 0, 22, 22}), b = PixelsOf({22, 0, 22, 22});
  EXPECT_EQ(a, (PixelBox{0, 0, 1, 1}));
  EXPECT_EQ(a.Right(), b.left);
  EXPECT_EQ(PixelsOf({7, 7, 30, 30}), (PixelBox{0, 0, 2, 2})) << "7.5 px rounds to 0 and 37 to 2";
  EXPECT_EQ(DirtyPixelsOf({16, 16, 28, 28}), (PixelBox{-1, -1, 6, 6}))
      << "1.07..2.93 px: outward to 1..3, then two more each side";
  EXPECT_TRUE(DirtyPixelsOf({10, 10, 0, 5}).Empty());
  // On a screen of twice the density, pixels of 7.5 twips: the same rules, twice the pixels.
  EXPECT_EQ(PixelsOf({7, 7, 30, 30}, 7.5), (PixelBox{1, 1, 4, 4}))
      << "0.93 px rounds to 1, 4.93 to 5";
  EXPECT_EQ(DirtyPixelsOf({16, 16, 28, 28}, 7.5), (PixelBox{0, 0, 8, 8})) << "2.13..5.87 px";
  EXPECT_EQ(Px(1080, 10), 108) << "a 1080-twip circle at 144 dpi";
  EXPECT_TRUE((PixelBox{0, 0, 4, 4}).Contains(3, 3));
  EXPECT_FALSE((PixelBox{0, 0, 4, 4}).Contains(4, 0)) << "the right edge is outside";
}

TEST(PictureTarget, PlacesThePictureInItsBox) {
  struct Case {
    int box_w, box_h, pic_w, pic_h;
    bool stretch, centre_fit;
    PixelBox expected;
  };
  const Case cases[] = {
      {49, 49, 20, 10, false, false, {0, 0, 20, 10}},
      {49, 49, 98, 98, false, false, {0, 0, 98, 98}},
      {49, 49, 20, 10, true, false, {0, 0, 49, 49}},
      {49, 49, 20, 10, false, true, {14, 19, 20, 10}},
      {49, 49, 98, 49, false, true, {0, 12, 49, 24}},
      {49, 49, 10, 98, false, true, {22, 0, 5, 49}},
      {49, 49, 98, 49, true, true, {0, 0, 49, 49}},
      {49, 49, 65535, 65535, false, true, {0, 0, 49, 49}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PictureTarget(c.box_w, c.box_h, c.pic_w, c.pic_h, c.stretch, c.centre_fit),
              c.expected)
        << c.pic_w << "x" << c.pic_h << " stretch " << c.stretch << " fit " << c.centre_fit;
}

class Drawn : public ::testing::Test {
 protected:
  Window window{"Form1"};
  Shape& back = window.Add<Shape>("back");
  Shape& middle = window.Add<Shape>("middle");
  Line& line = window.Add<Line>("line");
  Frame& frame = window.Add<Frame>("frame");
  Shape& in_frame = window.Add<Shape>("in_frame", -1, &frame);
  Shape& front = window.Add<Shape>("front");
  std::vector<std::string> clicked;

  Drawn() {
    for (Shape* s : {&back, &middle, &front, &in_frame}) {
      s->Move(T(10), T(10), T(20), T(20));
      s->on_click = [this, s] { clicked.push_back(s->Name()); };
    }
    frame.Move(T(100), T(100), T(50), T(50));
    line.SetX1(T(0));
    line.SetY1(T(0));
    line.SetX2(T(50));
    line.SetY2(T(50));
    line.on_click = [this] { clicked.push_back("line"); };
  }
};

TEST_F(Drawn, TheStackingChangeNamesTheOneElementThatMoved) {
  const std::vector<Element*> before = window.Stacking();
  EXPECT_EQ(OneMoved(before, before), nullptr) << "nothing moved";
  window.BringToFront(back);
  EXPECT_EQ(OneMoved(before, window.Stacking()), &back);
  const std::vector<Element*> one_moved = window.Stacking();
  window.SendToBack(front);
  EXPECT_EQ(OneMoved(before, window.Stacking()), std::nullopt) << "two moved: paint them all";
  EXPECT_EQ(OneMoved(one_moved, window.Stacking()), &front);
  window.Add<Shape>("new");
  EXPECT_EQ(OneMoved(before, window.Stacking()), std::nullopt) << "another count";
}

TEST_F(Drawn, TheClickGoesToTheTopmostDrawnElementThatTakesIt) {
  EXPECT_EQ(ClickTarget(window, nullptr, 15, 15), &front);
  front.SetVisible(false);
  EXPECT_EQ(ClickTarget(window, nullptr, 15, 15), &middle) << "hidden ones take no clicks";
  middle.SetEnabled(false);
  EXPECT_EQ(ClickTarget(window, nullptr, 15, 15), &back) << "nor disabled ones";
  back.on_click = nullptr;
  EXPECT_EQ(ClickTarget(window, nullptr, 15, 15), nullptr) << "nor ones without a handler";
  EXPECT_EQ(ClickTarget(window, nullptr, 2, 2), nullptr) << "lines take none";
  EXPECT_EQ(ClickTarget(window, &frame, 15, 15), &in_frame) << "frames have their own surface";
  EXPECT_EQ(ClickTarget(window, nullptr, 30, 15), nullptr) << "outside every box";
  EXPECT_TRUE(DrawnOn(in_frame, &frame));
  EXPECT_FALSE(DrawnOn(frame, nullptr)) << "a frame is a window of its own";
}

TEST(ClickTracker, AClickIsAPressAndAReleaseOnTheSameElement) {
  Window window{"w"};
  Shape& a = window.Add<Shape>("a");
  Shape& b = window.Add<Shape>("b");
  ClickTracker tracker;
  tracker.Press(&a);
  EXPECT_EQ(tracker.Release(&a), &a);
  EXPECT_EQ(tracker.Release(&a), nullptr) << "one press, one click";
  tracker.Press(&a);
  EXPECT_EQ(tracker.Release(&b), nullptr) << "released elsewhere";
  tracker.Press(nullptr);
  EXPECT_EQ(tracker.Release(&a), nullptr);
}

class Keys : public ::testing::Test {
 protected:
  Window clock{"Form1"};
  Window dialog{"Form2"};
  Button& save = dialog.Add<Button>("save");
  Button& cancel = dialog.Add<Button>("cancel");
  Button& other = dialog.Add<Button>("other");
  bool ended = false;
  Delivery delivery{[this] { return ended; }};
  std::vector<std::string> log;

  Keys() {
    save.SetDefault(true);
    cancel.SetCancel(true);
    for (Button* b : {&save, &cancel, &other})
      b->on_click = [this, b] { log.push_back(b->Name()); };
    clock.on_key_press = [this](std::uint16_t c) { log.push_back("key " + std::to_string(c)); };
    dialog.Show();
  }
};

TEST_F(Keys, EachKeyGoesWhereItsWindowTakesIt) {
  struct Case {
    const char* name;
    bool to_clock;
    std::uint16_t character;  // 0: a key that makes none
    const Element* focused;
    bool taken;
    std::string delivered;
  };
  const Case cases[] = {
      {"letter to the clock", true, 'a', nullptr, true, "key 97"},
      {"Enter to the clock", true, 13, nullptr, true, "key 13"},
      {"Shift to the clock", true, 0, nullptr, false, ""},
      {"Enter in the dialog", false, 13, nullptr, true, "save"},
      {"Escape in the dialog", false, 27, nullptr, true, "cancel"},
      {"Enter on a focused button", false, 13, &other, true, "other"},
      {"Escape on a focused button", false, 27, &other, true, "cancel"},
      {"a letter in the dialog", false, 'x', nullptr, false, ""},
  };
  for (const Case& c : cases) {
    log.clear();
    const std::optional<std::uint16_t> character =
        c.character ? std::optional<std::uint16_t>(c.character) : std::nullopt;
    EXPECT_EQ(delivery.KeyPress(c.to_clock ? clock : dialog, KeyKindOf(c.character), character,
                                c.focused),
              c.taken)
        << c.name;
    EXPECT_EQ(log, c.delivered.empty() ? std::vector<std::string>{}
                                       : std::vector<std::string>{c.delivered})
        << c.name;
  }
}

TEST_F(Keys, OnlyShownEnabledButtonsArePressedByKeys) {
  save.SetEnabled(false);
  EXPECT_FALSE(delivery.KeyPress(dialog, KeyKind::kEnter, 13, nullptr));
  cancel.SetVisible(false);
  EXPECT_FALSE(delivery.KeyPress(dialog, KeyKind::kEscape, 27, nullptr));
  EXPECT_TRUE(log.empty());
}

TEST_F(Keys, NothingIsDeliveredOnceTheProgramHasEnded) {
  Timer& timer = clock.Add<Timer>("Timer4");
  TextBox& box = dialog.Add<TextBox>("txt");
  timer.on_tick = [this] { log.push_back("tick"); };
  clock.on_mouse_move = [this] { log.push_back("move"); };
  dialog.on_close_request = [this] { log.push_back("close"); };
  box.on_change = [this] { log.push_back("edit"); };

  const auto deliver_all = [&] {
    delivery.Tick(timer);
    delivery.MouseMove(clock);
    delivery.CloseRequest(dialog);
    delivery.Click(save);
    delivery.Edit(box, "typed");
    delivery.Run([this] { log.push_back("run"); });
    return delivery.KeyPress(clock, KeyKind::kOther, 'q', nullptr);
  };
  EXPECT_TRUE(deliver_all());
  EXPECT_EQ(log,
            (std::vector<std::string>{"tick", "move", "close", "save", "edit", "run", "key 113"}));
  log.clear();
  ended = true;
  EXPECT_TRUE(deliver_all()) << "a key after the end is swallowed, not passed on";
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(box.Text(), "typed");
}

TEST_F(Keys, AWindowInAHostTakesNoInputButTicksAndResizes) {
  Timer& timer = clock.Add<Timer>("Timer4");
  timer.on_tick = [this] { log.push_back("tick"); };
  clock.on_mouse_move = [this] { log.push_back("move"); };
  clock.on_resize = [this] { log.push_back("resize"); };
  delivery.SetInputAccepted(false);
  EXPECT_TRUE(delivery.KeyPress(clock, KeyKind::kOther, 'q', nullptr)) << "swallowed";
  delivery.MouseMove(clock);
  delivery.Click(save);
  delivery.Tick(timer);
  delivery.Resize(clock, 9000, 6000);
  EXPECT_EQ(log, (std::vector<std::string>{"tick", "resize"}));
  EXPECT_EQ(clock.Width(), 9000);
  EXPECT_EQ(clock.Height(), 6000);
  ended = true;
  delivery.Resize(clock, 100, 100);
  EXPECT_EQ(clock.Width(), 9000) << "nothing after the end";
}

}  // namespace
}  // namespace hc

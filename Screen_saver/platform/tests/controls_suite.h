#pragma once
// What every backend's controls must do, written once: what the user does in a control
// reaches the model, and the control shows what the model holds.
//
// A backend's test runs it with INSTANTIATE_TYPED_TEST_SUITE_P(Name, ControlsSuite, Adapter),
// where the adapter, made afresh for each test, has:
//   Window window;  the form the test adds its elements to
//   using Handle = ...;  the backend's handle of one control
//   void Show();  the window on screen with its controls made
//   Handle ControlOf(Element&);
//   void Sync();  what the window's view does once the model has changed
//   void Click(Handle);
//   void SecondClickOfADoubleClick(Handle);  the press the system reports as a double click
//   void Type(Handle, const std::string& keys);  one key after the other
//   std::string TextOf(Handle);  in UTF-8
//   int CheckOf(Handle);  0 clear, 1 ticked, 2 greyed
//   Bounds BoundsOf(Handle);  in pixels of the window's client area
//   bool Enabled(Handle); bool Visible(Handle);

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/element.h"
#include "model/units.h"
#include "model/window.h"

namespace hc::controls_suite {

struct Bounds {
  int left, top, right, bottom;
  bool operator==(const Bounds&) const = default;
  friend void PrintTo(const Bounds& b, std::ostream* os) {
    *os << "(" << b.left << ", " << b.top << ")-(" << b.right << ", " << b.bottom << ")";
  }
};

// Pixels in twips, for element positions.
inline double T(int pixels) {
  return pixels * kTwipsPerPixel;
}

template <class Adapter>
class ControlsSuite : public ::testing::Test {
 protected:
  Adapter ui;
  Window& window = ui.window;
  std::vector<std::string> heard;
};

TYPED_TEST_SUITE_P(ControlsSuite);

TYPED_TEST_P(ControlsSuite, ShowTextPlaceStateAndVisibilityOfTheirElement) {
  auto& ui = this->ui;
  std::vector<TextElement*> elements{&this->window.template Add<TextBox>("box"),
                                     &this->window.template Add<OptionButton>("option"),
                                     &this->window.template Add<CheckBox>("check"),
                                     &this->window.template Add<Button>("button")};
  struct Look {
    std::string text;
    int left, top, width, height;
    bool enabled, visible;
  };
  const Look looks[] = {
      {"&Save \xD0\x9F\xD1\x80\xD0\xB8", 10, 20, 120, 25, true, true},
      {"", 200, 40, 60, 30, false, true},
      {"hidden", 5, 5, 50, 20, true, false},
  };
  ui.Show();
  std::vector<typename TypeParam::Handle> made;
  for (TextElement* e : elements) made.push_back(ui.ControlOf(*e));
  for (const Look& look : looks) {
    for (TextElement* e : elements) {
      e->SetText(look.text);
      e->Move(T(look.left), T(look.top), T(look.width), T(look.height));
      e->SetEnabled(look.enabled);
      e->SetVisible(look.visible);
    }
    ui.Sync();
    for (std::size_t i = 0; i < made.size(); ++i) {
      SCOPED_TRACE(elements[i]->Name() + " showing \"" + look.text + "\"");
      EXPECT_EQ(ui.TextOf(made[i]), look.text);
      EXPECT_EQ(ui.BoundsOf(made[i]),
                (Bounds{look.left, look.top, look.left + look.width, look.top + look.height}));
      EXPECT_EQ(ui.Enabled(made[i]), look.enabled);
      EXPECT_EQ(ui.Visible(made[i]), look.visible);
    }
  }
}

TYPED_TEST_P(ControlsSuite, TypingEditsTheModelButTextFromTheModelIsNoEdit) {
  auto& ui = this->ui;
  auto& heard = this->heard;
  TextBox& box = this->window.template Add<TextBox>("box");
  box.Move(T(10), T(10), T(200), T(25));
  box.on_change = [&] { heard.push_back(box.Text()); };
  ui.Show();
  const auto edit = ui.ControlOf(box);
  ui.Type(edit, "5,");
  EXPECT_EQ(heard, (std::vector<std::string>{"5", "5,"}));
  EXPECT_EQ(box.Text(), "5,");

  heard.clear();
  box.SetText("12");
  ui.Sync();
  EXPECT_EQ(ui.TextOf(edit), "12");
  EXPECT_TRUE(heard.empty());

  // A handler that rewrites the text wins over what was typed.
  box.on_change = [&] {
    if (box.Text().size() > 3) box.SetText("full");
  };
  ui.Type(edit, "34");
  EXPECT_EQ(box.Text(), "full");
  EXPECT_EQ(ui.TextOf(edit), "full");

  box.SetReadOnly(true);
  ui.Sync();
  ui.Type(edit, "y");
  EXPECT_EQ(box.Text(), "full");
  EXPECT_EQ(ui.TextOf(edit), "full");
}

TYPED_TEST_P(ControlsSuite, OptionButtonsAreExclusiveThroughTheModel) {
  auto& ui = this->ui;
  auto& heard = this->heard;
  OptionButton& a = this->window.template Add<OptionButton>("opt", 0);
  OptionButton& b = this->window.template Add<OptionButton>("opt", 1);
  a.Move(T(10), T(20), T(150), T(20));
  b.Move(T(10), T(50), T(150), T(20));
  a.on_click = [&] { heard.push_back("a"); };
  b.on_click = [&] { heard.push_back("b"); };
  a.SetValue(true);
  ui.Show();
  const auto qa = ui.ControlOf(a);
  const auto qb = ui.ControlOf(b);
  EXPECT_EQ(ui.CheckOf(qa), 1);
  EXPECT_EQ(ui.CheckOf(qb), 0);

  heard.clear();
  ui.Click(qb);
  EXPECT_TRUE(b.Value());
  EXPECT_FALSE(a.Value());
  // The clicked one shows it at once; the other once the view syncs what changed.
  EXPECT_EQ(ui.CheckOf(qb), 1);
  ui.Sync();
  EXPECT_EQ(ui.CheckOf(qa), 0);

  // Clicked again, the selected option stays selected and its handler runs again; a double
  // click is two clicks.
  ui.Click(qb);
  EXPECT_TRUE(b.Value());
  EXPECT_EQ(ui.CheckOf(qb), 1);
  ui.SecondClickOfADoubleClick(qb);
  EXPECT_TRUE(b.Value());
  EXPECT_EQ(ui.CheckOf(qb), 1);
  EXPECT_EQ(heard, (std::vector<std::string>{"b", "b", "b"}));
}

TYPED_TEST_P(ControlsSuite, CheckBoxTogglesInTheModelAndShowsGreyedOnlyFromIt) {
  auto& ui = this->ui;
  CheckBox& check = this->window.template Add<CheckBox>("check");
  check.Move(T(10), T(10), T(150), T(20));
  ui.Show();
  const auto q = ui.ControlOf(check);
  struct Step {
    std::function<void()> act;
    int value;
    int shown;
  };
  const Step steps[] = {
      {[&] { ui.Click(q); }, 1, 1},
      {[&] {
         check.SetValue(2);
         ui.Sync();
       },
       2, 2},
      {[&] { ui.Click(q); }, 1, 1},
      {[&] { ui.Click(q); }, 0, 0},
  };
  int n = 0;
  for (const Step& s : steps) {
    s.act();
    EXPECT_EQ(check.Value(), s.value) << "step " << n;
    EXPECT_EQ(ui.CheckOf(q), s.shown) << "step " << n;
    ++n;
  }
}

TYPED_TEST_P(ControlsSuite, ButtonsRunTheirClickHandlerWhileEnabled) {
  auto& ui = this->ui;
  auto& heard = this->heard;
  Button& button = this->window.template Add<Button>("button");
  button.Move(T(10), T(10), T(100), T(30));
  button.on_click = [&] { heard.push_back("save"); };
  ui.Show();
  const auto q = ui.ControlOf(button);
  ui.Click(q);
  button.SetEnabled(false);
  ui.Sync();
  ui.Click(q);
  EXPECT_EQ(heard, std::vector<std::string>{"save"});
}

REGISTER_TYPED_TEST_SUITE_P(ControlsSuite, ShowTextPlaceStateAndVisibilityOfTheirElement,
                            TypingEditsTheModelButTextFromTheModelIsNoEdit,
                            OptionButtonsAreExclusiveThroughTheModel,
                            CheckBoxTogglesInTheModelAndShowsGreyedOnlyFromIt,
                            ButtonsRunTheirClickHandlerWhileEnabled);

}  // namespace hc::controls_suite

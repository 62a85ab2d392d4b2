// Where Tab moves the focus: the window's tab order, only controls the user can reach, an
// option group as one stop.

#include "model/tab_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/window.h"

namespace hc {
namespace {

std::string NameOf(const Element* e) {
  if (!e) return "none";
  return e->Index() < 0 ? e->Name() : e->Name() + "(" + std::to_string(e->Index()) + ")";
}

// Tab pressed `count` times from `from`, the names of the elements reached.
std::vector<std::string> Walk(const Window& w, const Element* from, int count, bool backwards) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    from = NextTabStop(w, from, backwards);
    names.push_back(NameOf(from));
  }
  return names;
}

// A dialog made out of tab order: a path box made first, a label, two option groups in two
// frames, a check box, and two buttons.
class TabOrder : public ::testing::Test {
 protected:
  Window w{"dialog"};
  TextBox& path = w.Add<TextBox>("path");
  Frame& time_frame = w.Add<Frame>("Frame", 0);
  Frame& size_frame = w.Add<Frame>("Frame", 1);
  Label& caption = w.Add<Label>("caption");
  OptionButton& time0 = w.Add<OptionButton>("optT", 0, &time_frame);
  OptionButton& time1 = w.Add<OptionButton>("optT", 1, &time_frame);
  OptionButton& size0 = w.Add<OptionButton>("optS", 0, &size_frame);
  OptionButton& size1 = w.Add<OptionButton>("optS", 1, &size_frame);
  CheckBox& back = w.Add<CheckBox>("chk");
  Button& save = w.Add<Button>("save");
  Button& cancel = w.Add<Button>("cancel");
};

TEST_F(TabOrder, FollowsTheOrderGivenThenTheOrderMadeAndWrapsBothWays) {
  EXPECT_EQ(
      Walk(w, nullptr, 7, false),
      (std::vector<std::string>{"path", "optT(0)", "optS(0)", "chk", "save", "cancel", "path"}));
  w.SetTabOrder({&time0, &time1, &size0, &size1, &back, &path, &save, &cancel});
  EXPECT_EQ(
      Walk(w, nullptr, 7, false),
      (std::vector<std::string>{"optT(0)", "optS(0)", "chk", "path", "save", "cancel", "optT(0)"}));
  EXPECT_EQ(Walk(w, nullptr, 3, true), (std::vector<std::string>{"cancel", "save", "path"}));
  // From an element that takes no focus, as from none.
  EXPECT_EQ(NameOf(NextTabStop(w, &caption, false)), "optT(0)");
}

TEST_F(TabOrder, AnOptionGroupIsOneStopAtItsSelectedMember) {
  time1.SetValue(true);
  EXPECT_EQ(Walk(w, nullptr, 3, false), (std::vector<std::string>{"path", "optT(1)", "optS(0)"}));
  // The focus on a member that is not the group's stop (moved there by the arrow keys)
  // leaves the group in either direction.
  EXPECT_EQ(NameOf(NextTabStop(w, &time0, false)), "optS(0)");
  EXPECT_EQ(NameOf(NextTabStop(w, &time0, true)), "path");
  EXPECT_EQ(NameOf(NextTabStop(w, &size1, true)), "optT(1)");
}

TEST_F(TabOrder, SkipsWhatIsHiddenDisabledOrInAHiddenContainer) {
  path.SetEnabled(false);
  size_frame.SetVisible(false);
  save.SetVisible(false);
  time0.SetEnabled(false);
  EXPECT_EQ(Walk(w, nullptr, 4, false),
            (std::vector<std::string>{"optT(1)", "chk", "cancel", "optT(1)"}));
  for (Element* e : w.TabOrder()) e->SetEnabled(false);
  EXPECT_EQ(NextTabStop(w, nullptr, false), nullptr);
}

}  // namespace
}  // namespace hc

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
//   std::vector<std::string> ItemsOf(Handle);  the lines of a list, top first
//   int SelectedOf(Handle);  the line chosen, or -1
//   void ClickItem(Handle, int index); void DoubleClickItem(Handle, int index);
//     as the mouse does: a double click is a click, then a press reported as a double click
//   void RunPutOff();  work the backend put off until the message at hand is done

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "fake/test_folder.h"
#include "files.h"
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

  // A read-only box takes no typing, with no handler there to undo it.
  box.on_change = [&] { heard.push_back(box.Text()); };
  heard.clear();
  box.SetReadOnly(true);
  ui.Sync();
  ui.Type(edit, "y");
  EXPECT_EQ(box.Text(), "full");
  EXPECT_EQ(ui.TextOf(edit), "full");
  EXPECT_TRUE(heard.empty());
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

// A folder with subfolders, one of them hidden, and files of several kinds, for the lists.
class ListFolder {
 public:
  ListFolder() {
    for (const char* sub : {"b pics", "A", ".hidden"})
      std::filesystem::create_directory(path / sub);
    for (const char* file : {"one.GIF", "two.jpg", "notes.txt"}) std::ofstream(path / file) << "x";
  }
  ListFolder(const ListFolder&) = delete;
  ListFolder& operator=(const ListFolder&) = delete;
  ~ListFolder() { std::filesystem::remove_all(path); }

  const std::filesystem::path path = fake::FreshTestFolder("hc_lists_");
  const std::string root = files::Utf8Of(path);
};

TYPED_TEST_P(ControlsSuite, FolderListShowsTheOpenFoldersThenTheClosedOnesAndOpensOnDoubleClick) {
  auto& ui = this->ui;
  auto& heard = this->heard;
  const ListFolder folder;
  DirList& dirs = this->window.template Add<DirList>("dirs");
  dirs.Move(T(0), T(0), T(300), T(280));
  dirs.on_change = [&] { heard.push_back(dirs.Path()); };
  dirs.SetPath(folder.root);
  heard.clear();
  ui.Show();
  const auto list = ui.ControlOf(dirs);

  // The folders from the root down, each a step further in, then the subfolders by name.
  std::vector<std::string> open;
  for (auto p = folder.path; p != p.root_path(); p = p.parent_path())
    open.insert(open.begin(), files::Utf8Of(p.filename()));
  open.insert(open.begin(), files::Utf8Of(folder.path.root_path()));
  std::vector<std::string> expected;
  for (std::size_t depth = 0; depth < open.size(); ++depth)
    expected.push_back(std::string(2 * depth, ' ') + open[depth]);
  const std::string inside(2 * open.size(), ' ');
  expected.push_back(inside + "A");
  expected.push_back(inside + "b pics");
  EXPECT_EQ(ui.ItemsOf(list), expected);
  EXPECT_EQ(ui.SelectedOf(list), static_cast<int>(open.size() - 1));

  // The folder opens once the list is done with the double click, not under it.
  ui.DoubleClickItem(list, static_cast<int>(expected.size() - 1));
  EXPECT_EQ(dirs.Path(), folder.root);
  ui.RunPutOff();
  const std::string pics = files::Utf8Of(folder.path / "b pics");
  EXPECT_EQ(dirs.Path(), pics);
  EXPECT_EQ(heard, std::vector<std::string>{pics});
  ui.Sync();
  EXPECT_EQ(ui.ItemsOf(list).back(), inside + "b pics");
  EXPECT_EQ(ui.ItemsOf(list).size(), open.size() + 1);

  // A single click opens nothing.
  ui.ClickItem(list, 0);
  ui.RunPutOff();
  EXPECT_EQ(dirs.Path(), pics);
}

TYPED_TEST_P(ControlsSuite, FileListShowsMatchingFilesAndChoosesOnClick) {
  auto& ui = this->ui;
  auto& heard = this->heard;
  const ListFolder folder;
  FileList& file_list = this->window.template Add<FileList>("files");
  file_list.Move(T(0), T(0), T(200), T(280));
  file_list.SetPath(folder.root);
  file_list.SetPattern("*.gif;*.jpg");
  file_list.SetFileName("two.jpg");
  file_list.on_click = [&] { heard.push_back("click " + file_list.FileName()); };
  file_list.on_double_click = [&] { heard.push_back("double " + file_list.FileName()); };
  ui.Show();
  const auto list = ui.ControlOf(file_list);
  EXPECT_EQ(ui.ItemsOf(list), (std::vector<std::string>{"one.GIF", "two.jpg"}));
  EXPECT_EQ(ui.SelectedOf(list), 1);

  ui.DoubleClickItem(list, 0);
  EXPECT_EQ(file_list.FileName(), "one.GIF");
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.front(), "click one.GIF");
  EXPECT_EQ(heard.back(), "double one.GIF");

  struct Change {
    std::function<void()> apply;
    std::vector<std::string> shown;
    int selected;
  };
  const Change changes[] = {
      // Another pattern: the name chosen is no longer among those shown.
      {[&] { file_list.SetPattern("*.TXT"); }, {"notes.txt"}, -1},
      {[&] { file_list.SetFileName("notes.txt"); }, {"notes.txt"}, 0},
      // Another folder: nothing is chosen in it.
      {[&] { file_list.SetPath(files::Utf8Of(folder.path / "A")); }, {}, -1},
  };
  int n = 0;
  for (const Change& c : changes) {
    c.apply();
    ui.Sync();
    EXPECT_EQ(ui.ItemsOf(list), c.shown) << "change " << n;
    EXPECT_EQ(ui.SelectedOf(list), c.selected) << "change " << n;
    ++n;
  }
}

REGISTER_TYPED_TEST_SUITE_P(ControlsSuite, ShowTextPlaceStateAndVisibilityOfTheirElement,
                            TypingEditsTheModelButTextFromTheModelIsNoEdit,
                            OptionButtonsAreExclusiveThroughTheModel,
                            CheckBoxTogglesInTheModelAndShowsGreyedOnlyFromIt,
                            ButtonsRunTheirClickHandlerWhileEnabled,
                            FolderListShowsTheOpenFoldersThenTheClosedOnesAndOpensOnDoubleClick,
                            FileListShowsMatchingFilesAndChoosesOnClick);

}  // namespace hc::controls_suite

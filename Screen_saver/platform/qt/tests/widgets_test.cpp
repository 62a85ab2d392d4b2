// Windowed elements: what the user does in them reaches the model, and they show the model.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <fstream>

#include "qt_fixture.h"

namespace hc::qt {
namespace {

class Widgets : public QtFixture {
 protected:
  template <class W>
  W* WidgetAt(int x, int y) {
    // The widget under the point may be a part of the one wanted, such as a list's viewport.
    for (QWidget* w = ViewOf(app, window)->childAt(x, y); w; w = w->parentWidget())
      if (auto* wanted = qobject_cast<W*>(w)) return wanted;
    return nullptr;
  }
  std::vector<std::string> heard;
};

TEST_F(Widgets, TypingEditsTheModelButCodeChangesDoNotCountAsEdits) {
  TextBox& box = window.Add<TextBox>("box");
  box.Move(T(10), T(10), T(200), T(25));
  box.on_change = [&] { heard.push_back(box.Text()); };
  Open();
  auto* edit = WidgetAt<QLineEdit>(20, 20);
  ASSERT_NE(edit, nullptr);
  QTest::keyClicks(edit, "5,");
  EXPECT_EQ(heard, (std::vector<std::string>{"5", "5,"}));

  heard.clear();
  box.SetText("12");
  EXPECT_EQ(edit->text(), "12");
  EXPECT_TRUE(heard.empty());

  // A handler that rewrites the text wins over what was typed.
  box.on_change = [&] {
    if (box.Text().size() > 3) box.SetText("full");
  };
  QTest::keyClicks(edit, "34");
  EXPECT_EQ(box.Text(), "full");
  EXPECT_EQ(edit->text(), "full");

  box.SetReadOnly(true);
  QTest::keyClicks(edit, "x");
  EXPECT_EQ(box.Text(), "full");
  EXPECT_EQ(edit->text(), "full");
}

// A window's widgets are made when it is first shown: what changed while it was hidden,
// and what was added meanwhile, is there and in its container.
TEST_F(Widgets, AWindowShownLateShowsWhatChangedWhileHidden) {
  Frame& frame = window.Add<Frame>("frame");
  frame.Move(T(10), T(10), T(200), T(100));
  CheckBox& box = window.Add<CheckBox>("box", -1, &frame);
  box.Move(T(10), T(20), T(150), T(25));
  app.Attach(window);
  box.SetValue(1);
  box.SetText("Ticked");
  TextBox& late = window.Add<TextBox>("late");
  late.Move(T(10), T(150), T(100), T(25));
  late.SetText("12");
  window.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(ViewOf(app, window)));

  auto* check = WidgetAt<QCheckBox>(30, 40);
  ASSERT_NE(check, nullptr);
  EXPECT_TRUE(check->isChecked());
  EXPECT_EQ(check->text(), "Ticked");
  auto* edit = WidgetAt<QLineEdit>(20, 160);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), "12");
}

TEST_F(Widgets, OptionButtonsAreExclusiveThroughTheModel) {
  Frame& frame = window.Add<Frame>("frame");
  frame.Move(T(10), T(10), T(200), T(100));
  OptionButton& a = window.Add<OptionButton>("opt", 0, &frame);
  OptionButton& b = window.Add<OptionButton>("opt", 1, &frame);
  a.Move(T(10), T(20), T(150), T(20));
  b.Move(T(10), T(50), T(150), T(20));
  a.on_click = [this] { heard.push_back("a"); };
  b.on_click = [this] { heard.push_back("b"); };
  a.SetValue(true);
  Open();
  auto* qa = WidgetAt<QRadioButton>(30, 40);
  auto* qb = WidgetAt<QRadioButton>(30, 70);
  ASSERT_TRUE(qa && qb);
  EXPECT_TRUE(qa->isChecked());

  heard.clear();
  QTest::mouseClick(qb, Qt::LeftButton);
  EXPECT_TRUE(b.Value());
  EXPECT_FALSE(a.Value());
  EXPECT_FALSE(qa->isChecked());
  EXPECT_TRUE(qb->isChecked());
  // Clicking the selected option again keeps it selected and runs its handler again.
  QTest::mouseClick(qb, Qt::LeftButton);
  EXPECT_TRUE(qb->isChecked());
  EXPECT_EQ(heard, (std::vector<std::string>{"b", "b"}));
}

TEST_F(Widgets, CheckBoxTogglesInTheModelAndShowsGreyed) {
  CheckBox& check = window.Add<CheckBox>("check");
  check.Move(T(10), T(10), T(150), T(20));
  Open();
  auto* q = WidgetAt<QCheckBox>(20, 20);
  ASSERT_NE(q, nullptr);
  struct Step {
    std::function<void()> act;
    int value;
    Qt::CheckState shown;
  };
  const Step steps[] = {
      {[&] { QTest::mouseClick(q, Qt::LeftButton); }, 1, Qt::Checked},
      {[&] { check.SetValue(2); }, 2, Qt::PartiallyChecked},
      {[&] { QTest::mouseClick(q, Qt::LeftButton); }, 1, Qt::Checked},
      {[&] { QTest::mouseClick(q, Qt::LeftButton); }, 0, Qt::Unchecked},
  };
  int n = 0;
  for (const Step& s : steps) {
    s.act();
    EXPECT_EQ(check.Value(), s.value) << "step " << n;
    EXPECT_EQ(q->checkState(), s.shown) << "step " << n;
    ++n;
  }
}

// How many lines of text a widget shows right of `from_x`: bands of rows with dark pixels.
int TextLines(const QImage& image, int from_x) {
  int lines = 0;
  bool in_line = false;
  for (int y = 0; y < image.height(); ++y) {
    bool ink = false;
    for (int x = from_x; x < image.width() && !ink; ++x) ink = qGray(image.pixel(x, y)) < 96;
    if (ink && !in_line) ++lines;
    in_line = ink;
  }
  return lines;
}

TEST_F(Widgets, ACaptionLongerThanItsBoxGoesOnInAnotherLine) {
  OptionButton& option = window.Add<OptionButton>("option");
  CheckBox& check = window.Add<CheckBox>("check");
  struct Case {
    TextElement* element;
    const char* text;
    int lines;
  };
  const Case cases[] = {
      {&option, "Copy HalvekClock to the system folder (install later)", 2},
      {&option, "Back", 1},
      {&check, "Copy HalvekClock to the system folder (install later)", 2},
  };
  option.Move(T(10), T(10), T(180), T(40));
  check.Move(T(10), T(60), T(180), T(40));
  for (TextElement* e : {static_cast<TextElement*>(&option), static_cast<TextElement*>(&check)}) {
    e->SetBackColor(kWhite);
    e->SetForeColor(0);
  }
  Open();
  for (const Case& c : cases) {
    c.element->SetText(c.text);
    Settle();
    QWidget* widget = WidgetAt<QWidget>(20, c.element == &option ? 30 : 80);
    ASSERT_NE(widget, nullptr);
    // Right of the mark, which the style may draw dark.
    EXPECT_EQ(TextLines(widget->grab().toImage(), 24), c.lines) << c.text;
  }
}

TEST_F(Widgets, ButtonsFollowTheModel) {
  Button& button = window.Add<Button>("button");
  button.Move(T(10), T(10), T(100), T(30));
  button.SetText("&Save");
  button.on_click = [this] { heard.push_back("save"); };
  Open();
  auto* q = WidgetAt<QPushButton>(50, 25);
  ASSERT_NE(q, nullptr);
  EXPECT_EQ(q->text(), "&Save");
  QTest::mouseClick(q, Qt::LeftButton);
  button.SetEnabled(false);
  QTest::mouseClick(q, Qt::LeftButton);
  button.SetVisible(false);
  EXPECT_FALSE(q->isVisible());
  button.SetVisible(true);
  button.Move(T(200), T(100), T(60), T(20));
  EXPECT_EQ(q->geometry(), QRect(200, 100, 60, 20));
  EXPECT_EQ(heard, std::vector<std::string>{"save"});
}

// A double click is a click, then a second press reported as a double click.
void DoubleClick(QListWidget& list, QListWidgetItem& item) {
  const QPoint at = list.visualItemRect(&item).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
  // QTest keeps the button down after a double click until told otherwise.
  QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
}

class FileLists : public Widgets {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    const std::string root = folder.path().toStdString();
    for (const char* sub : {"b pics", "A", ".hidden"}) QDir(folder.path()).mkdir(sub);
    for (const char* file : {"one.GIF", "two.jpg", "notes.txt"})
      std::ofstream(root + "/" + file) << "x";
  }
  QTemporaryDir folder;
};

TEST_F(FileLists, FolderListOpensOnDoubleClickAndFileListFollowsThePattern) {
  const std::string root = folder.path().toStdString();
  DirList& dirs = window.Add<DirList>("dirs");
  dirs.Move(T(0), T(0), T(200), T(300));
  FileList& files = window.Add<FileList>("files");
  files.Move(T(200), T(0), T(200), T(300));
  files.SetPattern("*.gif;*.jpg");
  dirs.on_change = [&] { files.SetPath(dirs.Path()); };
  files.on_click = [&] { heard.push_back("click " + files.FileName()); };
  files.on_double_click = [&] { heard.push_back("double " + files.FileName()); };
  dirs.SetPath(root);
  Open();
  auto* dir_list = WidgetAt<QListWidget>(100, 100);
  auto* file_list = WidgetAt<QListWidget>(300, 100);
  ASSERT_TRUE(dir_list && file_list);

  QStringList file_names;
  for (int i = 0; i < file_list->count(); ++i) file_names << file_list->item(i)->text();
  EXPECT_EQ(file_names, (QStringList{"one.GIF", "two.jpg"}));
  const auto subs = [&] {
    QStringList names;
    for (int i = 0; i < dir_list->count(); ++i)
      if (dir_list->item(i)->data(Qt::UserRole).toString().startsWith(folder.path() + "/"))
        names << dir_list->item(i)->text().trimmed();
    return names;
  };
  EXPECT_EQ(subs(), (QStringList{"A", "b pics"}));

  DoubleClick(*file_list, *file_list->item(1));
  ASSERT_GE(heard.size(), 2u);
  EXPECT_EQ(heard.front(), "click two.jpg");
  EXPECT_EQ(heard.back(), "double two.jpg");

  const auto items = dir_list->findItems("b pics", Qt::MatchEndsWith);
  ASSERT_EQ(items.size(), 1);
  DoubleClick(*dir_list, *items.front());
  EXPECT_TRUE(QTest::qWaitFor([&] { return dirs.Path() == root + "/b pics"; }, 10000));
  EXPECT_EQ(files.Path(), root + "/b pics");
  EXPECT_EQ(file_list->count(), 0);
}

TEST_F(FileLists, DriveListOffersTheDriveItIsGiven) {
  DriveList& drives = window.Add<DriveList>("drives");
  drives.Move(T(0), T(0), T(200), T(25));
  drives.on_change = [&] { heard.push_back(drives.Drive()); };
  drives.SetDrive("/");
  Open();
  auto* combo = WidgetAt<QComboBox>(50, 10);
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->currentText(), "/");
  heard.clear();
  drives.SetDrive(folder.path().toStdString());
  EXPECT_EQ(combo->currentText(), folder.path());
  combo->setCurrentIndex(0);
  emit combo->activated(0);
  EXPECT_EQ(drives.Drive(), "/");
  EXPECT_EQ(heard, (std::vector<std::string>{folder.path().toStdString(), "/"}));
}

}  // namespace
}  // namespace hc::qt

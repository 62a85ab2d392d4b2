// Windowed elements: what the user does in them reaches the model, and they show the model.
// The rules every backend's controls share run from tests/controls_suite.h; what only this
// backend has stays here.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>

#include "qt_fixture.h"
#include "tests/controls_suite.h"

namespace hc::qt {
namespace {

// The suite's helpers, which its macros name unqualified.
using namespace controls_suite;
using controls_suite::T;

// The window's widgets, made when it is first shown; the model's changes reach them at once.
class QtControls {
 public:
  using Handle = QWidget*;

  QtControls() { window.Resize(T(400), T(300)); }

  void Show() {
    app.Attach(window);
    window.Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(ViewOf(app, window)));
  }
  Handle ControlOf(Element& e) {
    QWidget* w = WidgetOf(app, window, e);
    EXPECT_NE(w, nullptr) << e.Name();
    return w;
  }
  void Sync() { QApplication::processEvents(); }
  void Click(Handle c) { QTest::mouseClick(c, Qt::LeftButton); }
  void SecondClickOfADoubleClick(Handle c) {
    QTest::mouseDClick(c, Qt::LeftButton);
    // QTest keeps the button down after a double click until told otherwise.
    QTest::mouseRelease(c, Qt::LeftButton);
  }
  void Type(Handle c, const std::string& keys) {
    QTest::keyClicks(c, QString::fromStdString(keys));
  }
  std::string TextOf(Handle c) {
    if (auto* edit = qobject_cast<QLineEdit*>(c)) return edit->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(c)) return button->text().toStdString();
    ADD_FAILURE() << "no text in a " << c->metaObject()->className();
    return {};
  }
  int CheckOf(Handle c) {
    if (auto* check = qobject_cast<QCheckBox*>(c)) {
      const Qt::CheckState state = check->checkState();
      return state == Qt::PartiallyChecked ? 2 : state == Qt::Checked ? 1 : 0;
    }
    if (auto* option = qobject_cast<QRadioButton*>(c)) return option->isChecked() ? 1 : 0;
    ADD_FAILURE() << "no check mark in a " << c->metaObject()->className();
    return -1;
  }
  Bounds BoundsOf(Handle c) {
    const QRect r = c->geometry();
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
  }
  bool Enabled(Handle c) { return c->isEnabled(); }
  bool Visible(Handle c) { return c->isVisible(); }
  std::vector<std::string> ItemsOf(Handle c) {
    std::vector<std::string> items;
    if (auto* list = ListOf(c))
      for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text().toStdString());
    return items;
  }
  int SelectedOf(Handle c) {
    QListWidget* list = ListOf(c);
    return list ? list->currentRow() : -2;
  }
  void ClickItem(Handle c, int index) {
    if (QListWidget* list = ListOf(c))
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CentreOf(*list, index));
  }
  void DoubleClickItem(Handle c, int index) {
    QListWidget* list = ListOf(c);
    if (!list) return;
    const QPoint at = CentreOf(*list, index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
  }
  void RunPutOff() { QApplication::processEvents(); }

 private:
  static QListWidget* ListOf(Handle c) {
    auto* list = qobject_cast<QListWidget*>(c);
    if (!list) ADD_FAILURE() << "no list but a " << c->metaObject()->className();
    return list;
  }
  static QPoint CentreOf(QListWidget& list, int index) {
    return list.visualItemRect(list.item(index)).center();
  }

  int argc_ = 1;
  char name_[16] = "qt_tests";
  char* argv_[2] = {name_, nullptr};
  // The application outlives the window, as in the programs.
  App app{argc_, argv_};

 public:
  Window window{"Form"};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, ControlsSuite, QtControls);

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

class FileLists : public Widgets {
 protected:
  void SetUp() override { ASSERT_TRUE(folder.isValid()); }
  QTemporaryDir folder;
};

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

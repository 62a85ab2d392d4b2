// What reaches the model from the user and the clock, and that nothing does after the end.

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include "qt_fixture.h"
#include "tests/tab_dialog.h"

namespace hc::qt {
namespace {

class Events : public QtFixture {
 protected:
  std::vector<std::string> heard;

  void Listen() {
    window.on_key_press = [this](std::uint16_t code) {
      heard.push_back("key " + std::to_string(code));
    };
    window.on_mouse_move = [this] { heard.push_back("move"); };
  }

  QWidget* WidgetAt(int x, int y) { return ViewOf(app, window)->childAt(x, y); }
};

TEST_F(Events, KeysThatMakeACharacterReachTheWindowWhateverHasTheFocus) {
  TextBox& box = window.Add<TextBox>("box");
  box.Move(T(10), T(10), T(100), T(25));
  Listen();
  Open();
  QWidget* edit = WidgetAt(20, 20);
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  // The text is what the keyboard layout made of the key, as the platform reports it.
  struct Case {
    Qt::Key key;
    const char16_t* text;
    std::vector<std::string> heard;
  };
  const Case cases[] = {
      {Qt::Key_1, u"1", {"key 49"}},
      {Qt::Key_A, u"A", {"key 65"}},
      {Qt::Key_Escape, u"\x1b", {"key 27"}},
      {Qt::Key_unknown, u"\u044f", {"key 1103"}},
      {Qt::Key_Shift, u"", {}},
      {Qt::Key_Left, u"", {}},
      {Qt::Key_F5, u"", {}},
  };
  for (const Case& c : cases) {
    heard.clear();
    QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier, QString::fromUtf16(c.text));
    QApplication::sendEvent(QApplication::focusWidget(), &press);
    EXPECT_EQ(heard, c.heard) << "key " << c.key;
  }
  EXPECT_EQ(box.Text(), "") << "the window took the characters";
}

TEST_F(Events, EnterAndEscapeInADialogPressItsDefaultAndCancelButtons) {
  TextBox& box = window.Add<TextBox>("box");
  box.Move(T(10), T(10), T(100), T(25));
  Button& ok = window.Add<Button>("ok");
  ok.Move(T(10), T(50), T(80), T(25));
  ok.SetDefault(true);
  Button& cancel = window.Add<Button>("cancel");
  cancel.Move(T(100), T(50), T(80), T(25));
  cancel.SetCancel(true);
  ok.on_click = [this] { heard.push_back("ok"); };
  cancel.on_click = [this] { heard.push_back("cancel"); };
  Open();
  WidgetAt(20, 20)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
  EXPECT_EQ(heard, (std::vector<std::string>{"ok", "cancel", "ok"}));

  heard.clear();
  ok.SetEnabled(false);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(heard.empty()) << "a disabled default button is not pressed";
}

TEST_F(Events, TabFollowsTheWindowsTabOrderWithAnOptionGroupAsOneStop) {
  const testing::TabDialog dialog(window);
  Open();
  WidgetAt(20, 20)->setFocus();
  for (const auto& press : dialog.Presses()) {
    QTest::keyClick(QApplication::focusWidget(), press.backwards ? Qt::Key_Backtab : Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), WidgetOf(app, window, *press.lands_on))
        << "to " << press.lands_on->Name() << press.lands_on->Index();
  }
}

TEST_F(Events, MovesOverTheWindowReachItButNotMovesOverWindowedElements) {
  PictureBox& box = window.Add<PictureBox>("box");
  box.Move(T(200), T(100), T(100), T(100));
  Frame& frame = window.Add<Frame>("frame");
  frame.Move(T(20), T(150), T(100), T(100));
  Listen();
  QWidget* view = Open();
  QTest::mouseMove(view, QPoint(250, 150));
  QTest::mouseMove(view, QPoint(60, 200));
  EXPECT_TRUE(heard.empty());
  QTest::mouseMove(view, QPoint(100, 50));
  EXPECT_EQ(heard, std::vector<std::string>{"move"});
}

TEST_F(Events, ClickGoesToTheTopmostDrawnElementThatTakesIt) {
  Label& below = window.Add<Label>("below");
  Label& above = window.Add<Label>("above");
  Label& off = window.Add<Label>("off");
  below.Move(T(0), T(0), T(200), T(100));
  above.Move(T(100), T(0), T(200), T(100));
  off.Move(T(0), T(50), T(50), T(50));
  below.on_click = [this] { heard.push_back("below"); };
  off.on_click = [this] { heard.push_back("off"); };
  off.SetEnabled(false);
  QWidget* view = Open();
  struct Case {
    QPoint at;
    std::vector<std::string> heard;
  };
  const Case cases[] = {
      {{150, 50}, {"below"}},  // "above" has no click handler
      {{20, 70}, {"below"}},   // "off" is disabled
      {{50, 20}, {"below"}},  {{250, 50}, {}}, {{350, 200}, {}},
  };
  for (const Case& c : cases) {
    heard.clear();
    QTest::mouseClick(view, Qt::LeftButton, {}, c.at);
    EXPECT_EQ(heard, c.heard) << c.at.x() << "," << c.at.y();
  }
  heard.clear();
  above.SetVisible(false);
  above.on_click = [this] { heard.push_back("above"); };
  QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(250, 50));
  EXPECT_TRUE(heard.empty()) << "a hidden label takes no click";
}

TEST_F(Events, CloseControlAsksTheWindowAndOtherwiseIsIgnored) {
  QWidget* view = Open();
  view->close();
  EXPECT_TRUE(view->isVisible());
  window.on_close_request = [this] {
    heard.push_back("close");
    window.Hide();
  };
  view->close();
  EXPECT_EQ(heard, std::vector<std::string>{"close"});
  EXPECT_FALSE(view->isVisible());
}

// A signal to end (a screensaver host, a logout, the terminal gone) closes the shown windows
// as their close controls would, so a dialog cancels what it changed, and then ends.
class EndSignal : public Events, public ::testing::WithParamInterface<int> {};

TEST_P(EndSignal, ClosesTheShownWindowsThenEnds) {
  Window hidden{"Hidden"};
  hidden.on_close_request = [this] { heard.push_back("hidden closed"); };
  app.Attach(hidden);
  window.on_close_request = [this] { heard.push_back("close"); };
  Open();
  ::raise(GetParam());
  EXPECT_TRUE(QTest::qWaitFor([&] { return app.GetSystem().Ended(); }, 5000));
  EXPECT_EQ(heard, std::vector<std::string>{"close"});
}

INSTANTIATE_TEST_SUITE_P(Signals, EndSignal, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& info) { return std::string(sigabbrev_np(info.param)); });

TEST_F(Events, TimerTicksWhileRunningAndItsHandlerMayStopIt) {
  Timer& timer = window.Add<Timer>("timer");
  int ticks = 0;
  timer.on_tick = [&] {
    if (++ticks == 3) timer.SetEnabled(false);
  };
  timer.SetInterval(5);
  Open();
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 10000));
  // A timer made after the window was attached runs as well.
  Timer& late = window.Add<Timer>("late");
  int late_ticks = 0;
  late.on_tick = [&] { ++late_ticks; };
  late.SetInterval(5);
  EXPECT_TRUE(QTest::qWaitFor([&] { return late_ticks >= 1; }, 10000));
  EXPECT_EQ(ticks, 3);
}

TEST_F(Events, NothingReachesTheModelAfterTheEnd) {
  Button& button = window.Add<Button>("button");
  button.Move(T(300), T(200), T(80), T(30));
  button.on_click = [this] { heard.push_back("click"); };
  Timer& timer = window.Add<Timer>("timer");
  timer.SetInterval(1);
  timer.on_tick = [this] { heard.push_back("tick"); };
  Listen();
  QWidget* view = Open();
  ASSERT_TRUE(QTest::qWaitFor([this] { return !heard.empty(); }, 10000)) << "the timer runs";
  QPushButton* push = qobject_cast<QPushButton*>(view->childAt(340, 215));
  ASSERT_NE(push, nullptr);

  app.GetSystem().EndProgram();
  heard.clear();
  EXPECT_TRUE(app.GetSystem().Ended());
  EXPECT_FALSE(view->isVisible());
  QTest::keyClick(view, Qt::Key_A);
  QTest::mouseMove(view, QPoint(10, 10));
  push->click();
  window.Show();
  QTest::qWait(20);
  EXPECT_TRUE(heard.empty()) << heard.front();
  EXPECT_FALSE(view->isVisible()) << "no window shows again";
  EXPECT_EQ(app.Run(), 0);
}

TEST_F(Events, RunModalReturnsWhenTheWindowHidesOrTheProgramEnds) {
  Open();
  Window dialog("Dialog");
  app.Attach(dialog);
  bool modal_while_shown = false;
  QTimer::singleShot(0, [&] {
    modal_while_shown = dialog.Modal() && ViewOf(app, dialog)->isModal();
    dialog.Hide();
  });
  app.GetSystem().RunModal(dialog);
  EXPECT_TRUE(modal_while_shown);
  EXPECT_FALSE(dialog.Modal());

  QTimer::singleShot(0, [&] { app.GetSystem().EndProgram(); });
  app.GetSystem().RunModal(dialog);
  EXPECT_TRUE(app.GetSystem().Ended());
}

TEST_F(Events, MessageBoxTellsWhichButtonEndedIt) {
  struct Case {
    MsgButtons buttons;
    bool close;  // the title bar's close control instead of OK
    MsgResult result;
  };
  const Case cases[] = {
      {MsgButtons::kOk, false, MsgResult::kOk},
      {MsgButtons::kOk, true, MsgResult::kOk},
      {MsgButtons::kOkCancel, false, MsgResult::kOk},
      {MsgButtons::kOkCancel, true, MsgResult::kCancel},
  };
  for (const Case& c : cases) {
    std::string text_shown;
    QTimer answer;
    answer.callOnTimeout([&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      answer.stop();
      text_shown = box->text().toStdString();
      if (c.close)
        box->close();
      else
        box->button(QMessageBox::Ok)->click();
    });
    answer.start(1);
    const MsgResult result =
        app.GetSystem().MsgBox("line 1\r\nline 2", c.buttons, MsgIcon::kInformation, "Title");
    EXPECT_EQ(result, c.result) << "close " << c.close;
    EXPECT_EQ(text_shown, "line 1\nline 2");
  }
}

}  // namespace
}  // namespace hc::qt

// The keyboard in the backend's own message loop: keys are typed through the system's input
// queue, as a keyboard types them, and reach whichever of our windows is active.

#include <windows.h>
// Our headers use the types of <windows.h>; it comes first.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/units.h"
#include "model/window.h"
#include "session.h"
#include "system.h"
#include "tests/tab_dialog.h"
#include "win32_app.h"
#include "window_view.h"

namespace hc::win32 {
namespace {

double T(int pixels) {
  return pixels * kTwipsPerPixel;
}

void Type(WORD key, bool shift = false) {
  std::vector<INPUT> inputs;
  const auto add = [&](WORD vk, DWORD flags) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = flags;
    inputs.push_back(in);
  };
  if (shift) add(VK_SHIFT, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Runs the program's own loop while a script of steps plays, one every 60 ms, from a timer
// of the thread: the steps type keys and look at what the windows show, from inside
// whichever loop runs then, modal ones included. The last step ends the session.
class Keyboard : public ::testing::Test {
 protected:
  static Keyboard* playing;

  void Play(std::deque<std::function<void()>> steps) {
    steps_ = std::move(steps);
    playing = this;
    const UINT_PTR timer = SetTimer(nullptr, 0, 60, &Keyboard::Step);
    app.Run();
    KillTimer(nullptr, timer);
    playing = nullptr;
    // The end left its quit message for the thread; the next test's loop must not see it.
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
  static void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD) {
    Keyboard& k = *playing;
    if (k.steps_.empty()) {
      k.app.GetSession().End();
      return;
    }
    auto step = std::move(k.steps_.front());
    k.steps_.pop_front();
    step();
  }

  HWND Handle(const Window& w) { return app.GetSession().ViewOf(w)->Handle(); }
  HWND Control(const Window& w, const Element& e) {
    return app.GetSession().ViewOf(w)->ControlOf(e);
  }
  void Attach(Window& w) { app.Attach(w); }

  App app;
  std::vector<std::string> heard;

 private:
  std::deque<std::function<void()>> steps_;
};

Keyboard* Keyboard::playing = nullptr;

TEST_F(Keyboard, TabAndShiftTabFollowTheWindowsTabOrderIntoFramesAndBack) {
  Window w("Options");
  const testing::TabDialog dialog(w);
  Attach(w);
  w.Show();
  std::vector<HWND> landed, expected;
  std::deque<std::function<void()>> steps{[&] { SetFocus(Control(w, dialog.box)); }};
  for (const auto& press : dialog.Presses()) {
    expected.push_back(Control(w, *press.lands_on));
    steps.push_back([backwards = press.backwards] { Type(VK_TAB, backwards); });
    steps.push_back([&] { landed.push_back(GetFocus()); });
  }
  Play(std::move(steps));
  EXPECT_EQ(landed, expected);
}

// A dialog that opens a modal one holding a drop-down list, each with Enter and Escape
// buttons.
class ModalKeyboard : public Keyboard {
 protected:
  void SetUp() override {
    options.Resize(T(300), T(200));
    box.Move(T(10), T(10), T(100), T(25));
    open.Move(T(10), T(50), T(80), T(25));
    save.Move(T(100), T(50), T(80), T(25));
    cancel.Move(T(190), T(50), T(80), T(25));
    save.SetDefault(true);
    cancel.SetCancel(true);
    open.on_click = [this] { app.GetSystem().RunModal(files); };
    save.on_click = [this] { heard.push_back("save"); };
    cancel.on_click = [this] { heard.push_back("cancel"); };

    files.Resize(T(300), T(200));
    files.Move(T(320), T(0));
    drive.Move(T(10), T(10), T(150), T(25));
    files_ok.Move(T(10), T(150), T(80), T(25));
    files_no.Move(T(100), T(150), T(80), T(25));
    files_ok.SetDefault(true);
    files_no.SetCancel(true);
    files_ok.on_click = [this] {
      heard.push_back("files ok");
      files.Hide();
    };
    files_no.on_click = [this] {
      heard.push_back("files cancel");
      files.Hide();
    };
    Attach(options);
    Attach(files);
    options.Show();
  }

  Window options{"Options"};
  TextBox& box = options.Add<TextBox>("box");
  Button& open = options.Add<Button>("open");
  Button& save = options.Add<Button>("save");
  Button& cancel = options.Add<Button>("cancel");
  Window files{"Files"};
  DriveList& drive = files.Add<DriveList>("drive");
  Button& files_ok = files.Add<Button>("ok");
  Button& files_no = files.Add<Button>("no");
};

TEST_F(ModalKeyboard, AfterTheModalWindowClosesTheKeysReachTheWindowThatOpenedIt) {
  HWND active_after = nullptr;
  Play({
      [&] { SetFocus(Control(options, open)); },
      [&] { Type(VK_SPACE); },  // opens the modal window, whose loop runs the next steps
      [&] { Type(VK_RETURN); },
      [&] { active_after = GetActiveWindow(); },
      [&] { Type(VK_ESCAPE); },
  });
  EXPECT_EQ(active_after, Handle(options));
  EXPECT_EQ(heard, (std::vector<std::string>{"files ok", "cancel"}));
}

TEST_F(ModalKeyboard, EscapeOrEnterInADroppedListCloseTheListNotTheWindow) {
  bool dropped = false, shown_after_escape = false, shown_after_enter = false;
  const auto drop = [&] {
    HWND list = Control(files, drive);
    SetFocus(list);
    SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
    dropped = SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0;
  };
  const auto still_dropped = [&] {
    return SendMessageW(Control(files, drive), CB_GETDROPPEDSTATE, 0, 0) != 0;
  };
  Play({
      [&] { SetFocus(Control(options, open)); },
      [&] { Type(VK_SPACE); },
      drop,
      [&] { Type(VK_ESCAPE); },
      [&] { shown_after_escape = files.Visible() && !still_dropped(); },
      drop,
      [&] { Type(VK_RETURN); },
      [&] { shown_after_enter = files.Visible() && !still_dropped(); },
      [&] { Type(VK_ESCAPE); },
  });
  EXPECT_TRUE(dropped) << "the list did not drop down";
  EXPECT_TRUE(shown_after_escape) << "Escape in the dropped list closed the window";
  EXPECT_TRUE(shown_after_enter) << "Enter in the dropped list closed the window";
  EXPECT_EQ(heard, (std::vector<std::string>{"files cancel"}));
}

}  // namespace
}  // namespace hc::win32

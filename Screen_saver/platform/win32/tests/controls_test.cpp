// Native controls and the system's boxes, driven by the messages the system itself sends:
// what the user does in a control reaches the model, and the control shows what the model
// holds. The rules every backend's controls share run from tests/controls_suite.h; what only
// this backend has stays here.

#include <windows.h>
// The controls of the system's choosers, which need <windows.h> first.
#include <dlgs.h>
// Our headers use the types of <windows.h>; it comes first.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "controls.h"
#include "dialogs.h"
#include "fake/fake_system.h"
#include "fake/test_folder.h"
#include "files.h"
#include "forwarding_system.h"
#include "gdi.h"
#include "model/font.h"
#include "model/window.h"
#include "tests/controls_suite.h"
#include "wide.h"

namespace hc::win32 {
namespace {

// The suite's helpers, which its macros name unqualified.
using namespace controls_suite;

std::wstring TextOf(HWND w) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::vector<std::string> ListTexts(HWND list) {
  std::vector<std::string> texts;
  const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    texts.push_back(Utf8(text));
  }
  return texts;
}

// A counting system: the lists must not read the disk again for what they show already.
class CountingSystem : public ForwardingSystem {
 public:
  using ForwardingSystem::ForwardingSystem;
  std::vector<std::string> ListFiles(const std::string& pattern) override {
    ++reads;
    return ForwardingSystem::ListFiles(pattern);
  }
  std::vector<std::string> SubFolders(const std::string& folder) override {
    ++reads;
    return ForwardingSystem::SubFolders(folder);
  }
  int reads = 0;
};

RECT BoundsIn(HWND parent, HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// A top-level window standing in for a form's view: it hands its controls' notifications
// to ControlNotified, and work put off runs when the test says the message is done.
class Win32Controls {
 public:
  using Handle = HWND;

  Win32Controls() {
    static const bool registered = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &Win32Controls::Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = kClass;
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      return RegisterClassW(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    parent = CreateWindowExW(0, kClass, L"Form", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(parent, nullptr);
    SetWindowLongPtrW(parent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ShowWindow(parent, SW_SHOW);
  }
  ~Win32Controls() {
    if (parent) DestroyWindow(parent);
  }
  Win32Controls(const Win32Controls&) = delete;
  Win32Controls& operator=(const Win32Controls&) = delete;

  // A control for the element, synced as a view syncs it when it first shows the window.
  HWND Control(Element& e) {
    HWND w = MakeControl(e, parent);
    EXPECT_NE(w, nullptr) << e.Name();
    controls[w] = &e;
    SyncControl(e, w, system);
    return w;
  }
  // What a view does when the model changes: every control follows.
  void SyncAll() {
    for (auto [w, e] : controls) SyncControl(*e, w, system);
  }
  void RunLater() {
    auto work = std::move(later);
    later.clear();
    for (auto& w : work) w();
  }
  // Types the characters one by one, as the keyboard does.
  static void Type(HWND edit, const std::string& keys) {
    for (char c : keys) SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
  }

  // What the shared suite asks of controls; each is made when first asked for.
  void Show() {}
  HWND ControlOf(Element& e) {
    for (auto [w, element] : controls)
      if (element == &e) return w;
    return Control(e);
  }
  void Sync() { SyncAll(); }
  static void Click(HWND w) { SendMessageW(w, BM_CLICK, 0, 0); }
  static void SecondClickOfADoubleClick(HWND w) {
    SendMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  static std::string TextOf(HWND w) { return Utf8(win32::TextOf(w)); }
  static int CheckOf(HWND w) {
    switch (SendMessageW(w, BM_GETCHECK, 0, 0)) {
      case BST_UNCHECKED:
        return 0;
      case BST_CHECKED:
        return 1;
      case BST_INDETERMINATE:
        return 2;
      default:
        return -1;
    }
  }
  controls_suite::Bounds BoundsOf(HWND w) const {
    const RECT r = BoundsIn(parent, w);
    return {r.left, r.top, r.right, r.bottom};
  }
  static bool Enabled(HWND w) { return IsWindowEnabled(w) != 0; }
  static bool Visible(HWND w) { return IsWindowVisible(w) != 0; }
  static std::vector<std::string> ItemsOf(HWND list) { return ListTexts(list); }
  static int SelectedOf(HWND list) {
    return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
  }
  static void ClickItem(HWND list, int index) { PressItem(list, index, WM_LBUTTONDOWN); }
  static void DoubleClickItem(HWND list, int index) {
    PressItem(list, index, WM_LBUTTONDOWN);
    PressItem(list, index, WM_LBUTTONDBLCLK);
  }
  void RunPutOff() { RunLater(); }

  bool ended = false;
  Delivery delivery{[this] { return ended; }};
  std::vector<std::function<void()>> later;
  PutOff put_off = [this](std::function<void()> work) { later.push_back(std::move(work)); };
  fake::FakeSystem fake;
  CountingSystem system{fake};
  Window window{"Form"};
  HWND parent = nullptr;
  std::map<HWND, Element*> controls;

 private:
  static constexpr wchar_t kClass[] = L"hc_controls_test_form";

  // A press on the item and its release, as the mouse sends them.
  static void PressItem(HWND list, int index, UINT press) {
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(list, press, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
  }

  static LRESULT CALLBACK Proc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Win32Controls*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (message == WM_COMMAND && self && lp) {
      const auto control = reinterpret_cast<HWND>(lp);
      if (auto it = self->controls.find(control); it != self->controls.end()) {
        ControlNotified(*it->second, control, HIWORD(wp), self->delivery, self->put_off,
                        self->system);
        return 0;
      }
    }
    return DefWindowProcW(w, message, wp, lp);
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ControlsSuite, Win32Controls);

class Controls : public ::testing::Test, public Win32Controls {
 protected:
  std::vector<std::string> heard;
};

// Frames and picture boxes are surfaces, drawn elements have no window of their own.
TEST_F(Controls, SurfacesAndDrawnElementsHaveNoControl) {
  EXPECT_EQ(MakeControl(window.Add<Frame>("frame"), parent), nullptr);
  EXPECT_EQ(MakeControl(window.Add<Label>("label"), parent), nullptr);
}

TEST_F(Controls, TypingLeavesTheCaretAndEndsWithTheProgram) {
  TextBox& box = window.Add<TextBox>("box");
  box.Move(T(10), T(10), T(200), T(25));
  box.SetText("12");
  box.on_change = [&] { heard.push_back(box.Text()); };
  HWND edit = Control(box);

  // The same text again leaves the caret where the user put it.
  SendMessageW(edit, EM_SETSEL, 1, 1);
  SyncAll();
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 1u);

  // Once the program has ended, typing changes nothing and the box shows the model's text.
  ended = true;
  Type(edit, "x");
  EXPECT_EQ(box.Text(), "12");
  EXPECT_EQ(TextOf(edit), "12");
  EXPECT_TRUE(heard.empty());
}

TEST_F(Controls, ABoxUsedAsACaptionHasNoFrame) {
  TextBox& box = window.Add<TextBox>("box");
  box.Move(T(10), T(10), T(200), T(25));
  HWND edit = Control(box);
  const auto framed = [&] {
    RECT client{}, outer{};
    GetClientRect(edit, &client);
    GetWindowRect(edit, &outer);
    return client.right < outer.right - outer.left;
  };
  EXPECT_TRUE(framed());
  box.SetBorder(false);
  SyncAll();
  EXPECT_FALSE(framed());
  box.SetBorder(true);
  SyncAll();
  EXPECT_TRUE(framed());
}

// The colour swatches are text boxes too low for their font inside a sunken edge: their
// text gets the room of a line, under a plain frame, and is not cut at the bottom.
TEST_F(Controls, ABoxTooLowForTheSunkenEdgeKeepsRoomForItsText) {
  struct Case {
    int height;  // pixels
    bool sunken;
  };
  for (const Case& k : {Case{13, false}, Case{15, false}, Case{25, true}}) {
    TextBox& box = window.Add<TextBox>("swatch" + std::to_string(k.height));
    box.Move(T(10), T(10), T(31), T(k.height));
    box.SetFontSize(8.25);
    box.SetText("21");
    HWND edit = Control(box);
    EXPECT_EQ((GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0, k.sunken) << k.height;
    EXPECT_EQ((GetWindowLongPtrW(edit, GWL_STYLE) & WS_BORDER) != 0, !k.sunken) << k.height;
    RECT client{};
    GetClientRect(edit, &client);
    HDC dc = GetDC(edit);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    ReleaseDC(edit, dc);
    // The digits stand on the baseline: the client area holds the line down to it.
    EXPECT_GE(client.bottom, metrics.tmAscent) << k.height << " pixels high";
  }
}

TEST_F(Controls, ColoursComeFromTextElementsOnly) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  constexpr Color kFore = Rgb(10, 20, 200), kBack = Rgb(250, 240, 5);
  for (TextElement* e :
       std::vector<TextElement*>{&window.Add<TextBox>("box"), &window.Add<OptionButton>("option"),
                                 &window.Add<CheckBox>("check")}) {
    SCOPED_TRACE(e->Name());
    e->SetForeColor(kFore);
    e->SetBackColor(kBack);
    SetTextColor(dc, 0);
    SetBkColor(dc, 0);
    HBRUSH brush = ControlColours(*e, dc);
    ASSERT_NE(brush, nullptr);
    LOGBRUSH lb{};
    GetObjectW(brush, sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, RGB(250, 240, 5));
    EXPECT_EQ(GetTextColor(dc), RGB(10, 20, 200));
    EXPECT_EQ(GetBkColor(dc), RGB(250, 240, 5));
    // One brush per colour, not one per paint.
    EXPECT_EQ(ControlColours(*e, dc), brush);
  }
  Button& button = window.Add<Button>("button");
  button.SetBackColor(kBack);
  EXPECT_EQ(ControlColours(button, dc), nullptr);
  EXPECT_EQ(ControlColours(window.Add<FileList>("files"), dc), nullptr);
  DeleteDC(dc);
}

// A folder with subfolders and files of several kinds, for the lists.
class FileLists : public Controls {
 protected:
  void SetUp() override {
    Controls::SetUp();
    for (const char* sub : {"b pics", "A"}) std::filesystem::create_directory(folder / sub);
    for (const char* file : {"one.GIF", "two.jpg", "notes.txt"})
      std::ofstream(folder / file) << "x";
    fake.program_folder = root;
  }
  void TearDown() override {
    Controls::TearDown();
    std::filesystem::remove_all(folder);
  }

  const std::filesystem::path folder = fake::FreshTestFolder("hc_lists_");
  const std::string root = files::Utf8Of(folder);
};

TEST_F(FileLists, AFolderListReadsTheFolderOnlyWhenItChanges) {
  DirList& dirs = window.Add<DirList>("dirs");
  dirs.Move(T(0), T(0), T(300), T(400));
  dirs.SetPath(root);
  HWND list = Control(dirs);
  ASSERT_FALSE(ListTexts(list).empty());

  const int reads = system.reads;
  dirs.Move(T(10), T(10), T(250), T(300));
  SyncAll();
  EXPECT_EQ(system.reads, reads) << "a change of place or size";

  dirs.SetPath(files::Utf8Of(folder / "b pics"));
  SyncAll();
  EXPECT_GT(system.reads, reads) << "another folder";
}

TEST_F(FileLists, DriveListOffersTheSystemsDrivesAndTheModelsOwn) {
  DriveList& drives = window.Add<DriveList>("drives");
  drives.Move(T(0), T(0), T(200), T(25));
  drives.on_change = [&] { heard.push_back(drives.Drive()); };
  const std::string system_drive = fake.DriveOf(root);
  drives.SetDrive("Q:");
  HWND combo = Control(drives);
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
  const auto shown = [&] {
    const auto index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    std::wstring text(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)),
                      L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return Utf8(text);
  };
  EXPECT_EQ(shown(), "Q:");

  const auto choose = [&](const std::string& drive) {
    SendMessageW(combo, CB_SETCURSEL,
                 SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(Wide(drive).c_str())),
                 0);
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  };
  heard.clear();
  choose(system_drive);
  EXPECT_EQ(drives.Drive(), system_drive);
  EXPECT_EQ(heard, std::vector<std::string>{system_drive});

  // A drive the program turns down gives way to the one it keeps.
  drives.on_change = [&] {
    if (drives.Drive() == "Q:") drives.SetDrive(system_drive);
  };
  choose("Q:");
  EXPECT_EQ(drives.Drive(), system_drive);
  EXPECT_EQ(shown(), system_drive);
}

// Answers the box or chooser the thread shows next as the user would, once it is on
// screen: a button pressed, or the box closed; and notes whether `owner` took input
// meanwhile.
class Answer {
 public:
  Answer(UINT message, WPARAM command, HWND owner, std::function<void(HWND)> prepare = nullptr)
      : prepare_(std::move(prepare)) {
    current = this;
    message_ = message;
    command_ = command;
    owner_ = owner;
    timer_ = SetTimer(nullptr, 0, 50, &Answer::Tick);
  }
  ~Answer() {
    KillTimer(nullptr, timer_);
    current = nullptr;
  }
  Answer(const Answer&) = delete;
  Answer& operator=(const Answer&) = delete;

  bool answered = false;
  bool owner_took_input = true;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current && !current->answered) EnumThreadWindows(GetCurrentThreadId(), &Answer::Visit, 0);
  }
  static BOOL CALLBACK Visit(HWND w, LPARAM) {
    wchar_t name[16] = {};
    GetClassNameW(w, name, 16);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(w)) return TRUE;
    current->owner_took_input = current->owner_ && IsWindowEnabled(current->owner_);
    if (current->prepare_) current->prepare_(w);
    PostMessageW(w, current->message_, current->command_, 0);
    current->answered = true;
    return FALSE;
  }

  static inline Answer* current = nullptr;
  std::function<void(HWND)> prepare_;
  UINT message_;
  WPARAM command_;
  HWND owner_;
  UINT_PTR timer_;
};

using Dialogs = Controls;

TEST_F(Dialogs, AMessageBoxSaysWhichButtonClosedIt) {
  struct Case {
    MsgButtons buttons;
    UINT message;
    WPARAM command;
    MsgResult result;
  };
  const Case cases[] = {
      {MsgButtons::kOk, WM_COMMAND, IDOK, MsgResult::kOk},
      // A box with OK alone has nothing else to answer, however it is closed.
      {MsgButtons::kOk, WM_CLOSE, 0, MsgResult::kOk},
      {MsgButtons::kOk, WM_COMMAND, IDCANCEL, MsgResult::kOk},
      {MsgButtons::kOkCancel, WM_COMMAND, IDOK, MsgResult::kOk},
      {MsgButtons::kOkCancel, WM_COMMAND, IDCANCEL, MsgResult::kCancel},
      {MsgButtons::kOkCancel, WM_CLOSE, 0, MsgResult::kCancel},
  };
  int n = 0;
  for (const Case& c : cases) {
    // Every second box has no owner: it still keeps input from the program's windows.
    const HWND owner = n % 2 ? parent : nullptr;
    Answer answer(c.message, c.command, parent);
    EXPECT_EQ(ShowMessage(owner, "Text", c.buttons, MsgIcon::kInformation, "Title"), c.result)
        << "case " << n;
    EXPECT_TRUE(answer.answered) << "case " << n;
    EXPECT_FALSE(answer.owner_took_input) << "case " << n;
    ++n;
  }
}

TEST_F(Dialogs, TheColourChooserStartsFromTheColourGivenAndCancelsToNothing) {
  constexpr Color kStart = Rgb(10, 20, 200);
  {
    Answer answer(WM_COMMAND, IDOK, parent);
    EXPECT_EQ(PickColor(parent, kStart), std::optional<Color>(kStart));
    EXPECT_FALSE(answer.owner_took_input);
  }
  Answer answer(WM_COMMAND, IDCANCEL, parent);
  EXPECT_EQ(PickColor(parent, kStart), std::nullopt);
}

TEST_F(Dialogs, TheFontChooserGivesTheFaceChosenTheSizeInEffectAndKeepsTheColour) {
  const FontChoice start{"Courier New", 12, Rgb(255, 0, 0)};
  {
    // The user picks Tahoma at 10 points, which no whole pixel size has at 96 dpi.
    Answer answer(WM_COMMAND, IDOK, parent, [](HWND chooser) {
      constexpr int kFaces = 0x470, kSizes = 0x472;  // the chooser's face and size lists
      for (auto [list, item] : {std::pair{kFaces, L"Tahoma"}, std::pair{kSizes, L"10"}}) {
        SendDlgItemMessageW(chooser, list, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(item));
        SendMessageW(chooser, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(chooser, list)));
      }
    });
    const auto chosen = PickFont(parent, start);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->name, "Tahoma");
    EXPECT_EQ(chosen->size, 9.75);
    EXPECT_EQ(chosen->color, start.color);
  }
  Answer answer(WM_COMMAND, IDCANCEL, parent);
  EXPECT_EQ(PickFont(parent, start), std::nullopt);
}

// The font chooser opens on the hours label's face, size and colour: what it shows when it
// opens is read from the system's own dialog.
struct ChooserOpening {
  std::wstring face, size;
  bool seen = false;
};
ChooserOpening g_opening;

UINT_PTR CALLBACK ReadOpening(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return 0;
  wchar_t text[LF_FACESIZE + 8] = {};
  GetDlgItemTextW(dialog, cmb1, text, LF_FACESIZE + 8);
  g_opening.face = text;
  GetDlgItemTextW(dialog, cmb3, text, LF_FACESIZE + 8);
  g_opening.size = text;
  g_opening.seen = true;
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  return 0;
}

TEST(FontChooser, OpensOnTheFaceSizeAndColourItIsGiven) {
  struct Case {
    FontChoice initial;
    const wchar_t* face;
    const wchar_t* size;
  };
  for (const Case& k : {Case{{"Tahoma", 20, Rgb(255, 0, 0)}, L"Tahoma", L"20"},
                        Case{{"DejaVu Sans", 12, Rgb(0, 128, 0)}, L"DejaVu Sans", L"12"}}) {
    FontRequest request;
    FillFontRequest(nullptr, k.initial, 96, request);
    EXPECT_EQ(request.chooser.Flags & (CF_SCREENFONTS | CF_EFFECTS | CF_NOSTYLESEL),
              static_cast<DWORD>(CF_SCREENFONTS | CF_EFFECTS | CF_NOSTYLESEL));
    EXPECT_TRUE(request.chooser.Flags & CF_INITTOLOGFONTSTRUCT);
    EXPECT_EQ(request.chooser.lpLogFont, &request.font);
    EXPECT_EQ(request.chooser.rgbColors, ToColorRef(k.initial.color));
    EXPECT_EQ(std::wstring(request.font.lfFaceName), k.face);
    EXPECT_EQ(request.font.lfHeight, -std::lround(k.initial.size * 96 / 72.0));

    g_opening = {};
    request.chooser.Flags |= CF_ENABLEHOOK;
    request.chooser.lpfnHook = ReadOpening;
    EXPECT_FALSE(ChooseFontW(&request.chooser)) << "cancelled by the hook";
    ASSERT_TRUE(g_opening.seen);
    EXPECT_EQ(g_opening.face, k.face);
    EXPECT_EQ(g_opening.size, k.size);
  }
}

}  // namespace
}  // namespace hc::win32

#include <windows.h>
// Our headers use the types of <windows.h>; it comes first.

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

#include "controls.h"
#include "file_lists.h"
#include "gdi.h"
#include "model/pixels.h"
#include "wide.h"

namespace hc::win32 {

namespace {

// Rows a dropped-down drive list shows before it scrolls.
constexpr int kDropDownRows = 8;

// The edit whose text is being set from the model: the EN_CHANGE that follows is not the
// user's typing and must not come back to the model as an edit.
HWND syncing_edit = nullptr;

class SyncingEdit {
 public:
  explicit SyncingEdit(HWND edit) : before_(syncing_edit) { syncing_edit = edit; }
  ~SyncingEdit() { syncing_edit = before_; }
  SyncingEdit(const SyncingEdit&) = delete;
  SyncingEdit& operator=(const SyncingEdit&) = delete;

 private:
  HWND before_;
};

HWND MakeChild(const wchar_t* window_class, DWORD style, DWORD ex_style, HWND parent) {
  // Not visible until synced; tab order is the order the controls are made in.
  return CreateWindowExW(ex_style, window_class, L"", WS_CHILD | WS_TABSTOP | style, 0, 0, 0, 0,
                         parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

DWORD EditAlignment(Alignment a) {
  switch (a) {
    case Alignment::kCenter:
      return ES_CENTER;
    case Alignment::kRight:
      return ES_RIGHT;
    default:
      return ES_LEFT;
  }
}

// Sets the bits of `mask` in a window's style to `bits`; true when that changed anything.
bool SetStyleBits(HWND w, int which, LONG_PTR mask, LONG_PTR bits) {
  const LONG_PTR old = GetWindowLongPtrW(w, which);
  const LONG_PTR now = (old & ~mask) | bits;
  if (now == old) return false;
  SetWindowLongPtrW(w, which, now);
  return true;
}

// A button's kind (radio, check, three-state, push, default push) through the message the
// button redraws itself for.
void SetButtonType(HWND button, DWORD type) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(button, GWL_STYLE));
  // The other button styles (the wrapping of long captions) stay as they are.
  if ((style & BS_TYPEMASK) != type)
    SendMessageW(button, BM_SETSTYLE, (style & 0xFFFF & ~BS_TYPEMASK) | type, TRUE);
}

std::wstring TextOf(HWND w) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Sets a control's text only when it differs: the same text again would flicker, and in
// an edit move the caret while the user types.
void SetText(HWND w, const std::string& utf8) {
  const std::wstring text = DisplayText(utf8);
  if (TextOf(w) != text) SetWindowTextW(w, text.c_str());
}

void SetFont(HWND w, const Font& font) {
  const HFONT handle = FontHandle(font, DeviceScale::Of(w));
  if (reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)) != handle)
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
}

void Place(const Element& e, HWND w) {
  const PixelBox b = DeviceScale::Of(w).Bounds(e);
  int height = std::max(b.height, 0);
  // A drop-down list's window height includes the list it drops; its field keeps the
  // height of its font.
  if (e.Kind() == ElementKind::kDriveList) {
    const auto row = static_cast<int>(SendMessageW(w, CB_GETITEMHEIGHT, 0, 0));
    height += kDropDownRows * std::max(row, 1);
  }
  SetWindowPos(w, nullptr, b.left, b.top, std::max(b.width, 0), height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// An edit takes its colours from its parent each time it paints, so a change of colours
// alone shows nothing until it paints again: it is asked to, once for each change.
void RepaintOnNewColours(HWND edit, const TextElement& e) {
  static std::map<HWND, std::uint64_t> painted_with;
  const std::uint64_t colours = (std::uint64_t{e.ForeColor()} << 32) | e.BackColor();
  auto [it, added] = painted_with.try_emplace(edit, colours);
  if (!added && it->second == colours) return;
  it->second = colours;
  if (!added) InvalidateRect(edit, nullptr, TRUE);
}

// Whether a line of the edit's font, in the edit's height, leaves no room for the sunken
// edge of two pixels above and below.
bool TooLowForEdge(HWND edit) {
  RECT bounds{};
  GetWindowRect(edit, &bounds);
  HDC dc = GetDC(edit);
  if (!dc) return false;
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  const bool measured = GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
  constexpr int kEdges = 4;
  return measured && bounds.bottom - bounds.top - kEdges < metrics.tmHeight;
}

void SyncTextBox(const TextBox& box, HWND edit) {
  SetFont(edit, box.GetFont());
  RepaintOnNewColours(edit, box);
  {
    const SyncingEdit quiet(edit);
    SetText(edit, box.Text());
  }
  const bool read_only = (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0;
  if (read_only != box.ReadOnly()) SendMessageW(edit, EM_SETREADONLY, box.ReadOnly(), 0);
  // A box used as a caption has no frame; the frame lies outside the client area. A box
  // too low for a line of its font inside the sunken edge (the colour swatches) gets a plain
  // line instead, which leaves its text the room the edge would cut off.
  const bool thin = box.Border() && TooLowForEdge(edit);
  bool framed = SetStyleBits(edit, GWL_EXSTYLE, WS_EX_CLIENTEDGE,
                             box.Border() && !thin ? WS_EX_CLIENTEDGE : 0);
  framed |= SetStyleBits(edit, GWL_STYLE, WS_BORDER, thin ? WS_BORDER : 0);
  if (framed)
    SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // An edit reads its alignment when it is made; Wine's never again, so a later change
  // shows only where the system's edit reads it anew. Forms set it before they are shown.
  if (SetStyleBits(edit, GWL_STYLE, ES_LEFT | ES_CENTER | ES_RIGHT, EditAlignment(box.Align())))
    InvalidateRect(edit, nullptr, TRUE);
}

WPARAM CheckStateOf(int value) {
  switch (value) {
    case 1:
      return BST_CHECKED;
    case 2:
      return BST_INDETERMINATE;
    default:
      return BST_UNCHECKED;
  }
}

HBRUSH BrushOf(Color c) {
  // A form has a handful of colours; the brushes stay for the program's life.
  static std::map<Color, HBRUSH> brushes;
  auto [it, added] = brushes.try_emplace(c, nullptr);
  if (added) it->second = CreateSolidBrush(ToColorRef(c));
  return it->second;
}

}  // namespace

HWND MakeControl(Element& e, HWND parent) {
  HWND w = nullptr;
  switch (e.Kind()) {
    case ElementKind::kTextBox: {
      const auto& box = static_cast<const TextBox&>(e);
      w = MakeChild(
          L"EDIT", ES_AUTOHSCROLL | EditAlignment(box.Align()) | (box.ReadOnly() ? ES_READONLY : 0),
          box.Border() ? WS_EX_CLIENTEDGE : 0, parent);
      break;
    }
    // The model decides the new state of options and check boxes: no automatic kinds. A
    // caption longer than its box goes on in a second line, where the box is high enough.
    case ElementKind::kOptionButton:
      w = MakeChild(L"BUTTON", BS_RADIOBUTTON | BS_MULTILINE, 0, parent);
      break;
    case ElementKind::kCheckBox:
      w = MakeChild(L"BUTTON", BS_CHECKBOX | BS_MULTILINE, 0, parent);
      break;
    case ElementKind::kButton:
      w = MakeChild(L"BUTTON", BS_PUSHBUTTON, 0, parent);
      break;
    case ElementKind::kDriveList:
      w = MakeChild(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, parent);
      break;
    // Lists keep the model's height exactly and the order they are filled in.
    case ElementKind::kDirList:
    case ElementKind::kFileList:
      w = MakeChild(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE,
                    parent);
      break;
    default:
      return nullptr;
  }
  if (!w) return nullptr;
  // The lists have no font of their own in the model: they take its default one.
  if (e.Kind() == ElementKind::kDriveList || e.Kind() == ElementKind::kDirList ||
      e.Kind() == ElementKind::kFileList) {
    SetFont(w, Font());
    StartList(e, w);
  }
  return w;
}

void SyncControl(Element& e, HWND control, System& system) {
  Place(e, control);
  EnableWindow(control, e.Enabled());
  switch (e.Kind()) {
    case ElementKind::kTextBox:
      SyncTextBox(static_cast<const TextBox&>(e), control);
      break;
    case ElementKind::kOptionButton: {
      const auto& option = static_cast<const OptionButton&>(e);
      SetFont(control, option.GetFont());
      SetText(control, option.Text());
      SendMessageW(control, BM_SETCHECK, option.Value() ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    }
    case ElementKind::kCheckBox: {
      const auto& box = static_cast<const CheckBox&>(e);
      SetFont(control, box.GetFont());
      SetText(control, box.Text());
      // Greyed is shown only while the model holds it; a click never steps into it.
      SetButtonType(control, box.Value() == 2 ? BS_3STATE : BS_CHECKBOX);
      SendMessageW(control, BM_SETCHECK, CheckStateOf(box.Value()), 0);
      break;
    }
    case ElementKind::kButton: {
      const auto& button = static_cast<const Button&>(e);
      SetFont(control, button.GetFont());
      SetText(control, button.Text());
      // Only the look: the window routes Enter to the model's default button itself.
      SetButtonType(control, button.IsDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      break;
    }
    case ElementKind::kDriveList:
      SyncDriveList(static_cast<const DriveList&>(e), control, system);
      break;
    case ElementKind::kDirList:
      SyncDirList(static_cast<const DirList&>(e), control, system);
      break;
    case ElementKind::kFileList:
      SyncFileList(static_cast<const FileList&>(e), control, system);
      break;
    default:
      break;
  }
  ShowWindow(control, e.Visible() ? SW_SHOWNA : SW_HIDE);
}

void ControlNotified(Element& e, HWND control, int code, const Delivery& delivery,
                     const PutOff& later, System& system) {
  switch (e.Kind()) {
    case ElementKind::kTextBox:
      if (code != EN_CHANGE || control == syncing_edit) return;
      delivery.Edit(static_cast<TextBox&>(e), Utf8(TextOf(control)));
      // A refused edit changes nothing in the model; the box shows the model's text again.
      SyncControl(e, control, system);
      break;
    case ElementKind::kOptionButton:
    case ElementKind::kCheckBox:
      // An option reports the second click of a double click as a double click; it is
      // still a click, as it is for a check box.
      if (code != BN_CLICKED && code != BN_DOUBLECLICKED) return;
      delivery.Click(e);
      SyncControl(e, control, system);
      break;
    case ElementKind::kButton:
      if (code == BN_CLICKED) delivery.Click(e);
      break;
    case ElementKind::kDriveList:
      DriveListNotified(static_cast<DriveList&>(e), control, code, delivery, system);
      break;
    case ElementKind::kDirList:
      DirListNotified(static_cast<DirList&>(e), control, code, delivery, later);
      break;
    case ElementKind::kFileList:
      FileListNotified(static_cast<FileList&>(e), control, code, delivery);
      break;
    default:
      break;
  }
}

HBRUSH ControlColours(const Element& e, HDC dc) {
  // Push buttons keep the system's look, as the lists do.
  switch (e.Kind()) {
    case ElementKind::kTextBox:
    case ElementKind::kOptionButton:
    case ElementKind::kCheckBox: {
      const auto& t = static_cast<const TextElement&>(e);
      SetTextColor(dc, ToColorRef(t.ForeColor()));
      SetBkColor(dc, ToColorRef(t.BackColor()));
      return BrushOf(t.BackColor());
    }
    default:
      return nullptr;
  }
}

}  // namespace hc::win32

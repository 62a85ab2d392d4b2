#include <windows.h>
// Our headers use the types of <windows.h>; it comes first.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "file_lists.h"
#include "files.h"
#include "paths.h"
#include "wide.h"

namespace hc::win32 {

namespace {

// What a list shows, so that a change of place, size or font does not read the disk again
// and leaves the user's scrolling alone; and what each item stands for: a folder's full
// path (its text is an indented name) or a file's name.
struct Shown {
  std::optional<std::string> what;
  std::vector<std::string> items;
};

std::map<HWND, Shown>& ShownLists() {
  static std::map<HWND, Shown> lists;
  return lists;
}

// Whether `list` shows `what` already; if not, it is emptied for the caller to fill.
bool AlreadyShown(HWND list, const std::string& what) {
  Shown& shown = ShownLists()[list];
  if (shown.what == what) return true;
  shown.what = what;
  shown.items.clear();
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  return false;
}

void AddItem(HWND list, const std::string& text, std::string item) {
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
  ShownLists()[list].items.push_back(std::move(item));
}

// The item under the list's selection; nothing when none is selected.
std::optional<std::string> SelectedItem(HWND list) {
  const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
  const auto& items = ShownLists()[list].items;
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return std::nullopt;
  return items[static_cast<std::size_t>(index)];
}

std::wstring ComboText(HWND combo, LRESULT index) {
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace

void StartList(const Element& e, HWND list) {
  if (e.Kind() == ElementKind::kDirList || e.Kind() == ElementKind::kFileList)
    ShownLists().insert_or_assign(list, Shown{});
}

void SyncDriveList(const DriveList& e, HWND combo, System& system) {
  if (SendMessageW(combo, CB_GETCOUNT, 0, 0) == 0)
    for (const auto& d : system.Drives())
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(d).c_str()));
  const std::wstring drive = Wide(e.Drive());
  LRESULT index = CB_ERR;
  // The combo's own search ignores case and takes prefixes; drives are told apart exactly.
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count && index == CB_ERR; ++i)
    if (ComboText(combo, i) == drive) index = i;
  if (index == CB_ERR && !drive.empty())
    index = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(drive.c_str()));
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void SyncDirList(const DirList& e, HWND list, System& system) {
  if (AlreadyShown(list, e.Path()) || e.Path().empty()) return;
  const std::string separator = system.PathSeparator();
  const auto indent = [](std::size_t depth) { return std::string(2 * depth, ' '); };
  // The open folders from the root down, then the closed ones inside the last of them.
  const auto chain = FolderChain(e.Path(), separator);
  for (std::size_t depth = 0; depth < chain.size(); ++depth)
    AddItem(list, indent(depth) + LastPart(chain[depth], separator), chain[depth]);
  for (const auto& name : system.SubFolders(e.Path()))
    AddItem(list, indent(chain.size()) + name, JoinPath(e.Path(), name, separator));
  SendMessageW(list, LB_SETCURSEL, chain.size() - 1, 0);
}

void SyncFileList(const FileList& e, HWND list, System& system) {
  if (!AlreadyShown(list, e.Path() + "\n" + e.Pattern()) && !e.Path().empty())
    for (const auto& name : system.ListFiles(JoinPath(e.Path(), "", system.PathSeparator())))
      if (files::MatchesPattern(name, e.Pattern())) AddItem(list, name, name);
  // The list's own search ignores case; the model's name is matched exactly.
  const auto& items = ShownLists()[list].items;
  WPARAM selected = static_cast<WPARAM>(-1);
  if (!e.FileName().empty())
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i] == e.FileName()) selected = i;
  SendMessageW(list, LB_SETCURSEL, selected, 0);
}

void DriveListNotified(DriveList& e, HWND combo, int code, const Delivery& delivery,
                       System& system) {
  if (code != CBN_SELCHANGE) return;
  const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return;
  const std::string drive = Utf8(ComboText(combo, index));
  delivery.Run([&e, &drive] { e.SetDrive(drive); });
  // A drive the program turned down (one not ready) gives way to the one it kept.
  SyncDriveList(e, combo, system);
}

void DirListNotified(DirList& e, HWND list, int code, const Delivery& delivery,
                     const PutOff& later) {
  // Opening a folder takes a double click; the list is rebuilt for the new folder, so
  // that waits until the list has finished with the item clicked.
  if (code != LBN_DBLCLK) return;
  const auto path = SelectedItem(list);
  if (!path) return;
  later([&e, &delivery, path = *path] { delivery.Run([&e, &path] { e.SetPath(path); }); });
}

void FileListNotified(FileList& e, HWND list, int code, const Delivery& delivery) {
  // A single click (or a key that moves the selection) chooses a file; a double click
  // chooses it and says so.
  if (code == LBN_SELCHANGE) {
    const std::string name = SelectedItem(list).value_or(std::string());
    delivery.Run([&e, &name] {
      e.SetFileName(name);
      e.UserClick();
    });
  } else if (code == LBN_DBLCLK) {
    const auto name = SelectedItem(list);
    if (!name) return;
    delivery.Run([&e, &name] {
      e.SetFileName(*name);
      if (e.on_double_click) e.on_double_click();
    });
  }
}

}  // namespace hc::win32

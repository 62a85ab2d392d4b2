#include <windows.h>
//
#include "dialogs.h"
#include "pictures.h"
#include "session.h"
#include "ui_system.h"

namespace hc::win32 {

namespace {

HWND Owner(const Session& session) {
  return static_cast<HWND>(session.OwnerForDialogs());
}

}  // namespace

ScreenSize UiSystem::Screen() {
  return {static_cast<std::int64_t>(GetSystemMetrics(SM_CXSCREEN)) * kTwipsPerPixel,
          static_cast<std::int64_t>(GetSystemMetrics(SM_CYSCREEN)) * kTwipsPerPixel};
}

Picture UiSystem::LoadPicture(const std::string& path, std::string* error) {
  return LoadPictureFile(path, error);
}

Picture UiSystem::DecodePicture(const std::vector<std::uint8_t>& bytes, const std::string& name) {
  return DecodePictureBytes(bytes, name, nullptr);
}

MsgResult UiSystem::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                           const std::string& title) {
  // After the end nobody is there to answer: the box counts as closed.
  if (session_.Ended())
    return buttons == MsgButtons::kOkCancel ? MsgResult::kCancel : MsgResult::kOk;
  return ShowMessage(Owner(session_), text, buttons, icon, title);
}

void UiSystem::RunModal(Window& window) {
  window.SetModal(true);
  window.Show();
  session_.WaitWhileShown(window);
  window.SetModal(false);
}

std::optional<Color> UiSystem::AskColor(Color initial) {
  if (session_.Ended()) return std::nullopt;
  return PickColor(Owner(session_), initial);
}

std::optional<FontChoice> UiSystem::AskFont(const FontChoice& initial) {
  if (session_.Ended()) return std::nullopt;
  return PickFont(Owner(session_), initial);
}

void UiSystem::EndProgram() {
  session_.End();
}

bool UiSystem::Ended() {
  return session_.Ended();
}

}  // namespace hc::win32

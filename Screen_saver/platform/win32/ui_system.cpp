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

MsgResult UiSystem::ShowMessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                   const std::string& title) {
  return ShowMessage(Owner(session_), text, buttons, icon, title);
}

std::optional<Color> UiSystem::ShowColorChooser(Color initial) {
  return PickColor(Owner(session_), initial);
}

std::optional<FontChoice> UiSystem::ShowFontChooser(const FontChoice& initial) {
  return PickFont(Owner(session_), initial);
}

void UiSystem::WaitWhileShown(const Window& window) {
  session_.WaitWhileShown(window);
}

void UiSystem::EndProgram() {
  session_.End();
}

bool UiSystem::Ended() {
  return session_.Ended();
}

}  // namespace hc::win32

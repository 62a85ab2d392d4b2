#include <windows.h>
//
#include <cmath>

#include "device_scale.h"
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
  const double twips_per_pixel = TwipsPerScreenPixel();
  const auto twips = [twips_per_pixel](int pixels) {
    return std::llround(pixels * twips_per_pixel);
  };
  return {twips(GetSystemMetrics(SM_CXSCREEN)), twips(GetSystemMetrics(SM_CYSCREEN))};
}

double UiSystem::TwipsPerScreenPixel() {
  return DeviceScale::OfScreen().TwipsPerPixel();
}

void UiSystem::SetCursorPos(int x, int y) {
  // The program's pixels, which a denser screen has more of.
  const DeviceScale scale = DeviceScale::OfScreen();
  Win32System::SetCursorPos(scale.Pixels(x), scale.Pixels(y));
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

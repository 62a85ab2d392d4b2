#pragma once
// The system services on Windows: those without a window, and the screen, pictures, boxes
// and choosers of the running session.

#include "user_facing_system.h"
#include "win32_system.h"

namespace hc::win32 {

class Session;

class UiSystem : public UserFacingSystem<Win32System> {
 public:
  explicit UiSystem(Session& session) : session_(session) {}

  ScreenSize Screen() override;
  double TwipsPerScreenPixel() override;
  void SetCursorPos(int x, int y) override;
  Picture LoadPicture(const std::string& path, std::string* error) override;
  Picture DecodePicture(const std::vector<std::uint8_t>& bytes, const std::string& name) override;
  void EndProgram() override;
  bool Ended() override;

 protected:
  MsgResult ShowMessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                           const std::string& title) override;
  std::optional<Color> ShowColorChooser(Color initial) override;
  std::optional<FontChoice> ShowFontChooser(const FontChoice& initial) override;
  void WaitWhileShown(const Window& window) override;

 private:
  Session& session_;
};

}  // namespace hc::win32

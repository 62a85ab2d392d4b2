#pragma once
// The system services on Windows: those without a window, and the screen, pictures, boxes
// and choosers of the running session.

#include "win32_system.h"

namespace hc::win32 {

class Session;

class UiSystem : public Win32System {
 public:
  explicit UiSystem(Session& session) : session_(session) {}

  ScreenSize Screen() override;
  Picture LoadPicture(const std::string& path, std::string* error) override;
  Picture DecodePicture(const std::vector<std::uint8_t>& bytes, const std::string& name) override;
  MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override;
  void RunModal(Window& window) override;
  std::optional<Color> AskColor(Color initial) override;
  std::optional<FontChoice> AskFont(const FontChoice& initial) override;
  void EndProgram() override;
  bool Ended() override;

 private:
  Session& session_;
};

}  // namespace hc::win32

#pragma once
// The system services on Linux: the toolkit-free ones, and the screen, pictures, boxes and
// choosers through Qt.

#include <QLocale>
#include <string>
#include <vector>

#include "linux/linux_system.h"
#include "user_facing_system.h"

namespace hc::qt {

class Session;

// The first character of a locale's decimal separator; "." when that is not ASCII.
char DecimalSeparatorOf(const QLocale& locale);

class QtSystem : public UserFacingSystem<LinuxSystem> {
 public:
  // `arguments` are those after the program name.
  QtSystem(Session& session, const std::vector<std::string>& arguments);

  Session& GetSession() { return session_; }

  std::string CommandLine() override { return command_line_; }
  bool AnotherInstance() override;
  ScreenSize Screen() override;
  double TwipsPerScreenPixel() override;
  Picture LoadPicture(const std::string& path, std::string* error) override;
  Picture DecodePicture(const std::vector<std::uint8_t>& bytes, const std::string& name) override;
  char DecimalSeparator() override;
  void SetCursorPos(int x, int y) override;
  void SetDialogLanguage(DialogLanguage language) override { language_ = language; }
  bool InHostsWindow() override;
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
  std::string command_line_;
  DialogLanguage language_ = DialogLanguage::kEnglish;
};

}  // namespace hc::qt

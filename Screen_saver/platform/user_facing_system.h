#pragma once
// What every backend's system services do about the end of the program and modal windows,
// once for all of them: after the end nobody is there to answer, so a box counts as closed
// and a chooser as cancelled; a modal window is shown and waited for until it hides. A
// backend gives the boxes, the choosers and the wait.

#include <optional>
#include <string>

#include "system.h"

namespace hc {

template <class Base>
class UserFacingSystem : public Base {
 public:
  MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) final {
    if (this->Ended())
      return buttons == MsgButtons::kOkCancel ? MsgResult::kCancel : MsgResult::kOk;
    return ShowMessageBox(text, buttons, icon, title);
  }
  std::optional<Color> AskColor(Color initial) final {
    if (this->Ended()) return std::nullopt;
    return ShowColorChooser(initial);
  }
  std::optional<FontChoice> AskFont(const FontChoice& initial) final {
    if (this->Ended()) return std::nullopt;
    return ShowFontChooser(initial);
  }
  void RunModal(Window& window) final {
    window.SetModal(true);
    window.Show();
    WaitWhileShown(window);
    window.SetModal(false);
  }

 protected:
  virtual MsgResult ShowMessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                   const std::string& title) = 0;
  virtual std::optional<Color> ShowColorChooser(Color initial) = 0;
  virtual std::optional<FontChoice> ShowFontChooser(const FontChoice& initial) = 0;
  // Returns when the window is hidden or the program has ended.
  virtual void WaitWhileShown(const Window& window) = 0;
};

}  // namespace hc

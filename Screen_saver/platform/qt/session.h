#pragma once
// What every window of one run shares: the views, the end of the program and the local
// event loops of modal windows.

#include <QEventLoop>
#include <QRect>
#include <memory>
#include <vector>

#include "model/delivery.h"
#include "model/window.h"
#include "system.h"

namespace hc::qt {

class HostWindow;
class WindowView;

class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  WindowView& Attach(Window& window, System& system);
  WindowView* ViewOf(const Window& window) const;

  bool Ended() const { return ended_; }
  // Everything the user does and every tick reaches the model through here.
  const Delivery& Deliver() const { return delivery_; }
  // Hides every window, stops every timer and leaves every event loop; from then on no
  // event reaches the model.
  void End();
  // The system asks the program to end: its windows close as their close controls would,
  // then it ends.
  void EndRequest();

  // From now on the full-screen window lives in a screensaver host's window, follows its
  // size and takes no input; the program ends when the host's window goes away.
  void HostIn(std::unique_ptr<HostWindow> host);
  HostWindow* Host() const { return host_.get(); }
  // Where a full-screen window goes: the host's window, or the primary screen.
  QRect ScreenRect() const;
  // How much smaller than its layout a full-screen window is drawn: below 1 only in a host's
  // window too small for the face (a settings preview), which then shows it whole.
  double FaceScale() const;
  // The area a full-screen window is laid out for: ScreenRect at the face's scale.
  QRect LayoutRect() const;

  // Runs a local event loop until `window` is hidden or the program ends.
  void WaitWhileShown(const Window& window);
  // Called by a view whose window was hidden.
  void WindowHidden(const Window& window);

 private:
  struct Wait {
    const Window* window;
    QEventLoop* loop;
  };

  bool ended_ = false;
  // Whether the host's window was too small for the face when the program started: only
  // then is the face drawn at a scale, which keeps the X server's composition for the rest.
  bool fits_face_ = false;
  std::unique_ptr<HostWindow> host_;
  Delivery delivery_{[this] { return ended_; }};
  std::vector<std::unique_ptr<WindowView>> views_;
  std::vector<Wait> waits_;
};

}  // namespace hc::qt

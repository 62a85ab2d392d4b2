#pragma once
// What every window of one run shares: the views, the end of the program, the modal
// loops and work put off until the current message has been handled.

#include <functional>
#include <memory>
#include <vector>

#include "model/delivery.h"
#include "model/window.h"
#include "system.h"

namespace hc::win32 {

class WindowView;

class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  WindowView& Attach(Window& window, System& system);
  WindowView* ViewOf(const Window& window) const;
  // The view whose top-level window or one of its descendants is `hwnd`.
  WindowView* ViewOfHandle(void* hwnd) const;

  bool Ended() const { return ended_; }
  // Everything the user does and every tick reaches the model through here.
  const Delivery& Deliver() const { return delivery_; }
  // Hides every window, stops every timer and leaves every loop; from then on no event
  // reaches the model.
  void End();
  // The system asks the program to end: its windows close as their close controls would,
  // then it ends.
  void EndRequest();

  // Runs `work` once the message being handled is done (a list rebuilt under the item
  // just clicked would pull it away from the control).
  void Later(std::function<void()> work);
  // Runs what Later put off; the message loop calls it when it sees the wake-up message.
  void RunLater();

  // Runs the message loop until the program ends; returns the exit code.
  int Loop();
  // Runs the message loop until `window` is hidden or the program ends; the other
  // windows take no input meanwhile.
  void WaitWhileShown(const Window& window);
  // The top-level window a dialog of the system should belong to: the active one of ours.
  void* OwnerForDialogs() const;

 private:
  bool PumpOne();
  bool PreTranslate(void* msg);

  bool ended_ = false;
  Delivery delivery_{[this] { return ended_; }};
  std::vector<std::unique_ptr<WindowView>> views_;
  std::vector<std::function<void()>> later_;
  bool wake_posted_ = false;
};

}  // namespace hc::win32

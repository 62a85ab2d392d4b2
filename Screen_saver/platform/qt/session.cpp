#include "session.h"

#include <QCoreApplication>
#include <algorithm>

#include "window_view.h"

namespace hc::qt {

Session::Session() = default;
Session::~Session() = default;

WindowView& Session::Attach(Window& window, System& system) {
  views_.push_back(std::make_unique<WindowView>(window, *this, system));
  return *views_.back();
}

WindowView* Session::ViewOf(const Window& window) const {
  for (const auto& v : views_)
    if (&v->Model() == &window) return v.get();
  return nullptr;
}

void Session::End() {
  if (ended_) return;
  ended_ = true;
  for (const auto& v : views_) v->Shut();
  for (const Wait& w : waits_) w.loop->quit();
  QCoreApplication::exit(0);
}

void Session::WaitWhileShown(const Window& window) {
  if (ended_ || !window.Visible()) return;
  QEventLoop loop;
  waits_.push_back({&window, &loop});
  loop.exec();
  std::erase_if(waits_, [&loop](const Wait& w) { return w.loop == &loop; });
}

void Session::WindowHidden(const Window& window) {
  for (const Wait& w : waits_)
    if (w.window == &window) w.loop->quit();
}

}  // namespace hc::qt

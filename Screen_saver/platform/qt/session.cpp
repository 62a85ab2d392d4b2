#include "session.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "host_window.h"
#include "window_view.h"

namespace hc::qt {

namespace {

// The room the face needs in any look, with a margin; a host's window smaller than it and
// than the screen (a settings preview) shows the face scaled down to fit.
constexpr QSize kFaceRoom(700, 700);

double ScaleToShow(const QSize& area) {
  return std::min(
      {1.0, area.width() / double(kFaceRoom.width()), area.height() / double(kFaceRoom.height())});
}

}  // namespace

Session::Session() = default;
Session::~Session() = default;

void Session::HostIn(std::unique_ptr<HostWindow> host) {
  host_ = std::move(host);
  // A window of the screen's size shows the face as the screen would.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize whole = screen ? screen->geometry().size() : QSize();
  const QSize size = host_->Size();
  fits_face_ =
      ScaleToShow(size) < 1 && (size.width() < whole.width() || size.height() < whole.height());
  delivery_.SetInputAccepted(false);
  host_->on_resized = [this](QSize) {
    for (const auto& v : views_) v->HostResized();
  };
  host_->on_gone = [this] { End(); };
}

double Session::FaceScale() const {
  if (!host_ || !fits_face_) return 1;
  const double scale = ScaleToShow(host_->Size());
  return scale > 0 ? scale : 1;
}

QRect Session::LayoutRect() const {
  const QRect shown = ScreenRect();
  const double scale = FaceScale();
  return QRect(shown.topLeft(),
               QSize(qRound(shown.width() / scale), qRound(shown.height() / scale)));
}

QRect Session::ScreenRect() const {
  if (host_) return QRect(QPoint(0, 0), host_->Size());
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

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

void Session::EndRequest() {
  std::vector<Window*> windows;
  for (const auto& v : views_) windows.push_back(&v->Model());
  delivery_.EndRequest(windows);
  End();
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

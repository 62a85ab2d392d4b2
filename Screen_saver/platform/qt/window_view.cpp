#include "window_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>
#include <optional>

#include "convert.h"
#include "element_widgets.h"
#include "host_window.h"
#include "model/tab_order.h"
#include "painting.h"
#include "session.h"

namespace hc::qt {

WindowView::WindowView(Window& window, Session& session, System& system)
    : ViewSync(window),
      session_(session),
      system_(system),
      top_(std::make_unique<Surface>(
          window, nullptr, session.Deliver(), [&session] { return session.FaceScale(); },
          nullptr)) {
  // Keys are caught before whichever child has the focus sees them.
  QCoreApplication::instance()->installEventFilter(this);
  Follow();
  ApplyWindow();
  if (window_.Visible()) ShowOnScreen();
}

WindowView::~WindowView() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

void WindowView::Shut() {
  for (auto& [timer, q] : timers_) q->stop();
  top_->hide();
  CoverOtherScreens(false);
}

void WindowView::HostResized() {
  if (!window_.FullScreen()) return;
  top_->setGeometry(session_.ScreenRect());
  const QRect layout = session_.LayoutRect();
  session_.Deliver().Resize(window_, layout.width() * double{kTwipsPerPixel},
                            layout.height() * double{kTwipsPerPixel});
}

void WindowView::AddTimer(const Timer& timer) {
  auto* q = new QTimer(this);
  q->setTimerType(Qt::PreciseTimer);
  connect(q, &QTimer::timeout, this, [this, &timer] { session_.Deliver().Tick(timer); });
  timers_[&timer] = q;
  RestartTimer(timer);
}

void WindowView::AddWindowed(Element& e) {
  if (widgets_built_) CreateWidget(e);
}

bool WindowView::SyncNative(Element& e) {
  const auto it = widgets_.find(&e);
  if (it == widgets_.end()) return false;
  SyncWidget(e, *it->second, system_);
  return true;
}

void WindowView::BuildWidgets() {
  // Every element is known before the widgets are made, so none is made twice.
  Discover();
  widgets_built_ = true;
  paints_windowed_ = PaintWholeInServer() || PaintWholeScaled();
  if (paints_windowed_) return;
  // Elements come after their containers, so each container's widget is there first.
  for (const auto& e : window_.Elements())
    if (e->Windowed()) CreateWidget(*e);
  Restack();
}

bool WindowView::SurfaceCanPaintAll() const {
  if (!window_.FullScreen()) return false;
  for (const auto& e : window_.Elements())
    if (e->Windowed() && !CanPaintWindowed(*e)) return false;
  return true;
}

bool WindowView::PaintWholeInServer() {
  return SurfaceCanPaintAll() && top_->PaintInServer();
}

bool WindowView::PaintWholeScaled() {
  if (session_.FaceScale() == 1 || !SurfaceCanPaintAll()) return false;
  top_->PaintWindowedToo();
  return true;
}

void WindowView::CreateWidget(Element& e) {
  QWidget* w = MakeWidget(e, &SurfaceOf(e.Container()), session_.Deliver(), system_);
  if (!w) return;
  widgets_[&e] = w;
  elements_of_[w] = &e;
  SyncWidget(e, *w, system_);
}

void WindowView::RestartTimer(const Timer& timer) {
  QTimer* q = timers_.at(&timer);
  if (timer.Running() && !session_.Ended())
    q->start(static_cast<int>(timer.Interval()));
  else
    q->stop();
}

Surface& WindowView::SurfaceOf(const Element* container) const {
  if (container)
    if (auto it = widgets_.find(container); it != widgets_.end())
      if (auto* s = dynamic_cast<Surface*>(it->second)) return *s;
  return *top_;
}

void WindowView::InvalidateDrawn(const Element& e, const RectTwips& area) {
  SurfaceOf(e.Container()).Invalidate(ToContainer(e, area));
}

void WindowView::InvalidateAllDrawn() {
  top_->update();
  for (auto& [e, w] : widgets_)
    if (auto* s = dynamic_cast<Surface*>(w)) s->update();
}

void WindowView::WindowChanged() {
  Discover();
  ApplyWindow();
  top_->update();
}

void WindowView::VisibilityChanged() {
  Discover();
  if (window_.Visible()) {
    ShowOnScreen();
  } else {
    top_->hide();
    CoverOtherScreens(false);
    session_.WindowHidden(window_);
  }
}

void WindowView::Restack() {
  for (Element* e : window_.Stacking())
    if (auto it = widgets_.find(e); it != widgets_.end()) it->second->raise();
}

void WindowView::ApplyWindow() {
  top_->setWindowTitle(QString::fromStdString(window_.Caption()));
  const bool frameless = window_.Borderless() || window_.FullScreen();
  if (top_->windowFlags().testFlag(Qt::FramelessWindowHint) != frameless) {
    const bool shown = top_->isVisible();
    // Changing the flags hides a top-level widget.
    top_->setWindowFlag(Qt::FramelessWindowHint, frameless);
    if (shown) top_->show();
  }
  if (window_.FullScreen()) {
    // Without a window manager full screen alone keeps the old size.
    top_->setGeometry(session_.ScreenRect());
    if (top_->isVisible() && !top_->isFullScreen() && !session_.Host()) top_->showFullScreen();
  } else {
    if (top_->windowState() & Qt::WindowFullScreen)
      top_->setWindowState(top_->windowState() & ~Qt::WindowFullScreen);
    top_->move(Px(window_.Left()), Px(window_.Top()));
    top_->resize(Px(window_.Width()), Px(window_.Height()));
  }
  ApplyPointer();
}

void WindowView::ApplyPointer() {
  switch (window_.GetPointer()) {
    case Pointer::kBlank:
      top_->setCursor(Qt::BlankCursor);
      break;
    case Pointer::kCross:
      top_->setCursor(Qt::CrossCursor);
      break;
    default:
      top_->unsetCursor();
      break;
  }
  for (const auto& cover : covers_) cover->setCursor(top_->cursor());
}

void WindowView::ShowOnScreen() {
  if (session_.Ended()) return;
  // A window's widgets are made when it is first shown: a dialog that never opens costs
  // nothing at start-up. Until then the model alone holds what they would show.
  if (!widgets_built_) BuildWidgets();
  const Qt::WindowModality modality = window_.Modal() ? Qt::ApplicationModal : Qt::NonModal;
  if (top_->windowModality() != modality) {
    // Modality is taken when a window is shown.
    top_->hide();
    top_->setWindowModality(modality);
  }
  if (window_.FullScreen() && session_.Host()) {
    // Inside the host's window, at its size.
    top_->winId();
    top_->windowHandle()->setParent(session_.Host()->AsParent());
    top_->setGeometry(session_.ScreenRect());
    top_->show();
  } else if (window_.FullScreen()) {
    top_->setGeometry(session_.ScreenRect());
    top_->showFullScreen();
    top_->setGeometry(session_.ScreenRect());
  } else {
    top_->show();
  }
  top_->raise();
  top_->activateWindow();
  CoverOtherScreens(window_.FullScreen() && !session_.Host());
}

void WindowView::CoverOtherScreens(bool shown) {
  covers_.clear();
  if (!shown) return;
  const QScreen* primary = QGuiApplication::primaryScreen();
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen == primary) continue;
    auto cover = std::make_unique<ScreenCover>(window_, session_.Deliver());
    cover->setCursor(top_->cursor());
    cover->setGeometry(screen->geometry());
    cover->show();
    cover->setGeometry(screen->geometry());
    covers_.push_back(std::move(cover));
  }
}

QWidget* WindowView::WidgetOf(const Element& e) const {
  const auto it = widgets_.find(&e);
  return it == widgets_.end() ? nullptr : it->second;
}

bool WindowView::IsOurs(const QWidget* top_level) const {
  if (top_level == top_.get()) return true;
  for (const auto& cover : covers_)
    if (top_level == cover.get()) return true;
  return false;
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (!IsOurs(widget->window())) return false;
  return HandleKey(static_cast<const QKeyEvent&>(*event), widget);
}

bool WindowView::HandleKey(const QKeyEvent& key, QWidget* receiver) {
  const auto focused = elements_of_.find(receiver);
  const Element* focused_element = focused != elements_of_.end() ? focused->second : nullptr;
  if ((key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) && !window_.on_key_press) {
    const bool backwards = key.key() == Qt::Key_Backtab || key.modifiers() & Qt::ShiftModifier;
    if (const Element* next = NextTabStop(window_, focused_element, backwards))
      if (QWidget* widget = WidgetOf(*next)) widget->setFocus(Qt::TabFocusReason);
    return true;
  }
  const QString text = key.text();
  const std::optional<std::uint16_t> character =
      text.isEmpty() ? std::nullopt : std::optional<std::uint16_t>(text.at(0).unicode());
  const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
  const KeyKind kind = enter                         ? KeyKind::kEnter
                       : key.key() == Qt::Key_Escape ? KeyKind::kEscape
                                                     : KeyKind::kOther;
  return session_.Deliver().KeyPress(window_, kind, character, focused_element);
}

}  // namespace hc::qt

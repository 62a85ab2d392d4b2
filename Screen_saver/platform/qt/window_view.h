#pragma once
// One model window on screen: a top-level surface, a widget for each windowed element and
// a timer for each timer element. It follows the model through the observer calls and
// delivers the user's keys, moves and clicks back to it.

#include <QObject>
#include <QTimer>
#include <memory>
#include <unordered_map>
#include <vector>

#include "model/view_sync.h"
#include "model/window.h"
#include "screen_cover.h"
#include "surface.h"
#include "system.h"

class QKeyEvent;

namespace hc::qt {

class Session;

class WindowView : public QObject, public ViewSync {
 public:
  WindowView(Window& window, Session& session, System& system);
  // The model window may already be gone: nothing here touches it.
  ~WindowView() override;

  const Window& Model() const { return window_; }
  Window& Model() { return window_; }
  QWidget* Widget() const { return top_.get(); }
  // The widget that shows a windowed element; null for one drawn on a surface.
  QWidget* WidgetOf(const Element& e) const;
  // The program ended: hide at once and stop every timer.
  void Shut();
  // The host's window took another size: a full-screen window follows it.
  void HostResized();

  void WindowChanged() override;
  void VisibilityChanged() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void AddTimer(const Timer& timer) override;
  void RestartTimer(const Timer& timer) override;
  void AddWindowed(Element& e) override;
  bool SyncNative(Element& e) override;
  void InvalidateDrawn(const Element& e, const RectTwips& area) override;
  void InvalidateAllDrawn() override;
  void Restack() override;
  bool PaintsWindowed() const override { return paints_windowed_; }
  // A window shown smaller than its layout is drawn whole by its surface, windowed
  // elements included, at the face's scale.
  bool PaintWholeScaled();
  // Whether the window is full screen and its own surface can draw every windowed element.
  bool SurfaceCanPaintAll() const;

 private:
  // A full-screen window whose windowed elements can all be drawn is put together in the X
  // server: the running clock holds no window-sized buffer and never waits on the server.
  bool PaintWholeInServer();
  void BuildWidgets();
  void CreateWidget(Element& e);
  Surface& SurfaceOf(const Element* container) const;
  void ApplyWindow();
  void ApplyPointer();
  void ShowOnScreen();
  // Black covers over the other screens while a full-screen window shows, none otherwise.
  void CoverOtherScreens(bool shown);
  bool IsOurs(const QWidget* top_level) const;
  bool HandleKey(const QKeyEvent& key, QWidget* receiver);

  Session& session_;
  System& system_;
  std::unique_ptr<Surface> top_;
  std::unordered_map<const Element*, QWidget*> widgets_;
  std::unordered_map<const QWidget*, Element*> elements_of_;
  std::unordered_map<const Timer*, QTimer*> timers_;
  bool widgets_built_ = false;
  bool paints_windowed_ = false;
  std::vector<std::unique_ptr<ScreenCover>> covers_;
};

}  // namespace hc::qt

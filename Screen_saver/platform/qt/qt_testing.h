#pragma once
// For tests of the backend: the widget that shows an attached window.

#include <QWidget>

#include "qt_app.h"
#include "qt_system.h"
#include "session.h"
#include "window_view.h"

namespace hc::qt {

// The view of an attached window; null when it has none.
inline WindowView* ViewFor(App& app, const Window& window) {
  return static_cast<QtSystem&>(app.GetSystem()).GetSession().ViewOf(window);
}

inline QWidget* ViewOf(App& app, const Window& window) {
  WindowView* view = ViewFor(app, window);
  return view ? view->Widget() : nullptr;
}

inline QWidget* WidgetOf(App& app, const Window& window, const Element& e) {
  WindowView* view = ViewFor(app, window);
  return view ? view->WidgetOf(e) : nullptr;
}

}  // namespace hc::qt

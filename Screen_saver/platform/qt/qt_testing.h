#pragma once
// For tests of the backend: the widget that shows an attached window.

#include <QWidget>

#include "qt_app.h"
#include "qt_system.h"
#include "session.h"
#include "window_view.h"

namespace hc::qt {

inline QWidget* ViewOf(App& app, const Window& window) {
  auto& system = static_cast<QtSystem&>(app.GetSystem());
  WindowView* view = system.GetSession().ViewOf(window);
  return view ? view->Widget() : nullptr;
}

inline QWidget* WidgetOf(App& app, const Window& window, const Element& e) {
  auto& system = static_cast<QtSystem&>(app.GetSystem());
  WindowView* view = system.GetSession().ViewOf(window);
  return view ? view->WidgetOf(e) : nullptr;
}

}  // namespace hc::qt

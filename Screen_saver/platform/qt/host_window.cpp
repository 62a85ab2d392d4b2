#include "host_window.h"

#include <QGuiApplication>
#include <cstdlib>

namespace hc::qt {

namespace {

xcb_connection_t* Connection() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

}  // namespace

std::unique_ptr<HostWindow> HostWindow::Open(unsigned long id, std::string* error) {
  xcb_connection_t* connection = Connection();
  if (!connection) {
    *error = "a host's window needs the X window system";
    return nullptr;
  }
  xcb_window_t window = static_cast<xcb_window_t>(id);
  if (window == 0) window = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  xcb_get_geometry_reply_t* geometry =
      xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
  if (!geometry) {
    *error = "no such window: " + std::to_string(id);
    return nullptr;
  }
  const QSize size(geometry->width, geometry->height);
  std::free(geometry);
  // Word of the host's resizes and of its end comes as structure events of its window.
  const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);
  auto host = std::unique_ptr<HostWindow>(new HostWindow(window, size));
  qGuiApp->installNativeEventFilter(host.get());
  return host;
}

HostWindow::HostWindow(xcb_window_t id, QSize device_size)
    : id_(id), device_size_(device_size), foreign_(QWindow::fromWinId(id)) {}

HostWindow::~HostWindow() {
  if (qGuiApp) qGuiApp->removeNativeEventFilter(this);
}

QSize HostWindow::Size() const {
  const double ratio = qGuiApp->devicePixelRatio();
  return QSize(qRound(device_size_.width() / ratio), qRound(device_size_.height() / ratio));
}

bool HostWindow::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
  if (type != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  switch (event->response_type & ~0x80) {
    case XCB_CONFIGURE_NOTIFY: {
      const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
      const QSize size(configure->width, configure->height);
      if (configure->window == id_ && size != device_size_) {
        device_size_ = size;
        if (on_resized) on_resized(Size());
      }
      break;
    }
    case XCB_DESTROY_NOTIFY: {
      const auto* destroyed = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
      if (destroyed->window == id_ && on_gone) on_gone();
      break;
    }
    default:
      break;
  }
  return false;
}

}  // namespace hc::qt

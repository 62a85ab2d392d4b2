#include "display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace hc::qt {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool XReachable() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool reached = connection && xcb_connection_has_error(connection) == 0;
  if (connection) xcb_disconnect(connection);
  return reached;
}

// `named`: the platform was asked for by name, so the compositor's usual socket counts too.
bool WaylandReachable(bool named) {
  std::string socket_path = Environment("WAYLAND_DISPLAY");
  if (socket_path.empty() && !named) return false;
  if (socket_path.empty()) socket_path = "wayland-0";
  if (socket_path.front() != '/') {
    const std::string runtime = Environment("XDG_RUNTIME_DIR");
    if (runtime.empty()) return false;
    socket_path = runtime + "/" + socket_path;
  }
  sockaddr_un address{};
  if (socket_path.size() >= sizeof address.sun_path) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, socket_path.c_str(), socket_path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool reached = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return reached;
}

}  // namespace

std::string NoDisplayReason() {
  const std::string platform = Environment("QT_QPA_PLATFORM");
  const bool x = platform.empty() || platform.rfind("xcb", 0) == 0;
  const bool wayland = platform.empty() || platform.rfind("wayland", 0) == 0;
  // Offscreen, a framebuffer or a remote platform: the toolkit answers for itself.
  if (!x && !wayland) return "";
  if (wayland && WaylandReachable(!platform.empty())) return "";
  if (x && XReachable()) return "";
  const std::string display = Environment("DISPLAY");
  if (display.empty() && Environment("WAYLAND_DISPLAY").empty())
    return "no display to show on (neither DISPLAY nor WAYLAND_DISPLAY is set)";
  return "cannot reach the display " + (display.empty() ? Environment("WAYLAND_DISPLAY") : display);
}

}  // namespace hc::qt

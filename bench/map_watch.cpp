// Runs a command and reports how long after its start the first top-level window was
// mapped: bench/idle's measure of start-up, taken from X events so the program measured
// carries no timing code of its own.
// Usage: map_watch REPORT_FILE COMMAND [ARGS...]
// Writes "pid N" as soon as the command runs and "map_ms M" at the first map, then waits
// for the command so that it is reaped when stopped; "ended" if it ends without a map.

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: map_watch REPORT_FILE COMMAND [ARGS...]\n");
    return 2;
  }
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "map_watch: no X display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  // Without a window manager nobody else holds this, and the map must not be missed.
  xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask));

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  std::ofstream report(argv[1]);
  report << "pid " << child << std::endl;
  int status = 0;
  bool mapped = false;
  while (!mapped) {
    pollfd x_events{xcb_get_file_descriptor(x), POLLIN, 0};
    poll(&x_events, 1, 50);
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
      mapped = mapped || (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
      std::free(event);
    }
    if (mapped) {
      const std::chrono::duration<double, std::milli> elapsed =
          std::chrono::steady_clock::now() - start;
      report << "map_ms " << elapsed.count() << std::endl;
    } else if (xcb_connection_has_error(x) || waitpid(child, &status, WNOHANG) == child) {
      // A command that ends without a window (another instance running, say) is not
      // waited for twice.
      report << "ended" << std::endl;
      return 1;
    }
  }
  xcb_disconnect(x);
  waitpid(child, &status, 0);
  return 0;
}

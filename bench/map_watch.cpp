// Runs a command and reports how long after its start the first top-level window was
// mapped: bench/idle's measure of start-up, taken from X events so the program measured
// carries no timing code of its own.
// Usage: map_watch REPORT_FILE COMMAND [ARGS...]
// Writes "pid N" as soon as the command runs and "map_ms M" at the first map, then waits
// for the command so that it is reaped when stopped.

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
  while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
    const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
    std::free(event);
    if (!mapped) continue;
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    report << "map_ms " << elapsed.count() << std::endl;
    break;
  }
  xcb_disconnect(x);
  int status = 0;
  waitpid(child, &status, 0);
  return 0;
}

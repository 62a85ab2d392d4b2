#include "host_window_args.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace hc::host {

std::optional<unsigned long> ParseWindowId(const std::string& text) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = hex ? text.substr(2) : text;
  const auto is_digit = [hex](unsigned char c) { return hex ? std::isxdigit(c) : std::isdigit(c); };
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), is_digit)) return std::nullopt;
  errno = 0;
  const unsigned long id = std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10);
  if (errno == ERANGE || id == 0) return std::nullopt;
  return id;
}

HostWindowRequest TakeHostWindowArguments(std::vector<std::string>& args,
                                          const char* xscreensaver_window) {
  HostWindowRequest request;
  bool root = false;
  std::optional<unsigned long> named;
  for (auto it = args.begin(); it != args.end();) {
    if (*it == "--root" || *it == "-root") {
      root = true;
      it = args.erase(it);
    } else if (*it == "--window-id" || *it == "-window-id") {
      it = args.erase(it);
      if (it == args.end()) {
        request.error = "--window-id needs a window id";
        return request;
      }
      named = ParseWindowId(*it);
      if (!named) {
        request.error = "not a window id: " + *it;
        return request;
      }
      it = args.erase(it);
    } else {
      ++it;
    }
  }
  request.hosted = root || named;
  if (named) {
    request.window = *named;
  } else if (root && xscreensaver_window && *xscreensaver_window) {
    const auto given = ParseWindowId(xscreensaver_window);
    if (!given) {
      request.error = std::string("XSCREENSAVER_WINDOW is not a window id: ") + xscreensaver_window;
      return request;
    }
    request.window = *given;
  }
  return request;
}

}  // namespace hc::host

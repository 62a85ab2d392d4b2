#include "paths.h"

namespace hc {

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// How long the root at the start of `path` is: up to and with the first separator, or, on a
// network path (\\server\share\x), with the one after the share's name; the whole of a
// network path that has none. npos for a path without any separator.
std::size_t RootLength(const std::string& path, const std::string& separator) {
  const auto first = path.find(separator);
  if (first == std::string::npos) return std::string::npos;
  const std::string unc = separator + separator;
  if (separator == "\\" && path.compare(0, unc.size(), unc) == 0) {
    const auto server_end = path.find(separator, unc.size());
    if (server_end == std::string::npos) return path.size();
    const auto share_end = path.find(separator, server_end + separator.size());
    return share_end == std::string::npos ? path.size() : share_end + separator.size();
  }
  return first + separator.size();
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name,
                     const std::string& separator) {
  if (folder.empty() || EndsWith(folder, separator)) return folder + name;
  return folder + separator + name;
}

std::vector<std::string> FolderChain(const std::string& path, const std::string& separator) {
  if (separator.empty()) return {path};
  const auto root = RootLength(path, separator);
  if (root == std::string::npos) return {path};
  std::string so_far = path.substr(0, root);
  std::vector<std::string> chain{so_far};
  std::size_t start = so_far.size();
  while (start < path.size()) {
    auto end = path.find(separator, start);
    if (end == std::string::npos) end = path.size();
    if (end > start) {
      so_far = JoinPath(so_far, path.substr(start, end - start), separator);
      chain.push_back(so_far);
    }
    start = end + separator.size();
  }
  return chain;
}

std::string LastPart(const std::string& path, const std::string& separator) {
  if (separator.empty() || EndsWith(path, separator)) return path;
  if (RootLength(path, separator) == path.size()) return path;
  const auto cut = path.rfind(separator);
  return cut == std::string::npos ? path : path.substr(cut + separator.size());
}

}  // namespace hc

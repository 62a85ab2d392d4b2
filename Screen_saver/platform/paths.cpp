#include "paths.h"

namespace hc {

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name,
                     const std::string& separator) {
  if (folder.empty() || EndsWith(folder, separator)) return folder + name;
  return folder + separator + name;
}

std::vector<std::string> FolderChain(const std::string& path, const std::string& separator) {
  if (separator.empty()) return {path};
  const auto first = path.find(separator);
  if (first == std::string::npos) return {path};
  std::string so_far = path.substr(0, first + separator.size());
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
  const auto cut = path.rfind(separator);
  return cut == std::string::npos ? path : path.substr(cut + separator.size());
}

}  // namespace hc

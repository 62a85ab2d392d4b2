#pragma once
// Paths as text, joined by the system's separator ("\" on Windows, "/" elsewhere).

#include <string>
#include <vector>

namespace hc {

// `folder` and `name` joined by one separator; a folder that already ends in one (a root
// such as "/" or "C:\") gets no second.
std::string JoinPath(const std::string& folder, const std::string& name,
                     const std::string& separator);

// A folder and its ancestors, root first: "/a/b" gives "/", "/a", "/a/b", and "C:\a"
// gives "C:\", "C:\a". The root is everything up to and with the first separator.
std::vector<std::string> FolderChain(const std::string& path, const std::string& separator);

// The last part of a path: its name, or the whole root for a root.
std::string LastPart(const std::string& path, const std::string& separator);

}  // namespace hc

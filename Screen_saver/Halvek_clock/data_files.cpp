#include "data_files.h"

#include "paths.h"

namespace hc {

std::string DataFiles::Beside(const std::string& name) const {
  return JoinPath(system_.ProgramFolder(), name, system_.PathSeparator());
}

std::string DataFiles::Own(const std::string& name) const {
  const std::string folder = system_.UserDataFolder();
  return folder.empty() ? std::string() : JoinPath(folder, name, system_.PathSeparator());
}

std::string DataFiles::ForReading(const std::string& name) const {
  const std::string own = Own(name);
  return !own.empty() && !system_.FirstFile(own).empty() ? own : Beside(name);
}

std::string DataFiles::ForWriting(const std::string& name) const {
  // A file the user keeps elsewhere through a link of their own is saved where it lives.
  return system_.UsersFileAt(Place(name));
}

std::string DataFiles::Place(const std::string& name) const {
  const std::string own = Own(name);
  if (own.empty()) return Beside(name);
  if (!system_.FirstFile(own).empty()) return own;
  if (system_.FolderWritable(system_.ProgramFolder())) return Beside(name);
  // A folder that cannot be made shows up as the write's own failure.
  system_.MakeFolder(system_.UserDataFolder());
  return own;
}

}  // namespace hc

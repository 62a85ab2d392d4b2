#pragma once
// Where the user's settings file and background pictures live: beside the program, as long
// as the program's folder can be written; otherwise in the user's own folder. A file found
// in the user's own folder is read and written there first, so a choice saved there once
// is not shadowed by the copy beside the program.

#include <string>

#include "system.h"

namespace hc {

inline constexpr char kSettingsFile[] = "Halvek_Clock.ini";
inline constexpr char kBackgroundFile[] = "Halvek_Clock_bg.jpg";
// The background in place before the user chose another, until Save or Cancel settles it.
inline constexpr char kKeptBackgroundFile[] = "Halvek_Clock_tmp.jpg";

class DataFiles {
 public:
  explicit DataFiles(System& system) : system_(system) {}

  // The file to read: the user's own copy when there is one, else the one beside the program.
  std::string ForReading(const std::string& name) const;
  // The file to write; the user's own folder is made when it is the one written.
  std::string ForWriting(const std::string& name) const;

 private:
  std::string Beside(const std::string& name) const;
  // Where the file to write lies: the user's folder or beside the program.
  std::string Place(const std::string& name) const;
  // The user's own copy of the file; empty when the system has no folder for the user.
  std::string Own(const std::string& name) const;

  System& system_;
};

}  // namespace hc

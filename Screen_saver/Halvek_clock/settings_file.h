#pragma once
// The settings file Halvek_Clock.ini: 13 lines of key "=" value beside the program. The
// reader goes by line position; the writers always write the 13 keys in order.

#include <optional>
#include <string>
#include <vector>

#include "Module1.h"
#include "model/units.h"
#include "system.h"

namespace hc {

IniTable DefaultIniTable();

enum class SettingsRead { kRead, kMissing, kUnreadable };

// Fills the table from the file: up to 16 lines, each value the text after the first "="
// (the whole line when it has none). The table stays untouched unless the file was read.
SettingsRead ReadSettingsFile(System& system, const std::string& path, IniTable& table);

// The 13 lines written when the file is missing.
std::vector<std::string> DefaultSettingsLines(const Module1& module, int back_state,
                                              char decimal_separator);

// What the options dialog's Save takes from the running clock.
struct SavedDisplay {
  int back = 0;
  Color hours = 0, minutes = 0, seconds = 0, circles = 0;
  double hours_size = 0;
  std::string font_name;
  int clock2 = 0;
};
std::vector<std::string> SaveSettingsLines(const Module1& module, const SavedDisplay& display,
                                           char decimal_separator);

// Conversions of slot texts; a text that holds no number gives nothing.
std::optional<float> SlotNumber(const std::string& text, char decimal_separator);
// A colour 0x00BBGGRR written as a decimal integer.
std::optional<Color> SlotColor(const std::string& text, char decimal_separator);

}  // namespace hc

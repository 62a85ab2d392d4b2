#include "settings_file.h"

#include <cmath>
#include <limits>

#include "number_text.h"

namespace hc {

IniTable DefaultIniTable() {
  return {"0",        "0", "Default", "0",      "1", "0", "255", "8421631",
          "12632319", "0", "30",      "Tahoma", "0", "",  "",    ""};
}

SettingsRead ReadSettingsFile(System& system, const std::string& path, IniTable& table) {
  if (system.FirstFile(path).empty()) return SettingsRead::kMissing;
  const auto lines = system.ReadLines(path);
  if (!lines) return SettingsRead::kUnreadable;
  for (std::size_t i = 0; i < lines->size() && i < table.size(); ++i) {
    const std::string& line = (*lines)[i];
    const auto eq = line.find('=');
    table[i] = eq == std::string::npos ? line : line.substr(eq + 1);
  }
  return SettingsRead::kRead;
}

namespace {

const char* const kKeys[] = {"ViewTime", "ShapeWidth", "PicCenter", "SlideShowTime", "Localisation",
                             "Back",     "HColor",     "MColor",    "SColor",        "CColor",
                             "HSize",    "FName",      "Clock2"};

std::vector<std::string> Keyed(const std::vector<std::string>& values) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < values.size(); ++i) lines.push_back(kKeys[i] + ("=" + values[i]));
  return lines;
}

}  // namespace

std::vector<std::string> DefaultSettingsLines(const Module1& m, int back_state, char sep) {
  const IniTable& t = m.IniValue;
  return Keyed({FormatSingle(m.ViewTime, sep), FormatSingle(m.ShapeWidth, sep), m.PicCenter, "0",
                FormatSingle(m.Localisation, sep), std::to_string(back_state), t[kHColor],
                t[kMColor], t[kSColor], t[kCColor], t[kHSize], t[kFName], t[kClock2]});
}

std::vector<std::string> SaveSettingsLines(const Module1& m, const SavedDisplay& d, char sep) {
  return Keyed({FormatSingle(m.ViewTime, sep), FormatSingle(m.ShapeWidth, sep), m.PicCenter,
                FormatSingle(m.SlideShowTime, sep), FormatSingle(m.Localisation, sep),
                std::to_string(d.back), std::to_string(d.hours), std::to_string(d.minutes),
                std::to_string(d.seconds), std::to_string(d.circles),
                FormatSingle(static_cast<float>(d.hours_size), sep), d.font_name,
                std::to_string(d.clock2)});
}

std::optional<float> SlotNumber(const std::string& text, char sep) {
  const auto value = ParseNumber(text, sep);
  // A number beyond single precision has no value in the slot.
  if (!value || std::abs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*value);
}

std::optional<Color> SlotColor(const std::string& text, char sep) {
  const auto value = ParseInt32(text, sep);
  if (!value || *value < 0 || *value > 0xFFFFFF) return std::nullopt;
  return static_cast<Color>(*value);
}

}  // namespace hc

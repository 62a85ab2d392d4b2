#pragma once
// Settings files for tests: the 13 lines the clock writes, its defaults but for the values a
// test gives, so a test names only what it is about.

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace hc::testing {

class SettingsText {
 public:
  // Replaces the value of `key`, one of the 13 keys.
  SettingsText& Set(std::string_view key, std::string value) {
    for (auto& [k, v] : lines_)
      if (k == key) {
        v = std::move(value);
        return *this;
      }
    throw std::invalid_argument("no settings key " + std::string(key));
  }
  // The first `count` lines as "key=value", each ending in CR LF.
  std::string Lines(std::size_t count = 13) const {
    std::string text;
    for (std::size_t i = 0; i < count && i < lines_.size(); ++i)
      text += std::string(lines_[i].first) + "=" + lines_[i].second + "\r\n";
    return text;
  }
  operator std::string() const { return Lines(); }

 private:
  std::array<std::pair<std::string_view, std::string>, 13> lines_{{{"ViewTime", "0"},
                                                                   {"ShapeWidth", "0"},
                                                                   {"PicCenter", "Default"},
                                                                   {"SlideShowTime", "0"},
                                                                   {"Localisation", "1"},
                                                                   {"Back", "0"},
                                                                   {"HColor", "255"},
                                                                   {"MColor", "8421631"},
                                                                   {"SColor", "12632319"},
                                                                   {"CColor", "0"},
                                                                   {"HSize", "30"},
                                                                   {"FName", "Tahoma"},
                                                                   {"Clock2", "0"}}};
};

}  // namespace hc::testing

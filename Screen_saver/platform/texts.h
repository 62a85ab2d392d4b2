#pragma once
// Texts in the two interface languages, and which one a language value picks.

#include <optional>
#include <string>

namespace hc {

// Language values: 0 Russian, 1 English.
inline constexpr float kRussian = 0;
inline constexpr float kEnglish = 1;

// One text in both languages.
struct Texts {
  const char* english;
  const char* russian;
};

// The column of texts a language value picks; nothing for a value that names no language.
class TextColumn {
 public:
  static std::optional<TextColumn> For(float language) {
    if (language == kRussian) return TextColumn(false);
    if (language == kEnglish) return TextColumn(true);
    return std::nullopt;
  }
  std::string operator()(const Texts& t) const { return english_ ? t.english : t.russian; }

 private:
  explicit TextColumn(bool english) : english_(english) {}
  bool english_;
};

}  // namespace hc

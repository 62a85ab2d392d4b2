#pragma once
// A text font as the elements hold it. The size reads back as the size in effect:
// glyphs are rendered at whole pixels at 96 dpi, so a size is a multiple of 0.75 pt.

#include <string>

namespace hc {

inline constexpr int kCharsetAnsi = 0;
inline constexpr int kCharsetCyrillic = 204;

// The size a font really takes when asked for `points`: whole pixels at 96 dpi, at least one.
double EffectiveFontSize(double points);

class Font {
 public:
  Font() = default;
  Font(std::string name, double points, bool bold = false, int charset = kCharsetAnsi)
      : name_(std::move(name)), size_(EffectiveFontSize(points)), bold_(bold), charset_(charset) {}

  const std::string& Name() const { return name_; }
  double Size() const { return size_; }
  int SizePixels() const;
  bool Bold() const { return bold_; }
  int Charset() const { return charset_; }

  void SetName(std::string name) { name_ = std::move(name); }
  void SetSize(double points) { size_ = EffectiveFontSize(points); }
  void SetBold(bool bold) { bold_ = bold; }
  void SetCharset(int charset) { charset_ = charset; }

  bool operator==(const Font&) const = default;

 private:
  std::string name_ = "MS Sans Serif";
  double size_ = 8.25;
  bool bold_ = false;
  int charset_ = kCharsetAnsi;
};

}  // namespace hc

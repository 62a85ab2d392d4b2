#include "number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace hc {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string WithSeparator(std::string s, char decimal_separator) {
  for (char& c : s)
    if (c == '.') c = decimal_separator;
  return s;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text, char decimal_separator) {
  const std::string_view s = Trimmed(text);
  // Accept only [sign] digits [sep digits] [e [sign] digits]; strtod alone would take
  // hex, infinities and trailing junk.
  std::string canonical;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) canonical += s[i++];
  int digits = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
    canonical += s[i++];
    ++digits;
  }
  if (i < s.size() && (s[i] == decimal_separator || s[i] == '.' || s[i] == ',')) {
    canonical += '.';
    ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
      canonical += s[i++];
      ++digits;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    canonical += 'e';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) canonical += s[i++];
    int exp_digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
      canonical += s[i++];
      ++exp_digits;
    }
    if (exp_digits == 0) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  // charconv ignores the C locale, which a toolkit may have switched to the user's.
  double value = 0;
  const auto [end, ec] = std::from_chars(canonical.data() + (canonical[0] == '+'),
                                         canonical.data() + canonical.size(), value);
  if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::int32_t> ParseInt32(std::string_view text, char decimal_separator) {
  const auto value = ParseNumber(text, decimal_separator);
  if (!value) return std::nullopt;
  const double rounded = std::nearbyint(*value);  // the default mode rounds halves to even
  if (rounded < std::numeric_limits<std::int32_t>::min() ||
      rounded > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(rounded);
}

std::string FormatSingle(float value, char decimal_separator) {
  // Find the fewest significant digits that read back as the same single-precision value,
  // then write them in plain decimal notation unless the exponent is very large or small.
  char buffer[64];
  int digits = 7;
  for (int precision = 0; precision < 7; ++precision) {
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value,
                                 std::chars_format::scientific, precision);
    float back = 0;
    std::from_chars(buffer, r.ptr, back);
    if (back == value) {
      digits = precision + 1;
      break;
    }
  }
  auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                         digits - 1);
  const std::string scientific(buffer, r.ptr);
  const int exponent = std::stoi(scientific.substr(scientific.find('e') + 1));
  std::string text;
  if (value != 0 && (exponent >= 7 || exponent < -5)) {
    text = scientific;
  } else {
    const int decimals = std::max(0, digits - 1 - exponent);
    r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    text.assign(buffer, r.ptr);
  }
  return WithSeparator(text, decimal_separator);
}

std::string FormatFontSize(double points, char decimal_separator) {
  char buffer[48];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, points, std::chars_format::fixed, 4);
  std::string s(buffer, result.ptr);
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return WithSeparator(s, decimal_separator);
}

bool IsSingleDigit(std::string_view text) {
  return text.size() == 1 && text[0] >= '0' && text[0] <= '9';
}

}  // namespace hc

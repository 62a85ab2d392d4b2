#pragma once
// Locale-aware conversions between numbers and their text, as the settings file and the
// dialogs write and read them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hc {

// A decimal number with blanks around it allowed, an optional sign, and the user's decimal
// separator. A point and a comma are accepted too, whatever the user's separator, so a file
// written under another locale reads the same (number texts never group thousands).
// Nothing when the text is no number.
std::optional<double> ParseNumber(std::string_view text, char decimal_separator);
// The same, rounded to a whole number (halves to even) within the 32-bit range.
std::optional<std::int32_t> ParseInt32(std::string_view text, char decimal_separator);

// A single-precision value in its shortest form of at most 7 significant digits; no
// separator for whole values ("20", "20.25", "1.8").
std::string FormatSingle(float value, char decimal_separator);
// A font size: at most four decimals, no trailing zeros ("20.25", "30").
std::string FormatFontSize(double points, char decimal_separator);

// The pattern "#": exactly one decimal digit.
bool IsSingleDigit(std::string_view text);

}  // namespace hc

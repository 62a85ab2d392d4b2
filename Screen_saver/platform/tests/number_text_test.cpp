#include "number_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace hc {
namespace {

TEST(ParseNumber, AcceptsWhatTheSettingsFileHolds) {
  struct Case {
    const char* text;
    char separator;
    std::optional<double> value;
  };
  const Case cases[] = {
      {"0", '.', 0},         {" 1", '.', 1},        {"1 ", '.', 1},        {"20.25", '.', 20.25},
      {"20,25", ',', 20.25}, {"20.25", ',', 20.25}, {"-3", '.', -3},       {"+2.5", '.', 2.5},
      {"1e3", '.', 1000},    {".5", '.', 0.5},      {"", '.', {}},         {"   ", '.', {}},
      {"x", '.', {}},        {"1a", '.', {}},       {"20,25", '.', 20.25}, {"0x10", '.', {}},
      {"inf", '.', {}},      {"1e", '.', {}},       {"1e999", '.', {}},    {"-", '.', {}},
      {"1 2", '.', {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseNumber(c.text, c.separator), c.value) << c.text;
}

TEST(ParseInt32, RoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
  EXPECT_EQ(ParseInt32("12632319", '.'), 12632319);
  EXPECT_EQ(ParseInt32("2.5", '.'), 2);
  EXPECT_EQ(ParseInt32("3.5", '.'), 4);
  EXPECT_EQ(ParseInt32("-1", '.'), -1);
  EXPECT_EQ(ParseInt32("2147483648", '.'), std::nullopt);
  EXPECT_EQ(ParseInt32("red", '.'), std::nullopt);
}

TEST(FormatSingle, WritesTheShortestFormWithTheUsersSeparator) {
  EXPECT_EQ(FormatSingle(0.0f, '.'), "0");
  EXPECT_EQ(FormatSingle(20.25f, '.'), "20.25");
  EXPECT_EQ(FormatSingle(20.25f, ','), "20,25");
  EXPECT_EQ(FormatSingle(1.8f, '.'), "1.8");
  EXPECT_EQ(FormatSingle(540.0f, '.'), "540");
  EXPECT_EQ(FormatSingle(-2.5f, '.'), "-2.5");
  EXPECT_EQ(FormatSingle(1.0f / 3.0f, '.'), "0.3333333");
}

TEST(FormatFontSize, KeepsAtMostFourDecimals) {
  EXPECT_EQ(FormatFontSize(20.25, '.'), "20.25");
  EXPECT_EQ(FormatFontSize(30, '.'), "30");
  EXPECT_EQ(FormatFontSize(14.25, ','), "14,25");
  EXPECT_EQ(FormatFontSize(19.6666666, '.'), "19.6667");
}

TEST(IsSingleDigit, MatchesExactlyOneDigit) {
  EXPECT_TRUE(IsSingleDigit("0"));
  EXPECT_TRUE(IsSingleDigit("7"));
  for (const char* no : {"", "01", "1.0", "x", " 1", "-1"}) EXPECT_FALSE(IsSingleDigit(no)) << no;
}

}  // namespace
}  // namespace hc

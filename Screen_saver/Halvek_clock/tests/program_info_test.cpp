// What the program prints when asked about itself, and that nothing a host passes asks.

#include "program_info.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace hc {
namespace {

enum class Answer { kClock, kHelp, kVersion };

struct ArgumentsCase {
  const char* name;
  std::vector<std::string> arguments;
  Answer answer;
  friend void PrintTo(const ArgumentsCase& c, std::ostream* os) { *os << c.name; }
};

class Arguments : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(Arguments, OnlyTheHelpAndVersionRequestsKeepTheClockFromStarting) {
  const ArgumentsCase& c = GetParam();
  const auto info = RequestedProgramInfo(c.arguments, "9.8.7");
  switch (c.answer) {
    case Answer::kClock:
      EXPECT_FALSE(info.has_value()) << *info;
      break;
    case Answer::kHelp:
      ASSERT_TRUE(info.has_value());
      EXPECT_EQ(*info, HelpText());
      break;
    case Answer::kVersion:
      ASSERT_TRUE(info.has_value());
      EXPECT_EQ(*info, "HalvekClock 9.8.7\n");
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Arguments,
    ::testing::Values(ArgumentsCase{"None", {}, Answer::kClock},
                      ArgumentsCase{"Screensaver", {"/s"}, Answer::kClock},
                      ArgumentsCase{"Options", {"/c"}, Answer::kClock},
                      ArgumentsCase{"OptionsWithAParentWindow", {"/c:1234"}, Answer::kClock},
                      ArgumentsCase{"Preview", {"/p", "5678"}, Answer::kClock},
                      ArgumentsCase{"Root", {"--root"}, Answer::kClock},
                      ArgumentsCase{"ShortRoot", {"-root"}, Answer::kClock},
                      ArgumentsCase{"WindowId", {"-window-id", "0x2a00007"}, Answer::kClock},
                      ArgumentsCase{"AnythingElse", {"/S"}, Answer::kClock},
                      ArgumentsCase{"NearlyHelp", {"-help"}, Answer::kClock},
                      ArgumentsCase{"HelpInCapitals", {"--HELP"}, Answer::kClock},
                      ArgumentsCase{"SlashQuestionMark", {"/?"}, Answer::kClock},
                      ArgumentsCase{"LongHelp", {"--help"}, Answer::kHelp},
                      ArgumentsCase{"ShortHelp", {"-h"}, Answer::kHelp},
                      ArgumentsCase{"HelpAfterAMode", {"/s", "-h"}, Answer::kHelp},
                      ArgumentsCase{"Version", {"--version"}, Answer::kVersion},
                      ArgumentsCase{
                          "TheFirstRequestDecides", {"--version", "--help"}, Answer::kVersion}),
    [](const auto& info) { return info.param.name; });

TEST(HelpText, NamesEveryModeAndHackFlagAndWhereTheSettingsLive) {
  const std::string help = HelpText();
  for (const char* needed :
       {"/s ", "/c ", "/p ", "--root", "-root\n", "--window-id ID", "-window-id ID\n",
        "XSCREENSAVER_WINDOW", "Halvek_Clock.ini", "$XDG_CONFIG_HOME/HalvekClock/",
        "~/.config/HalvekClock/", "--version", "--help"})
    EXPECT_NE(help.find(needed), std::string::npos) << "the help does not mention " << needed;
}

TEST(HelpText, FitsATerminalOfEightyColumns) {
  std::istringstream lines(HelpText());
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;
}

}  // namespace
}  // namespace hc

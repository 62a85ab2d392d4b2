// What the Qt backend adds to the Linux services: the locale and the command line.

#include "qt_fixture.h"
#include "qt_system.h"

namespace hc::qt {
namespace {

TEST(Locale, DecimalSeparatorIsOneAsciiCharacter) {
  EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::German, QLocale::Germany)), ',');
  EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::Russian, QLocale::Russia)), ',');
  EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::English, QLocale::UnitedStates)), '.');
  EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::Arabic, QLocale::Egypt)), '.')
      << "a separator outside ASCII";
}

TEST(CommandLine, ArgumentsAfterTheProgramNameLessTheToolkitsOwn) {
  std::string words[] = {
      "/opt/hc/HalvekClock", "-platform", "offscreen", "/p", "4242", "two words"};
  char* argv[7] = {};
  for (int i = 0; i < 6; ++i) argv[i] = words[i].data();
  int argc = 6;
  App app(argc, argv);
  EXPECT_EQ(app.GetSystem().CommandLine(), "/p 4242 two words");
}

}  // namespace
}  // namespace hc::qt

#include "settings_file.h"

#include <string>
#include <vector>

#include "clock_fixture.h"

namespace hc::testing {
namespace {

using SettingsFile = ClockTest;

TEST_F(SettingsFile, TheReaderTakesEverythingAfterTheFirstEqualsSignByLinePosition) {
  PutSettings(
      "ViewTime = 1\r\n"
      "ShapeWidth\r\n"
      "PicCenter=C:\\pics\\a=b.gif\r\n"
      "\r\n"
      "Localisation=0\n"  // a lone LF ends a line too
      "Back=1\r\n"
      "HColor=16711680\r\n"
      "MColor=65280\r\n"
      "SColor=255\r\n"
      "CColor=8\r\n"
      "HSize=12\r\n"
      "FName=Arial\r\n"
      "Clock2=0\r\n"
      "x=13\r\ny=14\r\nz=15\r\nseventeenth=16\r\n");
  IniTable table = DefaultIniTable();
  ASSERT_EQ(ReadSettingsFile(system, Path("Halvek_Clock.ini"), table), SettingsRead::kRead);
  const IniTable expected{" 1",       "ShapeWidth", "C:\\pics\\a=b.gif",
                          "",         "0",          "1",
                          "16711680", "65280",      "255",
                          "8",        "12",         "Arial",
                          "0",        "13",         "14",
                          "15"};
  EXPECT_EQ(table, expected);
}

TEST_F(SettingsFile, NoFileLeavesTheTableAsItWas) {
  IniTable table = DefaultIniTable();
  EXPECT_EQ(ReadSettingsFile(system, Path("Halvek_Clock.ini"), table), SettingsRead::kMissing);
  EXPECT_EQ(table, DefaultIniTable());
}

TEST_F(SettingsFile, AFileThatCannotBeReadRunsOnTheDefaultsAndIsLeftAlone) {
  const std::string users =
      "ViewTime=1\r\nShapeWidth=1\r\nPicCenter=Default\r\n0\r\nLocalisation=0\r\n";
  for (const char* mode : {"/s", "/p"}) {
    clock.reset();
    system.ended = false;
    PutSettings(users);
    system.unreadable_files = {Path("Halvek_Clock.ini")};
    system.command_line = mode;
    Form1& c = Start();
    EXPECT_EQ(Settings(), users) << mode << ": the user's settings are not overwritten";
    EXPECT_EQ(c.module.ViewTime, 0) << mode;
    EXPECT_EQ(c.module.ShapeWidth, 0) << mode;
    EXPECT_EQ(c.module.Localisation, kEnglish) << mode;
    EXPECT_EQ(c.module.PicCenter, "Default") << mode;
    EXPECT_TRUE(system.messages.empty()) << mode << ": no message at start-up";
    EXPECT_EQ(system.ended, std::string(mode) == "/p");
  }
}

TEST_F(SettingsFile, AShortFileKeepsTheDefaultsOfTheMissingLines) {
  PutSettings(
      "ViewTime=1\r\nShapeWidth=1\r\nPicCenter=Default\r\nSlideShowTime=0\r\nLocalisation=1");
  Form1& c = Start();
  EXPECT_EQ(Options().chkBG(0).Value(), 0);
  EXPECT_EQ(c.LineS(2).LineColor(), 255u);
  EXPECT_EQ(c.LineS(1).LineColor(), 8421631u);
  EXPECT_EQ(c.LineS(0).LineColor(), 12632319u);
  EXPECT_EQ(c.ShapeS(2).FillColor(), 0u);
  EXPECT_EQ(c.lblS(2).GetFont(), Font("Tahoma", 30, true));
  EXPECT_EQ(Options().chkBG(1).Value(), 0);
  EXPECT_EQ(c.module.ViewTime, 1);
}

struct LanguageCase {
  const char* value;
  float language;
  const char* save_caption;
};

class LocalisationSlot : public ClockTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LocalisationSlot, OnlyASingleDigitZeroChoosesRussian) {
  PutSettings(std::string("0\r\n0\r\nDefault\r\n0\r\nLocalisation=") + GetParam().value + "\r\n");
  Form1& c = Start();
  EXPECT_EQ(c.module.Localisation, GetParam().language);
  EXPECT_EQ(Options().cmdOK(0).Text(), GetParam().save_caption);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LocalisationSlot,
    ::testing::Values(LanguageCase{"0", 0, "Сохранить"}, LanguageCase{"1", 1, "Save"},
                      LanguageCase{"1.0", 1, "Save"}, LanguageCase{"01", 1, "Save"},
                      LanguageCase{"x", 1, "Save"}, LanguageCase{"", 1, "Save"},
                      LanguageCase{"7", 1, "Save"}));

TEST_F(SettingsFile, ValuesThatAreNoNumbersTakeTheirDefaults) {
  PutSettings(
      "ViewTime=soon\r\nShapeWidth=wide\r\nPicCenter=\r\nSlideShowTime=often\r\nLocalisation=ru\r\n"
      "Back=7\r\nHColor=red\r\nMColor=-5\r\nSColor=99999999\r\nCColor=\r\nHSize=big\r\n"
      "FName=Arial\r\nClock2=yes\r\n");
  Form1& c = Start();
  EXPECT_FALSE(system.ended);
  EXPECT_EQ(c.module.ViewTime, 0);
  EXPECT_EQ(c.module.ShapeWidth, 0);
  EXPECT_EQ(c.module.SlideShowTime, 0);
  EXPECT_EQ(Options().chkBG(0).Value(), 0);
  EXPECT_EQ(Options().chkBG(1).Value(), 0);
  EXPECT_EQ(c.LineS(2).LineColor(), 255u);
  EXPECT_EQ(c.LineS(1).LineColor(), 8421631u);
  EXPECT_EQ(c.LineS(0).LineColor(), 12632319u);
  EXPECT_EQ(c.ShapeS(3).FillColor(), 0u);
  EXPECT_EQ(c.lblS(2).GetFont().Size(), 30);
  EXPECT_EQ(c.lblS(2).GetFont().Name(), "Arial");
  // The tick places the face even though the dial switch in the table is no number.
  pump.Advance(1000);
  EXPECT_NE(c.ShapeS(4).Left(), 0);
}

TEST(SlotConversions, NumbersBeyondTheSlotsRangeAreNone) {
  struct Case {
    const char* text;
    std::optional<float> number;
    std::optional<Color> color;
  };
  for (const Case& k :
       {Case{"3e38", 3e38f, std::nullopt}, Case{"-3e38", -3e38f, std::nullopt},
        Case{"1e39", std::nullopt, std::nullopt}, Case{"-1e300", std::nullopt, std::nullopt},
        Case{"16777215", 16777215.0f, 0xFFFFFFu}, Case{"16777216", 16777216.0f, std::nullopt}}) {
    EXPECT_EQ(SlotNumber(k.text, '.'), k.number) << k.text;
    EXPECT_EQ(SlotColor(k.text, '.'), k.color) << k.text;
  }
}

TEST_F(SettingsFile, BackWinsOverClock2WhenBothAreTicked) {
  PutSettings(SettingsText().Set("Back", "1").Set("Clock2", "1"));
  Form1& c = Start();
  EXPECT_EQ(Options().chkBG(0).Value(), 1);
  EXPECT_EQ(Options().chkBG(1).Value(), 0);
  EXPECT_EQ(c.module.IniValue[kClock2], "0");
  EXPECT_TRUE(c.LineS(0).Visible()) << "the lines the dial look hid are back";
  EXPECT_EQ(c.ShapeS(4).Width(), 1080);
  EXPECT_TRUE(Options().lblCH.Visible());
  EXPECT_TRUE(Options().optSW(1).Value()) << "the dial look selected equal sizes on its way";
  EXPECT_TRUE(Options().optSW(0).Enabled());
}

TEST_F(SettingsFile, HoursSizeSetsTheHoursDigitsAndTheSwatches) {
  PutSettings(SettingsText().Set("HSize", "12").Lines(11));
  Form1& c = Start();
  EXPECT_EQ(c.lblS(2).GetFont().Size(), 12);
  EXPECT_EQ(Options().txtCOLOR(2).Text(), "12");
  EXPECT_EQ(c.lblS(0).GetFont().Size(), 6);
  EXPECT_EQ(Options().txtCOLOR(0).Text(), "6");
  EXPECT_EQ(c.lblS(1).GetFont().Size(), 8.25) << "8.4 pt asked, whole pixels given";
  EXPECT_EQ(Options().txtCOLOR(1).Text(), "8.25");
}

TEST_F(SettingsFile, ACommaLocaleReadsAndWritesDecimalCommas) {
  system.decimal_separator = ',';
  PutSettings(SettingsText().Set("ViewTime", "0,5").Set("HSize", "20,25").Lines(11));
  Form1& c = Start();
  EXPECT_EQ(c.module.ViewTime, 0.5f);
  EXPECT_EQ(c.lblS(2).GetFont().Size(), 20.25);
  EXPECT_EQ(Options().txtCOLOR(2).Text(), "20,25");

  SavedDisplay shown;
  shown.hours_size = c.lblS(2).GetFont().Size();
  shown.font_name = "Tahoma";
  const auto lines = SaveSettingsLines(c.module, shown, ',');
  EXPECT_EQ(lines[0], "ViewTime=0,5");
  EXPECT_EQ(lines[10], "HSize=20,25");
}

TEST_F(SettingsFile, AFileSavedUnderOneLocaleKeepsItsDecimalsUnderTheOther) {
  struct Case {
    const char* name;
    char written, read;
  };
  for (const Case& k :
       {Case{"comma file, point locale", ',', '.'}, Case{"point file, comma locale", '.', ','}}) {
    const std::string mark(1, k.written);
    PutSettings(SettingsText()
                    .Set("ViewTime", "0" + mark + "5")
                    .Set("PicCenter", folder.string() + sep)
                    .Set("SlideShowTime", "1" + mark + "5")
                    .Set("HSize", "20" + mark + "25"));
    system.decimal_separator = k.read;
    Form1& c = Start();
    EXPECT_EQ(c.module.ViewTime, 0.5f) << k.name;
    EXPECT_EQ(c.module.SlideShowTime, 1.5f) << k.name << ": the slide show would be lost";
    EXPECT_EQ(c.lblS(2).GetFont().Size(), 20.25) << k.name;
    // Saved again, the values come back in the reader's own separator.
    Options().cmdOK_Click(0);
    const std::string again(1, k.read);
    EXPECT_NE(Settings().find("SlideShowTime=1" + again + "5\r\n"), std::string::npos)
        << k.name << "\n"
        << Settings();
  }
}

TEST_F(SettingsFile, TheDefaultWriterTakesTheColoursAndFontFromTheTable) {
  Module1 m;
  m.IniValue = DefaultIniTable();
  m.IniValue[kHColor] = "16711680";
  m.IniValue[kFName] = "Arial";
  m.PicCenter = "Встроенная";
  m.Localisation = 0;
  const auto lines = DefaultSettingsLines(m, 0, '.');
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[2], "PicCenter=Встроенная");
  EXPECT_EQ(lines[3], "SlideShowTime=0");
  EXPECT_EQ(lines[4], "Localisation=0");
  EXPECT_EQ(lines[6], "HColor=16711680");
  EXPECT_EQ(lines[11], "FName=Arial");
}

}  // namespace
}  // namespace hc::testing

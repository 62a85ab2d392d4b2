#include <string>

#include "clock_fixture.h"

namespace hc::testing {
namespace {

// Code points, so Cyrillic letters count one each.
std::size_t Characters(const std::string& utf8) {
  std::size_t n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

using Localisation = ClockTest;

TEST_F(Localisation, RussianAndBackSwitchEveryTextOnBothDialogsAndTheStrings) {
  Form1& c = Start();
  pump.Click(Options().lblLOC(0));
  EXPECT_EQ(c.module.Localisation, 0);
  EXPECT_EQ(Options().window.Caption(), "Установки");
  EXPECT_EQ(Files().window.Caption(), "Работа с файлами");
  EXPECT_EQ(Options().optPIC(0).Text(), "Встроенная");
  EXPECT_EQ(Options().lblCOLOR(2).Text(), "Цвет часов, Ширифт");
  EXPECT_EQ(Files().cmdNO.Text(), "Нет");
  EXPECT_EQ(c.module.MsgNoFile, "Вы не выбрали файл. Продолжить выбор?");
  EXPECT_EQ(c.module.HintRequired, "требуется");
  EXPECT_EQ(Options().lblLOC(0).ForeColor(), 0u) << "the chosen language reads black";
  EXPECT_EQ(Options().lblLOC(1).ForeColor(), 0xFF0000u);
  EXPECT_EQ(Options().chkBG(1).Text(), "Clock2") << "never translated";

  pump.Click(Options().lblLOC(1));
  EXPECT_EQ(Options().window.Caption(), "Options");
  EXPECT_EQ(Options().lblCOLOR(3).Text(), "Circles's background");
  EXPECT_EQ(c.module.MsgPicNotFound, "Picture not found! Old is remained.");
  EXPECT_EQ(c.module.MsgSlidePeriod, "Slide show period must be integer number!");
  EXPECT_EQ(Options().lblLOC(1).ForeColor(), 0u);
}

TEST_F(Localisation, TheSystemsChoosersSpeakTheDialogsLanguage) {
  std::string settings = kDefaultFile;
  settings.replace(settings.find("Localisation=1"), 14, "Localisation=0");
  PutSettings(settings);
  system.command_line = "/c";
  Start();
  EXPECT_EQ(system.dialog_language, DialogLanguage::kRussian) << "as saved";
  pump.Click(Options().lblLOC(1));
  EXPECT_EQ(system.dialog_language, DialogLanguage::kEnglish);
  pump.Click(Options().lblLOC(0));
  EXPECT_EQ(system.dialog_language, DialogLanguage::kRussian);
}

TEST_F(Localisation, TheSpacedTextsKeepTheirRunsOfBlanks) {
  Form1& c = Start();
  EXPECT_EQ(Files().lblSlideTime.Text(), "      Slide period             sec");
  EXPECT_EQ(Characters(Files().lblSlideTime.Text()), 34u);
  EXPECT_EQ(c.module.HintPicture, "49 x 49 px    black back  gif");
  DoLocalisation(c.module, Options(), Files(), kRussian);
  EXPECT_EQ(Characters(Files().lblSlideTime.Text()), 27u);
  EXPECT_EQ(Files().lblSlideTime.Text(), "Смена слайдов" + std::string(10, ' ') + "сек.");
  EXPECT_EQ(c.module.HintPicture, "49 x 49 px    черн. фон  gif");
}

TEST_F(Localisation, ALanguageWithoutALabelChangesNoText) {
  Form1& c = Start();
  DoLocalisation(c.module, Options(), Files(), 2);
  EXPECT_EQ(Options().cmdOK(1).Text(), "Cancel");
  EXPECT_EQ(Options().lblLOC(0).ForeColor(), 0xFF0000u);
  EXPECT_EQ(Options().lblLOC(1).ForeColor(), 0xFF0000u);
}

}  // namespace
}  // namespace hc::testing

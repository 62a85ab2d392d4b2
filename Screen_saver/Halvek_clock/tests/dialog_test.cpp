// The options dialog: its nested clicks, Save and Cancel, colours and font.

#include <optional>
#include <string>

#include "clock_fixture.h"

namespace hc::testing {
namespace {

class Dialog : public ClockTest {
 protected:
  Form1& Configure(const std::string& settings = "") {
    if (!settings.empty()) PutSettings(settings);
    system.command_line = "/c";
    return Start();
  }
  void Save() { pump.Click(Options().cmdOK(0)); }
  std::string Line(int index) const {
    std::string text = Settings();
    for (int i = 0; i < index; ++i) text = text.substr(text.find("\r\n") + 2);
    return text.substr(0, text.find("\r\n"));
  }
};

TEST_F(Dialog, SavingWithoutAChangeWritesTheSameFileInTheCurrentLanguage) {
  Configure();
  Save();
  EXPECT_TRUE(system.ended);
  EXPECT_EQ(Settings(), kDefaultFile);

  system.ended = false;
  clock.reset();
  Configure();
  pump.Click(Options().lblLOC(0));
  Save();
  EXPECT_EQ(Line(2), "PicCenter=Встроенная");
  EXPECT_EQ(Line(4), "Localisation=0");
}

TEST_F(Dialog, ConfigureModeSelectsNoOptionAndSaveKeepsWhatWasRead) {
  Configure("ViewTime=1\r\nShapeWidth=1\r\n");
  for (int i = 0; i <= 1; ++i) {
    EXPECT_FALSE(Options().optWT(i).Value());
    EXPECT_FALSE(Options().optSW(i).Value());
  }
  Save();
  EXPECT_EQ(Line(0), "ViewTime=1");
  EXPECT_EQ(Line(1), "ShapeWidth=1");
}

TEST_F(Dialog, TickingClock2OverBackSwitchesToTheDialAndSavesIt) {
  Configure();
  pump.Click(Options().chkBG(0));
  EXPECT_TRUE(Options().lblCH.Visible());
  pump.Click(Options().chkBG(1));
  EXPECT_EQ(Options().chkBG(0).Value(), 0);
  EXPECT_FALSE(Options().lblCH.Visible());
  EXPECT_TRUE(Options().optSW(1).Value());
  EXPECT_FALSE(Options().optSW(0).Enabled());
  EXPECT_FALSE(clock->LineS(0).Visible());
  Save();
  EXPECT_EQ(Line(5), "Back=0");
  EXPECT_EQ(Line(1), "ShapeWidth=1");
  EXPECT_EQ(Line(12), "Clock2=1");
}

TEST_F(Dialog, UntickingClock2KeepsTheDialLookUntilBackIsTicked) {
  Form1& c = Configure();
  pump.Click(Options().chkBG(1));
  pump.Click(Options().chkBG(1));
  EXPECT_FALSE(c.window.GetPicture());
  EXPECT_FALSE(c.LineS(0).Visible());
  EXPECT_FALSE(Options().optSW(0).Enabled());
  EXPECT_EQ(c.module.IniValue[kClock2], "1");
  pump.Click(Options().chkBG(0));
  EXPECT_TRUE(c.LineS(0).Visible());
  EXPECT_EQ(c.ShapeS(4).Width(), 1080);
  EXPECT_TRUE(Options().optSW(0).Enabled());
  EXPECT_EQ(c.module.IniValue[kClock2], "0");
}

TEST_F(Dialog, TheSizeOptionRelaysTheFaceAndTheSwatchesAtOnce) {
  Form1& c = Configure();
  pump.Click(Options().optSW(1));
  EXPECT_EQ(c.module.ShapeWidth, 1);
  EXPECT_EQ(c.ShapeS(2).Width(), 1080);
  EXPECT_EQ(Options().txtCOLOR(0).Text(), "30");
  pump.Click(Options().optSW(0));
  EXPECT_EQ(Options().txtCOLOR(0).Text(), "15");
  EXPECT_EQ(Options().txtCOLOR(1).Text(), "21");
  EXPECT_NEAR(c.ShapeS(2).Left() + 350 - 7680, 3360, 0.1);
}

TEST_F(Dialog, SaveSettlesThePictureFromThePathBox) {
  PutFile("pics/logo.gif", Gif(49, 49));
  struct Case {
    std::string path_box;
    bool default_selected;
    std::string saved;
  };
  for (const Case& k :
       {Case{"", false, "Default"}, Case{Path("pics/logo.gif"), false, Path("pics/logo.gif")},
        Case{Path("pics/logo.gif"), true, "Default"}, Case{Path("pics/"), false, Path("pics/")}}) {
    system.ended = false;
    clock.reset();
    Configure();
    if (k.default_selected) pump.Click(Options().optPIC(0));
    Options().txtOUT.SetText(k.path_box);
    Save();
    EXPECT_EQ(Line(2), "PicCenter=" + k.saved) << k.path_box;
  }
}

TEST_F(Dialog, APathTheSettingsCannotSpellIsSavedByItsOtherNameOrNotAtAll) {
  PutFile("фото/логотип.gif", Gif(49, 49));
  PutFile("фото/кадры/a.gif", Gif(49, 49));
  const std::string picture = Path("фото/логотип.gif"), slides = Path("фото/кадры/");
  system.text_file_paths[picture] = Path("0F4C~1/0AC2~1.GIF");
  system.text_file_paths[slides] = std::nullopt;
  Configure("ViewTime=1\r\n");
  Options().txtOUT.SetText(slides);
  Save();
  EXPECT_FALSE(system.ended) << "the dialog stays open for another choice";
  EXPECT_EQ(Settings(), "ViewTime=1\r\n") << "nothing is written";
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text,
            "The settings file cannot hold the path of this picture: the system's code page has "
            "no letters for it. Choose a picture in a folder with another name:\r\n" +
                slides);
  Options().txtOUT.SetText(picture);
  Save();
  EXPECT_TRUE(system.ended);
  EXPECT_EQ(Line(2), "PicCenter=" + Path("0F4C~1/0AC2~1.GIF"));
}

TEST_F(Dialog, APathBoxNamingNothingEndsWithoutWriting) {
  PutSettings("ViewTime=1\r\n");
  Configure();
  pump.Click(Options().optPIC(0));
  Options().txtOUT.SetText(Path("gone.gif"));
  Save();
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text, "Picture not found! Old is remained.");
  EXPECT_EQ(system.messages[0].title, "Attention");
  EXPECT_EQ(system.messages[0].icon, MsgIcon::kInformation);
  EXPECT_TRUE(system.ended);
  EXPECT_EQ(Settings(), "ViewTime=1\r\n");
}

TEST_F(Dialog, ASaveThatCannotWriteSaysWhyAndStaysOpen) {
  Configure();
  std::filesystem::remove(folder / "Halvek_Clock.ini");
  std::filesystem::create_directory(folder / "Halvek_Clock.ini");  // no file can go there
  Save();
  EXPECT_FALSE(system.ended);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].title, "Attention");
  EXPECT_NE(system.messages[0].text.find("The settings could not be saved:"), std::string::npos);
  EXPECT_NE(system.messages[0].text.find(Path("Halvek_Clock.ini")), std::string::npos);
  std::filesystem::remove(folder / "Halvek_Clock.ini");
  Save();
  EXPECT_TRUE(system.ended) << "a second try after the cause is gone";
  EXPECT_EQ(Settings(), kDefaultFile);
}

TEST_F(Dialog, SaveKeepsTheNewBackgroundAndCancelPutsTheOldOneBack) {
  for (const bool save : {true, false}) {
    system.ended = false;
    clock.reset();
    Configure();
    // As the file manager leaves them after a choice.
    PutFile("Halvek_Clock_bg.jpg", "new");
    PutFile("Halvek_Clock_tmp.jpg", "old");
    pump.Click(Options().cmdOK(save ? 0 : 1));
    EXPECT_TRUE(system.ended);
    EXPECT_EQ(ReadFile("Halvek_Clock_bg.jpg"), save ? "new" : "old");
    EXPECT_FALSE(Exists("Halvek_Clock_tmp.jpg"));
  }
}

TEST_F(Dialog, CancelAndTheCloseControlWriteNothing) {
  PutSettings("ViewTime=1\r\n");
  Configure();
  pump.Click(Options().optWT(0));
  Options().window.on_close_request();
  EXPECT_TRUE(system.ended);
  EXPECT_EQ(Settings(), "ViewTime=1\r\n");
}

TEST_F(Dialog, KeyOneSelectsTheOptionsOfTheValuesInUse) {
  struct Case {
    int view_time, shape_width;
  };
  // 2 is a hand-edited value: anything but 0 counts as the second option.
  for (const Case k : {Case{0, 0}, Case{0, 1}, Case{1, 0}, Case{1, 1}, Case{2, 0}, Case{0, 2}}) {
    const std::string name =
        "ViewTime=" + std::to_string(k.view_time) + " ShapeWidth=" + std::to_string(k.shape_width);
    clock.reset();
    PutSettings(std::to_string(k.view_time) + "\r\n" + std::to_string(k.shape_width) + "\r\n");
    system.command_line = "/s";
    Form1& c = Start();
    pump.KeyPress(c.window, '1');
    const bool since_start = k.view_time != 0;
    const bool equal = k.shape_width != 0;
    EXPECT_EQ(Options().optWT(1).Value(), since_start) << name;
    EXPECT_EQ(Options().optWT(0).Value(), !since_start) << name;
    EXPECT_EQ(Options().optSW(1).Value(), equal) << name;
    EXPECT_EQ(Options().optSW(0).Value(), !equal) << name;
    EXPECT_EQ(c.module.ViewTime, since_start ? 1 : 0) << name;
    EXPECT_EQ(c.module.ShapeWidth, equal ? 1 : 0) << name;
    EXPECT_EQ(c.ShapeS(3).Width(), equal ? 1080 : 850) << name;
  }
}

TEST_F(Dialog, TabGoesDownTheDialogAsItReadsWithEachOptionGroupOneStop) {
  Configure();
  EXPECT_EQ(
      fake::EventPump::TabWalk(Options().window, 14),
      (std::vector<std::string>{"optWT(0)", "optSW(0)", "optPIC(0)", "chkBG(1)", "chkBG(0)",
                                "txtOUT", "txtCOLOR(2)", "txtCOLOR(1)", "txtCOLOR(0)",
                                "txtCOLOR(3)", "cmdOK(0)", "cmdOK(1)", "optWT(0)", "optSW(0)"}));
  // After the key "1" the options in use are selected: Tab stops on them.
  clock.reset();
  PutSettings("1\r\n1\r\n");
  system.command_line = "/s";
  pump.KeyPress(Start().window, '1');
  EXPECT_EQ(fake::EventPump::TabWalk(Options().window, 3),
            (std::vector<std::string>{"optWT(1)", "optSW(1)", "optPIC(0)"}));
}

TEST_F(Dialog, TickingBackAfterTheDialLaysTheCirclesOutAgain) {
  Form1& c = Configure();
  pump.Click(Options().chkBG(1));
  ASSERT_EQ(c.ShapeS(2).Width(), 980);
  ASSERT_EQ(c.lblS(0).GetFont().Size(), 27.75);
  pump.Click(Options().chkBG(0));
  for (int i = 2; i <= 4; ++i) {
    EXPECT_EQ(c.ShapeS(i).Width(), 1080) << i;
    EXPECT_EQ(c.ShapeS(i).Height(), 1080) << i;
  }
  for (int k = 0; k <= 1; ++k) {
    EXPECT_EQ(c.lblS(k).GetFont().Size(), 30) << k;
    EXPECT_EQ(c.lblS(k).Width(), 700) << k;
  }
  EXPECT_EQ(c.OrbitUnit, 540);
}

class Colours : public Dialog {};

TEST_F(Colours, ASecondsColourPaintsItsHandTheCentreRingAndTheSwatch) {
  Form1& c = Configure();
  system.color_answers = {Rgb(255, 0, 0)};
  pump.Click(Options().lblCOLOR(0));
  EXPECT_EQ(system.color_chooser_opened_with, std::vector<Color>{12632319});
  for (Color got : {c.lblS(0).ForeColor(), c.LineS(0).LineColor(), c.ShapeS(2).BorderColor(),
                    c.ShapeS(1).BorderColor(), Options().txtCOLOR(0).BackColor()})
    EXPECT_EQ(got, 255u);
  system.color_answers = {Rgb(0, 255, 0)};
  pump.Click(Options().lblCOLOR(1));
  EXPECT_EQ(c.ShapeS(1).BorderColor(), 255u) << "minutes leave the centre ring alone";
  EXPECT_EQ(c.ShapeS(3).BorderColor(), Rgb(0, 255, 0));
  Save();
  EXPECT_EQ(Line(8), "SColor=255");
  EXPECT_EQ(Line(7), "MColor=65280");
}

TEST_F(Colours, ACancelledFillTakesWhatTheChooserLastHeld) {
  Form1& c = Configure();
  pump.Click(Options().lblCOLOR(3));  // first use, cancelled: the chooser's first colour
  EXPECT_EQ(c.ShapeS(4).FillColor(), 0u);
  system.color_answers = {Rgb(255, 0, 0)};
  pump.Click(Options().lblCOLOR(0));
  pump.Click(Options().lblCOLOR(3));  // cancelled again
  for (int i = 2; i <= 4; ++i) EXPECT_EQ(c.ShapeS(i).FillColor(), 255u);
  EXPECT_EQ(c.ShapeS(1).FillColor(), 0u);
  EXPECT_EQ(Options().txtCOLOR(3).BackColor(), 255u);
}

TEST_F(Colours, TheFontFollowsTheLookForTheDerivedSizes) {
  struct Case {
    const char* shape_width;
    double minutes, seconds;
  };
  for (const Case& k : {Case{"0", 20.25, 15}, Case{"1", 30, 30}, Case{"2", 20.25, 15}}) {
    clock.reset();
    Form1& c = Configure(std::string("0\r\n") + k.shape_width + "\r\n");
    system.font_answers = {FontChoice{"DejaVu Sans", 30, Rgb(0, 0, 255)}};
    pump.Click(Options().lblCOLOR(2));
    EXPECT_EQ(c.lblS(1).GetFont().Size(), k.minutes) << k.shape_width;
    EXPECT_EQ(c.lblS(0).GetFont().Size(), k.seconds) << k.shape_width;
    for (int i = 0; i <= 2; ++i) EXPECT_EQ(c.lblS(i).GetFont().Name(), "DejaVu Sans");
    EXPECT_EQ(c.lblS(2).ForeColor(), Rgb(0, 0, 255));
    EXPECT_EQ(c.lblS(1).ForeColor(), 8421631u) << "the colour is the hours' alone";
    EXPECT_EQ(Options().txtCOLOR(2).BackColor(), Rgb(0, 0, 255));
  }
}

TEST_F(Colours, TheFontChooserOpensOnTheHoursFontAndTheSizeSavedIsTheOneInEffect) {
  Form1& c = Configure();
  system.font_answers = {FontChoice{"Tahoma", 20, 255}};
  pump.Click(Options().lblCOLOR(2));
  ASSERT_EQ(system.font_chooser_opened_with.size(), 1u);
  EXPECT_EQ(system.font_chooser_opened_with[0].name, "Tahoma");
  EXPECT_EQ(system.font_chooser_opened_with[0].size, 30);
  EXPECT_EQ(system.font_chooser_opened_with[0].color, 255u);
  EXPECT_EQ(c.ComDial.Flags, 1048833);
  EXPECT_EQ(Options().txtCOLOR(2).Text(), "20.25");
  Save();
  EXPECT_EQ(Line(10), "HSize=20.25");
}

TEST_F(Colours, TheDerivedSizesAndAllSwatchesFollowTheSizeTheHoursLabelTook) {
  struct Case {
    const char* name;
    const char* shape_width;
    std::optional<double> chosen;  // none: the chooser is cancelled
    double hours, minutes, seconds;
    const char *hours_text, *minutes_text, *seconds_text;
  };
  // 20 points are drawn at 20.25: the minutes and seconds come from 20.25, not from 20.
  for (const Case& k :
       {Case{"different, 20", "0", 20, 20.25, 13.5, 10.5, "20.25", "13.5", "10.5"},
        Case{"different, cancelled", "0", std::nullopt, 30, 20.25, 15, "30", "20.25", "15"},
        Case{"equal, 20", "1", 20, 20.25, 20.25, 20.25, "20.25", "20.25", "20.25"}}) {
    clock.reset();
    Form1& c = Configure(std::string("0\r\n") + k.shape_width + "\r\n");
    system.font_answers = {};
    if (k.chosen) system.font_answers.push_back(FontChoice{"Tahoma", *k.chosen, 255});
    pump.Click(Options().lblCOLOR(2));
    EXPECT_EQ(c.lblS(2).GetFont().Size(), k.hours) << k.name;
    EXPECT_EQ(c.lblS(1).GetFont().Size(), k.minutes) << k.name;
    EXPECT_EQ(c.lblS(0).GetFont().Size(), k.seconds) << k.name;
    EXPECT_EQ(Options().txtCOLOR(2).Text(), k.hours_text) << k.name;
    EXPECT_EQ(Options().txtCOLOR(1).Text(), k.minutes_text) << k.name;
    EXPECT_EQ(Options().txtCOLOR(0).Text(), k.seconds_text) << k.name;
  }
}

}  // namespace
}  // namespace hc::testing

#include <functional>
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

// Every localised text as the dialogs show it. The five strings are read where the user
// meets them: the hints on the file manager and the messages its OK and the options' Save
// show.
class TextTable : public ClockTest {
 public:
  using ClockTest::Files;
  using ClockTest::Options;
  using ClockTest::Path;
  using ClockTest::pump;
  using ClockTest::system;

  void SetUp() override {
    system.command_line = "/c";
    Start();
  }
  // The hint of the file manager while `opener` has it open.
  std::string HintOpenedBy(const std::function<void()>& opener) {
    std::string hint;
    system.modal_script = [&](Window&) {
      hint = Files().lblSovet.Text();
      pump.Click(Files().cmdNO);
    };
    opener();
    return hint;
  }
  // The text of the one message `act` shows.
  std::string MessageOf(const std::function<void()>& act) {
    system.messages.clear();
    act();
    EXPECT_EQ(system.messages.size(), 1u);
    return system.messages.empty() ? std::string() : system.messages.back().text;
  }
  // The message of the file manager's OK in the job `opener` prepares.
  std::string OkMessageOf(const std::function<void()>& opener, const std::string& period) {
    return MessageOf([&] {
      system.modal_script = [&](Window&) {
        Files().Dir1.SetPath(folder.string());
        Files().txtST.SetText(period);
        system.answers = {MsgResult::kOk};
        pump.Click(Files().cmdОК);
        Files().txtST.SetText("5");
        pump.Click(Files().cmdNO);
      };
      opener();
    });
  }
};

struct TextRow {
  const char* target;
  std::string (*shown)(TextTable&);
  const char* english;
  const char* russian;
};

// clang-format off
const TextRow kTextRows[] = {
    {"Form2 Frame(0)", [](TextTable& t) { return t.Options().Frame(0).Text(); }, "Time", "Время"},
    {"Form2 Frame(1)", [](TextTable& t) { return t.Options().Frame(1).Text(); }, "Circles", "Круги"},
    {"Form2 Frame(2)", [](TextTable& t) { return t.Options().Frame(2).Text(); }, "Pictures/Background", "Картинки/Фон"},
    {"Form2 optWT(0)", [](TextTable& t) { return t.Options().optWT(0).Text(); }, "Current time", "Текущее время"},
    {"Form2 optWT(1)", [](TextTable& t) { return t.Options().optWT(1).Text(); }, "Time from start", "Время отсутствия"},
    {"Form2 optSW(0)", [](TextTable& t) { return t.Options().optSW(0).Text(); }, "Different size", "Разного размера"},
    {"Form2 optSW(1)", [](TextTable& t) { return t.Options().optSW(1).Text(); }, "Equal size", "Одинакового размера"},
    {"Form2 optPIC(0)", [](TextTable& t) { return t.Options().optPIC(0).Text(); }, "Default", "Встроенная"},
    {"Form2 optPIC(1)", [](TextTable& t) { return t.Options().optPIC(1).Text(); }, "Choose", "Выбор"},
    {"Form2 optPIC(2)", [](TextTable& t) { return t.Options().optPIC(2).Text(); }, "Slide show", "Слайд-шоу"},
    {"Form2 cmdOK(0)", [](TextTable& t) { return t.Options().cmdOK(0).Text(); }, "Save", "Сохранить"},
    {"Form2 cmdOK(1)", [](TextTable& t) { return t.Options().cmdOK(1).Text(); }, "Cancel", "Отмена"},
    {"Form2 chkBG(0)", [](TextTable& t) { return t.Options().chkBG(0).Text(); }, "Back", "Фон"},
    {"Form2 lblCH", [](TextTable& t) { return t.Options().lblCH.Text(); }, "other", "другой"},
    {"Form2 Label1", [](TextTable& t) { return t.Options().Label1.Text(); }, "HalvekClock 2026", "HalvekClock 2026"},
    {"MsgPicNotFound", [](TextTable& t) {
       const std::string text = t.MessageOf([&] {
         t.Options().txtOUT.SetText(t.Path("gone.gif"));
         t.pump.Click(t.Options().cmdOK(0));
       });
       // Save ends the program after the message; this clock goes on for the next rows.
       t.system.ended = false;
       t.Options().txtOUT.SetText("");
       return text;
     },
     "Picture not found! Old is remained.", "Путь к картинке не найден! Осталась старая."},
    {"Form2 caption", [](TextTable& t) { return t.Options().window.Caption(); }, "Options", "Установки"},
    {"frmFILE caption", [](TextTable& t) { return t.Files().window.Caption(); }, "File manager", "Работа с файлами"},
    {"frmFILE cmdNO", [](TextTable& t) { return t.Files().cmdNO.Text(); }, "Cancel", "Нет"},
    {"frmFILE lblSlideTime", [](TextTable& t) { return t.Files().lblSlideTime.Text(); },
     "      Slide period             sec", "Смена слайдов          сек."},
    {"HintPicture", [](TextTable& t) { return t.HintOpenedBy([&] { t.pump.Click(t.Options().optPIC(2)); }); },
     "49 x 49 px    black back  gif", "49 x 49 px    черн. фон  gif"},
    {"HintRequired", [](TextTable& t) {
       // The middle one of the background hint's three lines.
       const std::string hint = t.HintOpenedBy([&] { t.Options().lblCH.on_click(); });
       const auto from = hint.find("\r\n") + 2;
       return hint.substr(from, hint.rfind("\r\n") - from);
     },
     "required", "требуется"},
    {"MsgSlidePeriod", [](TextTable& t) { return t.OkMessageOf([&] { t.pump.Click(t.Options().optPIC(2)); }, "x"); },
     "Slide show period must be integer number!",
     "Период смены картинок в слайдшоу измеряется положительными целыми цифрами!"},
    {"MsgNoFile", [](TextTable& t) { return t.OkMessageOf([&] { t.pump.Click(t.Options().optPIC(1)); }, "5"); },
     "No selected file. Continue?", "Вы не выбрали файл. Продолжить выбор?"},
    {"Form2 Frame(3)", [](TextTable& t) { return t.Options().Frame(3).Text(); }, "Font and colors", "Шрифт и цвета"},
    {"Form2 lblCOLOR(0)", [](TextTable& t) { return t.Options().lblCOLOR(0).Text(); }, "Seconds color", "Цвет секунд"},
    {"Form2 lblCOLOR(1)", [](TextTable& t) { return t.Options().lblCOLOR(1).Text(); }, "Minutes color", "Цвет минут"},
    {"Form2 lblCOLOR(2)", [](TextTable& t) { return t.Options().lblCOLOR(2).Text(); }, "Hours color, Font", "Цвет часов, Ширифт"},
    {"Form2 lblCOLOR(3)", [](TextTable& t) { return t.Options().lblCOLOR(3).Text(); }, "Circles's background", "Фон кругов"},
    // Never translated.
    {"Form2 lblLOC(0)", [](TextTable& t) { return t.Options().lblLOC(0).Text(); }, "Russian", "Russian"},
    {"Form2 lblLOC(1)", [](TextTable& t) { return t.Options().lblLOC(1).Text(); }, "English", "English"},
    {"Form2 chkBG(1)", [](TextTable& t) { return t.Options().chkBG(1).Text(); }, "Clock2", "Clock2"},
    {"frmFILE cmdОК", [](TextTable& t) { return t.Files().cmdОК.Text(); }, "OK", "OK"},
    {"message title", [](TextTable& t) {
       t.OkMessageOf([&] { t.pump.Click(t.Options().optPIC(1)); }, "5");
       return t.system.messages.empty() ? std::string() : t.system.messages.back().title;
     },
     "Attention", "Attention"},
};
// clang-format on

TEST_F(TextTable, EveryTextReadsAsItsLanguageAfterEachSwitch) {
  struct Step {
    int label;  // -1: as the clock started, in English
    bool russian;
  };
  for (const Step step : {Step{-1, false}, Step{0, true}, Step{1, false}}) {
    if (step.label >= 0) pump.Click(Options().lblLOC(step.label));
    for (const TextRow& row : kTextRows)
      EXPECT_EQ(row.shown(*this), step.russian ? row.russian : row.english)
          << row.target << (step.russian ? ", Russian" : ", English");
  }
}

}  // namespace
}  // namespace hc::testing

#include "Module1.h"

#include <cmath>
#include <string>

#include "Form2.h"
#include "frmFILE.h"

namespace hc {

namespace {

// The author line under the buttons of the options dialog.
constexpr Texts kAuthorLine{"HalvekClock 2026", "HalvekClock 2026"};

}  // namespace

void DoLocalisation(Module1& m, Form2& f, frmFILE& ff, float language) {
  f.lblLOC(0).SetForeColor(0xFF0000);
  f.lblLOC(1).SetForeColor(0xFF0000);
  const int chosen = static_cast<int>(std::nearbyint(language));  // halves go to the even one
  // A language with no label (a hand-edited file) leaves both labels blue.
  if (f.lblLOC.Has(chosen)) f.lblLOC(chosen).SetForeColor(0);
  m.Localisation = static_cast<float>(chosen);

  const auto column = TextColumn::For(language);
  if (!column) return;
  const TextColumn& pick = *column;
  const auto set = [&](TextElement& e, const Texts& t) { e.SetText(pick(t)); };

  set(f.Frame(0), {"Time", "Время"});
  set(f.Frame(1), {"Circles", "Круги"});
  set(f.Frame(2), {"Pictures/Background", "Картинки/Фон"});
  set(f.optWT(0), {"Current time", "Текущее время"});
  set(f.optWT(1), {"Time from start", "Время отсутствия"});
  set(f.optSW(0), {"Different size", "Разного размера"});
  set(f.optSW(1), {"Equal size", "Одинакового размера"});
  set(f.optPIC(0), {"Default", "Встроенная"});
  set(f.optPIC(1), {"Choose", "Выбор"});
  set(f.optPIC(2), {"Slide show", "Слайд-шоу"});
  set(f.cmdOK(0), {"Save", "Сохранить"});
  set(f.cmdOK(1), {"Cancel", "Отмена"});
  set(f.chkBG(0), {"Back", "Фон"});
  set(f.lblCH, {"other", "другой"});
  set(f.Label1, kAuthorLine);
  m.MsgPicNotFound =
      pick({"Picture not found! Old is remained.", "Путь к картинке не найден! Осталась старая."});
  f.window.SetCaption(pick({"Options", "Установки"}));
  ff.window.SetCaption(pick({"File manager", "Работа с файлами"}));
  set(ff.cmdNO, {"Cancel", "Нет"});
  set(ff.lblSlideTime, {"      Slide period             sec", "Смена слайдов          сек."});
  m.HintPicture = pick({"49 x 49 px    black back  gif", "49 x 49 px    черн. фон  gif"});
  m.HintRequired = pick({"required", "требуется"});
  m.MsgSlidePeriod =
      pick({"Slide show period must be integer number!",
            "Период смены картинок в слайдшоу измеряется положительными целыми цифрами!"});
  m.MsgNoFile = pick({"No selected file. Continue?", "Вы не выбрали файл. Продолжить выбор?"});
  m.MsgNotSaved = pick({"The settings could not be saved:", "Не удалось сохранить установки:"});
  m.MsgFileFailed = pick({"The picture file could not be copied or deleted:",
                          "Не удалось скопировать или удалить файл картинки:"});
  m.MsgNoPicture = pick(
      {"This file cannot be shown as a picture:", "Этот файл не удаётся показать как картинку:"});
  m.MsgPathNotKept =
      pick({"The settings file cannot hold the path of this picture: the system's code page "
            "has no letters for it. Choose a picture in a folder with another name:",
            "Путь к этой картинке нельзя записать в файл установок: в кодовой странице "
            "системы нет его букв. Выберите картинку в папке с другим именем:"});
  set(f.Frame(3), {"Font and colors", "Шрифт и цвета"});
  set(f.lblCOLOR(0), {"Seconds color", "Цвет секунд"});
  set(f.lblCOLOR(1), {"Minutes color", "Цвет минут"});
  set(f.lblCOLOR(2), {"Hours color, Font", "Цвет часов, Ширифт"});
  set(f.lblCOLOR(3), {"Circles's background", "Фон кругов"});
}

}  // namespace hc

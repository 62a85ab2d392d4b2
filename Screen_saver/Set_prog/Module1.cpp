#include "Module1.h"

#include <string>

#include "Form1.h"

namespace hc::setup {

void DoSetupLocalisation(Module1& m, Form1& f, float language) {
  const auto column = TextColumn::For(language);
  if (!column) return;
  const TextColumn& pick = *column;

  f.lbl(0).SetText(
      pick({"The setup has defined a system folder where it can copy necessary files for "
            "HalvekClock to be the default screensaver. It is a folder:",
            "Программа установки нашла системную папку, куда она может скопировать необходимые "
            "файлы, чтобы HalvekClock был доступен как скринсейвер. Это папка:"}));
  f.lbl(1).SetText(
      pick({"If you have other opinion, change the path manually\r\n\r\nNow you can ",
            "Если у вас другое мнение, измените путь вручную\r\n\r\nТеперь вы можете:"}));
  f.opt(0).SetText(pick({"Install HalvekClock as screen saver (recommended)",
                         "Инсталлировать HalvekClock как хранитель экрана (рекомендуется)"}));
  f.opt(1).SetText(
      pick({"Copy HalvekClock to the system folder (install later via 'Display "
            "properties')",
            "Просто скопировать HalvekClock в системную папку (инсталлировать "
            "позже через 'Настройки экрана')"}));
  m.MsgFilesCopied = pick({"Following files were copied:", "Следующие файлы скопированы:"});
  m.MsgExistsAlready = pick({" exists already", " уже существует"});
  m.MsgInstalledAlready =
      pick({"HalvekClock is installed already; no files needed copying into:",
            "HalvekClock уже установлен; ничего не понадобилось копировать в папку:"});

  m.MsgFilesFailed =
      pick({"These files could not be copied:", "Эти файлы не удалось скопировать:"});
  m.MsgTargetUnusable =
      pick({"the target folder cannot be opened", "папку назначения не удаётся открыть"});
  m.MsgNotWritten = pick({"could not be written", "не удалось записать"});
  m.MsgSwapNeedsBackground =
      pick({"not used, as Halvek_Clock_bg.jpg is missing beside the setup",
            "не использован: рядом с программой установки нет Halvek_Clock_bg.jpg"});
  m.MsgSwapNameTaken =
      pick({"not used, as Halvek_Clock_tmp.jpg beside the setup is in the way",
            "не использован: рядом с программой установки уже есть Halvek_Clock_tmp.jpg"});
  m.MsgNotRestored = pick({"not put back beside the setup; it is kept as Halvek_Clock_tmp.jpg",
                           "не возвращён на место рядом с программой установки; он сохранён как "
                           "Halvek_Clock_tmp.jpg"});
  m.MsgNotDeleted = pick({"could not be deleted", "не удалось удалить"});

  m.MsgRegistered = pick({"HalvekClock was added to the list of screensavers in:",
                          "HalvekClock добавлен в список хранителей экрана в файле:"});
  m.MsgListedAlready = pick({"HalvekClock is in the list of screensavers already:",
                             "HalvekClock уже есть в списке хранителей экрана:"});
  m.MsgNotRegistered =
      pick({"HalvekClock could not be added to the list of screensavers in:",
            "Не удалось добавить HalvekClock в список хранителей экрана в файле:"});
  m.MsgFormerListKept = pick({"the former list is kept as ", "прежний список сохранён как "});
}

}  // namespace hc::setup

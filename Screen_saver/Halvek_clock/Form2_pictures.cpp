// Where the centre picture comes from, and the way to the background picture.

#include <cmath>
#include <string>

#include "Form1.h"
#include "Form2.h"
#include "frmFILE.h"

namespace hc {

void Form2::optPIC_Click(int Index) {
  frmFILE& files = clock_.Files();
  if (Index <= 0) {
    module_.PicCenter = optPIC(Index).Text();
    txtOUT.SetEnabled(false);
    clock_.Pict(0).SetPicture(picTMP.GetPicture());
    clock_.TimerSHOW.SetEnabled(false);
    module_.SlideShowTime = 0;
    return;
  }
  if (Index == 1) {
    clock_.TimerSHOW.SetEnabled(false);
    module_.SlideShowTime = 0;
    files.PrepareJob(frmFILE::Job::kCentrePicture, module_.HintPicture + ", jpg, bmp");
  } else {
    // A running show goes on until the file manager's OK restarts it.
    files.PrepareJob(frmFILE::Job::kSlideShow, module_.HintPicture);
  }
  OpenFileManagerAtSavedPicture();
  files.imgPREW.SetStretch(false);
  system_.RunModal(files.window);
  txtOUT.SetEnabled(true);
}

void Form2::OpenFileManagerAtSavedPicture() {
  frmFILE& files = clock_.Files();
  const std::string saved = module_.IniValue[kPicCenter];
  const std::string separator = system_.PathSeparator();
  const auto cut = saved.rfind(separator);
  // A saved name with no folder part, or one that cannot be opened, starts in our folder.
  if (!system_.FirstFile(saved).empty() && cut != std::string::npos) {
    const std::string folder = cut == 0 ? separator : saved.substr(0, cut);
    if (!system_.CheckFolder(folder)) {
      files.Drive1.SetDrive(system_.DriveOf(saved));
      files.Dir1.SetPath(folder);
      return;
    }
  }
  files.Drive1.SetDrive(system_.DriveOf(system_.ProgramFolder()));
  files.Dir1.SetPath(system_.ProgramFolder());
}

void Form2::lblCH_Click() {
  frmFILE& files = clock_.Files();
  files.Drive1.SetDrive(system_.DriveOf(system_.ProgramFolder()));
  files.Dir1.SetPath(system_.ProgramFolder());
  files.File1.SetPath(files.Dir1.Path());
  const std::string background = clock_.UserFiles().ForReading(kBackgroundFile);
  if (!system_.FirstFile(background).empty()) {
    files.txtFP.SetText(background);
    if (Picture p = system_.LoadPicture(files.txtFP.Text())) files.imgPREW.SetPicture(p);
  }
  // The screen's own pixels, which a picture to cover it needs, however dense the screen.
  const double twips_per_pixel = system_.TwipsPerScreenPixel();
  const auto pixels = [twips_per_pixel](int twips) {
    return std::to_string(std::lround(twips / twips_per_pixel));
  };
  const std::string hint = pixels(clock_.ScreenW) + "x" + pixels(clock_.ScreenH) + " px\r\n" +
                           module_.HintRequired + "\r\ngif, jpg, bmp";
  files.PrepareJob(frmFILE::Job::kBackground, hint);
  files.imgPREW.SetWidth(1095);
  files.imgPREW.SetHeight(850);
  files.imgPREW.SetStretch(true);
  system_.RunModal(files.window);
}

}  // namespace hc

// The window background, the centre picture's slide show and the folder listing it uses.

#include <algorithm>
#include <cmath>

#include "Form1.h"
#include "Form2.h"

namespace hc {

void Form1::DoBackGround() {
  const bool ticked = Options().chkBG(0).Value() == 1;
  const std::string background = UserFiles().ForReading(kBackgroundFile);
  if (ticked && !system_.FirstFile(background).empty()) {
    // A picture that cannot be read leaves the window as it is.
    if (Picture p = system_.LoadPicture(background)) window.SetPicture(p);
  } else if (!ticked) {
    window.SetPicture(nullptr);
  }
  for (int k = 0; k <= 2; ++k) LineS(k).SetVisible(true);
  ShapeS(1).SetBorderStyle(1);
}

std::vector<std::string> Form1::GetFiles(const std::string& filespec, int /*Attributes*/) {
  // Entry 0 stays empty; the names are entries 1 to N.
  std::vector<std::string> names{""};
  for (std::string& name : system_.ListFiles(filespec)) names.push_back(std::move(name));
  return names;
}

void Form1::StartSlideShow() {
  if (!system_.FirstFile(module.PicCenter).empty())
    SlideFiles = GetFiles(module.PicCenter + "*.gif", 0);
  SlideIndex = 1;
  TimerSHOW.SetEnabled(true);
  // Cut to the timer's range before rounding: a period beyond the range of the rounding
  // would come out as any number at all.
  const double ms = std::clamp(static_cast<double>(module.SlideShowTime) * 1000, 0.0,
                               static_cast<double>(kMaxTimerInterval));
  TimerSHOW.SetInterval(std::llrint(ms));
}

void Form1::TimerSHOW_Timer() {
  const int last = static_cast<int>(SlideFiles.size()) - 1;
  if (last < 1) return;  // no slide to show: the current picture stays
  SlideIndex += 1;
  const int index = static_cast<int>(std::lround(SlideIndex));
  if (index >= 1 && index <= last) {
    // A slide that cannot be read leaves the current picture; the show goes on.
    if (Picture p = system_.LoadPicture(module.PicCenter + SlideFiles[index]))
      Pict(0).SetPicture(p);
  }
  if (index >= last) SlideIndex = 0;
}

}  // namespace hc

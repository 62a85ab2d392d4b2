#pragma once
// Program-wide values shared by the clock window and its two dialogs: the settings as
// read, the localised strings, and the text switch.

#include <array>
#include <string>

#include "texts.h"

namespace hc {

class Form2;
class frmFILE;

inline constexpr int kIniSlots = 16;
using IniTable = std::array<std::string, kIniSlots>;

// Slots of the settings table, one per line of the settings file.
enum IniSlot {
  kViewTime = 0,
  kShapeWidth = 1,
  kPicCenter = 2,
  kSlideShowTime = 3,
  kLocalisation = 4,
  kBack = 5,
  kHColor = 6,
  kMColor = 7,
  kSColor = 8,
  kCColor = 9,
  kHSize = 10,
  kFName = 11,
  kClock2 = 12,
};

struct Module1 {
  // The settings table: every value as read, or its default.
  IniTable IniValue;
  // Settings that live on their own after start-up.
  float ViewTime = 0;
  float ShapeWidth = 0;
  std::string PicCenter;
  float SlideShowTime = 0;
  float Localisation = 1;

  // Localised strings; HintPicture starts as the file manager's design hint.
  std::string MsgPicNotFound;
  std::string MsgSlidePeriod;
  std::string MsgNoFile;
  std::string HintPicture;
  std::string HintRequired;
  // Failures the program reports and goes on.
  std::string MsgNotSaved;
  std::string MsgFileFailed;
  std::string MsgNoPicture;
  std::string MsgPathNotKept;
};

// Colours the language labels, takes the chosen language and, for 0 or 1, puts that
// language's texts on both dialogs and into the shared strings.
void DoLocalisation(Module1& module, Form2& options, frmFILE& files, float language);

}  // namespace hc

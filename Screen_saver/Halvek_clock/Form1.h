#pragma once
// The full-screen clock window. It owns the program: start-up, run modes and exit rules,
// the tick, the face's layout and placement, the background and the slide show.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Module1.h"
#include "common_dialog.h"
#include "data_files.h"
#include "model/window.h"
#include "system.h"

namespace hc {

// The run mode a command line names, as a screensaver host gives it: its first two
// characters after blanks, in lower case ("/s", "/c", "/p").
std::string RunModeOf(const std::string& command_line);

class Form2;
class frmFILE;

class Form1 {
 public:
  // `attach` hands every window to the backend as soon as it exists.
  Form1(System& system, std::function<void(Window&)> attach = {});
  ~Form1();

  Window window{"Form1"};

  Timer& Timer4;
  Timer& TimerSHOW;
  TextBox& lblF1;
  ElementArray<PictureBox> Pict;
  PictureBox& picTMP1;
  ElementArray<Shape> ShapeS;
  ElementArray<Line> LineS;
  ElementArray<Label> lblS;

  // Program-wide values.
  Module1 module;
  // The colour and font chooser.
  CommonDialog ComDial;

  // Window state; 32 bits rather than 16, so large screens fit.
  std::int32_t ScreenH = 0;
  std::int32_t ScreenW = 0;
  double StartTime = 0;
  std::int32_t CenterTop = 0;
  std::int32_t CenterLeft = 0;
  std::int32_t CenterRadius = 0;
  std::string RunMode;
  std::int16_t MoveCount = 0;

  // Time state.
  std::int16_t TickCount = 0;
  double ShownTime = 0;
  std::array<float, 3> HandAngle{0, 0, 0};

  // Layout numbers.
  std::int32_t OrbitUnit = 0;
  std::string OrbitUnitText;
  std::int32_t LineFactor = 0;
  float OrbitStep = 0;

  // Slide show.
  std::vector<std::string> SlideFiles{""};
  float SlideIndex = 0;

  // The dialogs are made on first use, as start-up first touches them.
  frmFILE& Files();
  Form2& Options();

  void Form_Load();
  void CheckCommandLine();
  void Form_KeyPress(std::uint16_t KeyAscii);
  void Form_MouseMove();
  // The window took another size (a screensaver host's window did): the face is laid out
  // for it again.
  void Form_Resize();

  void Timer4_Timer();
  void TimerSHOW_Timer();

  void RazmerKrugov();
  // The texts of the dialogs in a language (kEnglish or kRussian), and the system's choosers
  // with them.
  void Localise(float language);
  void DoClock2();
  void Do_Lines();
  void DoBackGround();
  std::vector<std::string> GetFiles(const std::string& filespec, int Attributes);
  // Lists the slide folder and starts the slide timer with the current period.
  void StartSlideShow();

  // The digits' size and the dial switch as numbers; a slot that holds no number counts
  // as its default, so a hand-edited file cannot stop the face.
  float HSizeSetting() const;
  bool Clock2Setting() const;

  // The settings file and the background pictures, beside the program or in the user's
  // own folder.
  DataFiles UserFiles() const { return DataFiles(system_); }

 private:
  void CreateElements();
  void ReadSettings();
  void ApplyCentrePicture();
  void CreateCircles();
  void FillSwatches();
  void PlaceHint();
  void CentreOnScreen(Element& e);

  System& system_;
  std::function<void(Window&)> attach_;
  std::unique_ptr<frmFILE> files_;
  std::unique_ptr<Form2> options_;
};

}  // namespace hc

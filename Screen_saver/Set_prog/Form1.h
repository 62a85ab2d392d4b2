#pragma once
// The installer's one window: the target folder, the choice between installing and only
// copying, and OK and Cancel. OK copies, reports and ends the program; Cancel ends it.

#include <string>

#include "Module1.h"
#include "model/window.h"
#include "system.h"

namespace hc::setup {

class Form1 {
 public:
  // Creates the window hidden, with its elements as designed.
  explicit Form1(System& system);

  Window window{"Form1"};

 private:
  // Tab visits elements in the order they were made unless told otherwise, so they are all
  // made here, in tab order, before the names below bind to them.
  bool made_ = MakeElements(window);

 public:
  ElementArray<Button> cmdOK;
  ElementArray<Label> lbl;
  TextBox& txtSYS;
  ElementArray<OptionButton> opt;
  ElementArray<Label> lblLoc;
  Image& Image1;
  Line& Line1;
  Line& Line2;

  Module1 module;
  // The result message as last shown.
  std::string CopyReport;

  void Form_Load();
  void lblLoc_Click(int Index);
  void cmdOK_Click(int Index);

 private:
  static bool MakeElements(Window& window);
  void Install();

  System& system_;
};

}  // namespace hc::setup

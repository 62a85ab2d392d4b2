#pragma once
// The file manager dialog: picks the centre picture, a slide-show folder or the window
// background from drive, folder and file lists.

#include "model/window.h"
#include "system.h"

namespace hc {

class Form2;

class frmFILE {
 public:
  // Creates the dialog hidden, with its elements as designed; its load handler places it
  // beside the options dialog.
  frmFILE(Form2& options, System& system);

  Window window{"frmFILE"};

  DriveList& Drive1;
  DirList& Dir1;
  TextBox& txtFP;
  FileList& File1;
  Label& lblSlideTime;
  TextBox& txtST;
  Button& cmdNO;
  Button& cmdОК;
  Label& lblSovet;
  Image& imgPREW;

  void Form_Load();

 private:
  Form2& options_;
  System& system_;
};

}  // namespace hc

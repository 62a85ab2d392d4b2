#pragma once
// The file manager dialog: picks the centre picture, a slide-show folder or the window
// background from drive, folder and file lists.

#include "model/window.h"
#include "system.h"

namespace hc {

class Form1;
class Form2;
struct Module1;

class frmFILE {
 public:
  // Creates the dialog hidden, with its elements as designed; its load handler places it
  // beside the options dialog.
  frmFILE(Form1& clock, Form2& options, Module1& module, System& system);

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

  // The three jobs the dialog is opened for.
  enum class Job { kCentrePicture, kSlideShow, kBackground };
  // Sets the file list's height, the hint and the period box for a job.
  void PrepareJob(Job job, const std::string& hint);

  void Form_Load();
  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();
  void File1_DblClick();
  void cmdОК_Click();
  void cmdNO_Click();

 private:
  std::string SelectedPath() const;
  void ChooseBackground();
  void ChooseSlideFolder();
  void ChooseCentrePicture();

  Form1& clock_;
  Form2& options_;
  Module1& module_;
  System& system_;
};

}  // namespace hc

#pragma once
// The options dialog: what the clock counts, circle sizes, background and dial look,
// the centre picture, colours and font, and the interface language. Every choice shows on
// the running clock at once.

#include "model/window.h"
#include "system.h"

namespace hc {

class Form1;
struct Module1;

class Form2 {
 public:
  // Creates the dialog hidden, with its elements as designed, and runs its load handler.
  Form2(Form1& clock, Module1& module, System& system);

  Window window{"Form2"};

  // The frames come first: other elements live in them.
  ElementArray<hc::Frame> Frame;
  ElementArray<Label> lblLOC;
  Line& Line1;
  ElementArray<OptionButton> optWT;
  ElementArray<OptionButton> optSW;
  ElementArray<OptionButton> optPIC;
  ElementArray<CheckBox> chkBG;
  Label& lblCH;
  PictureBox& picTMP;
  TextBox& txtOUT;
  ElementArray<TextBox> txtCOLOR;
  ElementArray<Label> lblCOLOR;
  ElementArray<Button> cmdOK;
  Label& Label1;

  void Form_Load();
  void Predustanovki();
  void optWT_Click(int Index);
  void optSW_Click(int Index);
  void chkBG_Click(int Index);
  void lblLOC_Click(int Index);
  void cmdOK_Click(int Index);
  void lblCOLOR_Click(int Index);
  void optPIC_Click(int Index);
  void lblCH_Click();

  // Puts back the background that was in place before the user chose another, when a
  // choice is neither saved nor cancelled yet: what Cancel does, and what a start does
  // after a run that ended with neither.
  FileError RestoreKeptBackground();

  // The font size of a digit label as the swatches show it.
  std::string SizeText(double points) const;

 private:
  void CreateElements();
  void Save();
  void Cancel();
  // Points the file manager at the folder of the saved picture, or the program's folder.
  void OpenFileManagerAtSavedPicture();
  // Says that a file operation failed; the program goes on.
  void ReportFailure(const std::string& heading, const FileError& error);

  Form1& clock_;
  Module1& module_;
  System& system_;
};

}  // namespace hc

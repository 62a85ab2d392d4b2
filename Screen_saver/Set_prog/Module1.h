#pragma once
// The installer's shared strings and its text switch.

#include <string>

#include "texts.h"

namespace hc::setup {

class Form1;

struct Module1 {
  // The heading of the result message.
  std::string MsgFilesCopied;
  // The heading instead when nothing is beside the setup to copy and the target folder holds
  // the screensaver already (an installed package's setup only registers it); the folder
  // follows.
  std::string MsgInstalledAlready;
  // Said of a file left in place because the target folder already holds it.
  std::string MsgExistsAlready;
  // The heading of the part of the result message that lists the failed copies.
  std::string MsgFilesFailed;
  // Why a copy failed.
  std::string MsgTargetUnusable;
  std::string MsgNotWritten;
  std::string MsgSwapNeedsBackground;
  std::string MsgSwapNameTaken;
  std::string MsgNotRestored;
  std::string MsgNotDeleted;
  // Headings of the result message's part on the desktop's list of screensavers; the
  // list's file follows each.
  std::string MsgRegistered;
  std::string MsgListedAlready;
  std::string MsgNotRegistered;
  // Comes before the name of the copy of the list as it was.
  std::string MsgFormerListKept;
};

// Puts the texts of `language` on the window and into the shared strings; a value other
// than the two languages changes nothing.
void DoSetupLocalisation(Module1& module, Form1& form, float language);

}  // namespace hc::setup

#pragma once
// The colour and font chooser control: one instance keeps its colour, font, option bits and
// cancel switch from one use to the next.

#include <string>

#include "system.h"

namespace hc {

class CommonDialog {
 public:
  explicit CommonDialog(System& system) : system_(system) {}

  // What a cancelled chooser leaves, and what the next one opens with.
  Color Color_ = 0;
  std::string FontName;
  double FontSize = 0;
  // Option bits of the font chooser (screen fonts, effects, no style).
  int Flags = 0;
  // When set, a cancelled chooser is an error for the caller to handle.
  bool CancelError = false;

  // Each returns true when the user chose; a choice replaces the held values.
  bool ShowColor();
  bool ShowFont();

 private:
  System& system_;
};

}  // namespace hc

#include "common_dialog.h"

namespace hc {

bool CommonDialog::ShowColor() {
  const auto chosen = system_.AskColor(Color_);
  if (!chosen) return false;
  Color_ = *chosen;
  return true;
}

bool CommonDialog::ShowFont() {
  const auto chosen = system_.AskFont({FontName, FontSize, Color_});
  if (!chosen) return false;
  FontName = chosen->name;
  FontSize = chosen->size;
  Color_ = chosen->color;
  return true;
}

}  // namespace hc

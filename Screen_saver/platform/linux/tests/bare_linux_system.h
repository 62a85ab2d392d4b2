#pragma once
// The Linux system's own services with the screen, pictures, boxes and choosers left out,
// for tests of what Linux answers by itself.

#include "linux/linux_system.h"
#include "tests/without_ui.h"

namespace hc::testing {

class BareLinuxSystem final : public WithoutUi<LinuxSystem> {
 public:
  std::string CommandLine() override { return ""; }
  char DecimalSeparator() override { return '.'; }
  void SetCursorPos(int, int) override {}
};

}  // namespace hc::testing

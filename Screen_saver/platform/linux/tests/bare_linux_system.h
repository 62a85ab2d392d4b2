#pragma once
// The Linux system's own services with the screen, pictures, boxes and choosers left out,
// for tests of what Linux answers by itself.

#include "linux/linux_system.h"

namespace hc::testing {

class BareLinuxSystem final : public LinuxSystem {
 public:
  std::string CommandLine() override { return ""; }
  ScreenSize Screen() override { return {}; }
  Picture LoadPicture(const std::string&, std::string*) override { return nullptr; }
  Picture DecodePicture(const std::vector<std::uint8_t>&, const std::string&) override {
    return nullptr;
  }
  MsgResult MsgBox(const std::string&, MsgButtons, MsgIcon, const std::string&) override {
    return MsgResult::kOk;
  }
  void RunModal(Window&) override {}
  std::optional<Color> AskColor(Color) override { return std::nullopt; }
  std::optional<FontChoice> AskFont(const FontChoice&) override { return std::nullopt; }
  char DecimalSeparator() override { return '.'; }
  void SetCursorPos(int, int) override {}
  void EndProgram() override { ended_ = true; }
  bool Ended() override { return ended_; }

 private:
  bool ended_ = false;
};

}  // namespace hc::testing

#pragma once
// A platform's own system services with the screen, pictures, boxes and choosers left out,
// for tests of what the platform answers by itself.

#include <optional>
#include <string>
#include <vector>

#include "system.h"

namespace hc::testing {

template <class Base>
class WithoutUi : public Base {
 public:
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
  void EndProgram() override { ended_ = true; }
  bool Ended() override { return ended_; }

 private:
  bool ended_ = false;
};

}  // namespace hc::testing

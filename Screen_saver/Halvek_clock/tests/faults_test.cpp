// Files that fail under the running clock: a folder that cannot be written, a copy that
// stops, slides that change under the show. The clock goes on and each file is either the
// old one or the new one.

#include <functional>
#include <string>
#include <vector>

#include "clock_fixture.h"

namespace hc::testing {
namespace {

class Faults : public ClockTest {
 protected:
  std::string Shown() const {
    const Picture& p = clock->Pict(0).GetPicture();
    return p ? std::filesystem::path(p->Source()).filename().string() : "";
  }
};

TEST_F(Faults, AReadOnlySettingsFolderRunsOnDefaultsAndASaveSaysWhyAndStaysOpen) {
  system.read_only_paths = {folder.string()};
  system.command_line = "/c";
  Form1& c = Start();
  EXPECT_FALSE(system.ended);
  EXPECT_FALSE(Exists("Halvek_Clock.ini"));
  EXPECT_EQ(c.module.PicCenter, "Default");
  EXPECT_TRUE(system.messages.empty()) << "start-up on defaults is not worth a message";

  pump.Click(Options().cmdOK(0));
  EXPECT_FALSE(system.ended);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_NE(system.messages[0].text.find("Read-only file system"), std::string::npos);
  EXPECT_FALSE(Exists("Halvek_Clock.ini"));
}

TEST_F(Faults, ASavedFileOnAReadOnlyFolderIsReadAndLeftAsItIs) {
  PutSettings("ViewTime=1\r\n");
  system.read_only_paths = {folder.string()};
  Form1& c = Start();
  EXPECT_EQ(c.module.ViewTime, 1);
  EXPECT_EQ(Settings(), "ViewTime=1\r\n");
}

TEST_F(Faults, ABackgroundThatCannotBeReplacedKeepsTheOldOneAndSaysWhy) {
  PutFile("Halvek_Clock_bg.jpg", Gif(10, 10));
  PutFile("pics/new.gif", Gif(20, 20));
  system.command_line = "/c";
  Start();
  // The old background is kept under its other name; then its own copy stops.
  system.read_only_paths = {Path("Halvek_Clock_bg.jpg")};
  system.modal_script = [&](Window&) {
    Files().Dir1.SetPath(Path("pics"));
    Files().File1.SetFileName("new.gif");
    pump.Click(Files().File1);
    pump.Click(Files().cmdОК);
    EXPECT_TRUE(Files().window.Visible()) << "the user may pick another";
    pump.Click(Files().cmdNO);
  };
  pump.Click(Options().lblCH);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_NE(system.messages[0].text.find(Path("Halvek_Clock_bg.jpg")), std::string::npos);
  EXPECT_EQ(ReadFile("Halvek_Clock_bg.jpg"), Gif(10, 10));
  EXPECT_FALSE(system.ended);

  // Cancel cannot put the kept copy back either: it says so and leaves both files whole.
  system.messages.clear();
  pump.Click(Options().cmdOK(1));
  EXPECT_EQ(ReadFile("Halvek_Clock_bg.jpg"), Gif(10, 10));
  EXPECT_EQ(ReadFile("Halvek_Clock_tmp.jpg"), Gif(10, 10));
}

TEST_F(Faults, SlidesThatChangeUnderTheShowAreSkippedAndTheShowGoesOn) {
  struct Case {
    const char* name;
    std::function<void(const std::filesystem::path&)> change;
    std::vector<std::string> shown;  // after each of the next four periods
  };
  const Case cases[] = {
      {"a slide vanished",
       [](const auto& slides) { std::filesystem::remove(slides / "b.gif"); },
       {"a.gif", "c.gif", "a.gif", "a.gif"}},
      {"a slide replaced by a folder",
       [](const auto& slides) {
         std::filesystem::remove(slides / "b.gif");
         std::filesystem::create_directory(slides / "b.gif");
       },
       {"a.gif", "c.gif", "a.gif", "a.gif"}},
      {"a slide made unreadable",
       [](const auto& slides) {
         std::ofstream(slides / "b.gif", std::ios::binary | std::ios::trunc) << "GI";
       },
       {"a.gif", "c.gif", "a.gif", "a.gif"}},
      {"the folder removed",
       [](const auto& slides) { std::filesystem::remove_all(slides); },
       {"a.gif", "a.gif", "a.gif", "a.gif"}},
  };
  for (const Case& k : cases) {
    clock.reset();
    std::filesystem::remove_all(folder / "slides");
    for (const char* name : {"a.gif", "b.gif", "c.gif"})
      PutFile(std::string("slides/") + name, Gif(49, 49));
    PutSettings("0\r\n0\r\nPicCenter=" + Path("slides/") + "\r\nSlideShowTime=2\r\n");
    Form1& c = Start();
    ASSERT_EQ(Shown(), "a.gif") << k.name;
    k.change(folder / "slides");
    std::vector<std::string> shown;
    for (int i = 0; i < 4; ++i) {
      pump.Advance(2000);
      shown.push_back(Shown());
    }
    EXPECT_EQ(shown, k.shown) << k.name;
    EXPECT_TRUE(c.TimerSHOW.Running()) << k.name;
    EXPECT_FALSE(system.ended) << k.name;
    EXPECT_TRUE(system.messages.empty()) << k.name << ": a screensaver shows no boxes";
  }
}

}  // namespace
}  // namespace hc::testing

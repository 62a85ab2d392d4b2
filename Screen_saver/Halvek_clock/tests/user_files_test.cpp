// The settings file and the background in the user's own folder when the program's folder
// cannot be written, as for a screensaver installed in a system folder.

#include <functional>
#include <string>

#include "clock_fixture.h"

namespace hc::testing {
namespace {

class UserFiles : public ClockTest {
 protected:
  UserFiles() : own(folder.string() + "-own") { system.user_data_folder = own.string(); }
  ~UserFiles() override { std::filesystem::remove_all(own); }
  void ReadOnlyProgramFolder() { system.read_only_paths = {system.program_folder}; }
  std::string ReadOwn(const std::string& name) const { return ReadFileAt(own / name); }
  bool OwnExists(const std::string& name) const { return std::filesystem::exists(own / name); }
  void PutOwn(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(own);
    std::ofstream(own / name, std::ios::binary) << bytes;
  }

  const std::filesystem::path own;
  // Starts, saves from the options dialog, and starts again.
  void SaveAndRestart(const std::function<void()>& change) {
    system.command_line = "/c";
    Start();
    change();
    pump.Click(Options().cmdOK(0));
    ASSERT_TRUE(system.ended);
    system.ended = false;
    system.command_line = "/s";
    Start();
  }
};

TEST_F(UserFiles, AWritableProgramFolderKeepsEverythingBesideTheProgram) {
  SaveAndRestart([&] { pump.Click(Options().optWT(1)); });
  EXPECT_EQ(Settings().substr(0, 12), "ViewTime=1\r\n");
  EXPECT_FALSE(std::filesystem::exists(own)) << "the user's folder is not even made";
  EXPECT_EQ(clock->module.ViewTime, 1);
}

TEST_F(UserFiles, AReadOnlyProgramFolderSavesInTheUsersFolderAndTheNextStartReadsIt) {
  ReadOnlyProgramFolder();
  Start();
  EXPECT_EQ(ReadOwn("Halvek_Clock.ini"), kDefaultFile) << "the defaults go there too";
  EXPECT_FALSE(Exists("Halvek_Clock.ini"));

  SaveAndRestart([&] { pump.Click(Options().optWT(1)); });
  EXPECT_TRUE(system.messages.empty()) << "Save worked: no failure to report";
  EXPECT_EQ(ReadOwn("Halvek_Clock.ini").substr(0, 12), "ViewTime=1\r\n");
  EXPECT_EQ(clock->module.ViewTime, 1);
}

TEST_F(UserFiles, TheUsersOwnFileIsReadFirstAndSavedWhereItWasRead) {
  PutSettings("ViewTime=0\r\nShapeWidth=0\r\n");
  PutOwn("Halvek_Clock.ini", "ViewTime=1\r\nShapeWidth=1\r\n");
  SaveAndRestart([&] { pump.Click(Options().optSW(0)); });
  EXPECT_EQ(clock->module.ViewTime, 1) << "the user's copy was read, and saved again";
  EXPECT_EQ(clock->module.ShapeWidth, 0);
  EXPECT_EQ(Settings(), "ViewTime=0\r\nShapeWidth=0\r\n") << "the copy beside is untouched";
}

// Settings and a background kept in a dotfiles folder through links of the user's own: Save,
// a background choice and Cancel each replace the file a link names, and the links stay.
TEST_F(UserFiles, FilesKeptElsewhereThroughTheUsersLinksStayWhereTheyLive) {
  namespace fs = std::filesystem;
  const fs::path dotfiles = own / "dotfiles";
  fs::create_directories(dotfiles);
  std::ofstream(dotfiles / "hc.ini", std::ios::binary) << kDefaultFile;
  std::ofstream(dotfiles / "bg.gif", std::ios::binary) << Gif(10, 10);
  PutFile("pics/new.gif", Gif(20, 20));
  std::error_code no_links;
  fs::create_symlink(dotfiles / "hc.ini", folder / "Halvek_Clock.ini", no_links);
  if (no_links) GTEST_SKIP() << "no links on this system: " << no_links.message();
  fs::create_symlink(dotfiles / "bg.gif", folder / "Halvek_Clock_bg.jpg");

  for (const int button : {1, 0}) {  // Cancel, then Save
    system.ended = false;
    system.command_line = "/c";
    Start();
    if (!Options().chkBG(0).Value()) pump.Click(Options().chkBG(0));
    system.modal_script = [&](Window&) {
      Files().Dir1.SetPath(Path("pics"));
      Files().File1.SetFileName("new.gif");
      pump.Click(Files().File1);
      pump.Click(Files().cmdОК);
    };
    pump.Click(Options().lblCH);
    EXPECT_EQ(ReadFileAt(dotfiles / "bg.gif"), Gif(20, 20)) << button;
    pump.Click(Options().cmdOK(button));
    ASSERT_TRUE(system.ended);
    EXPECT_EQ(ReadFileAt(dotfiles / "bg.gif"), button == 0 ? Gif(20, 20) : Gif(10, 10)) << button;
    for (const char* name : {"Halvek_Clock.ini", "Halvek_Clock_bg.jpg"})
      EXPECT_TRUE(fs::is_symlink(folder / name)) << name << " after " << button;
  }
  EXPECT_NE(ReadFileAt(dotfiles / "hc.ini").find("Back=1"), std::string::npos);
}

TEST_F(UserFiles, ABackgroundChosenUnderAReadOnlyFolderGoesToTheUsersFolder) {
  PutFile("Halvek_Clock_bg.jpg", Gif(10, 10));
  PutFile("pics/new.gif", Gif(20, 20));
  PutSettings(
      std::string(kDefaultFile).replace(std::string(kDefaultFile).find("Back=0"), 6, "Back=1"));
  ReadOnlyProgramFolder();
  system.command_line = "/c";
  Form1& c = Start();
  ASSERT_TRUE(c.window.GetPicture());
  EXPECT_EQ(c.window.GetPicture()->WidthPx(), 10) << "the packaged background shows";

  system.modal_script = [&](Window&) {
    frmFILE& f = Files();
    EXPECT_EQ(f.txtFP.Text(), Path("Halvek_Clock_bg.jpg"));
    f.Dir1.SetPath(Path("pics"));
    f.File1.SetFileName("new.gif");
    pump.Click(f.File1);
    pump.Click(f.cmdОК);
  };
  pump.Click(Options().lblCH);
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(ReadOwn("Halvek_Clock_bg.jpg"), Gif(20, 20));
  EXPECT_EQ(ReadOwn("Halvek_Clock_tmp.jpg"), Gif(10, 10));
  EXPECT_EQ(ReadFile("Halvek_Clock_bg.jpg"), Gif(10, 10)) << "the program's folder is untouched";
  EXPECT_EQ(c.window.GetPicture()->WidthPx(), 20);

  pump.Click(Options().cmdOK(1));
  EXPECT_EQ(ReadOwn("Halvek_Clock_bg.jpg"), Gif(10, 10)) << "Cancel puts the old one back";
  EXPECT_FALSE(OwnExists("Halvek_Clock_tmp.jpg"));
  EXPECT_TRUE(system.messages.empty());
}

}  // namespace
}  // namespace hc::testing

// The file manager's three jobs, its Cancel and the way the options open it.

#include <functional>
#include <string>

#include "clock_fixture.h"

namespace hc::testing {
namespace {

class FileManager : public ClockTest {
 protected:
  void SetUp() override {
    PutFile("pics/a.gif", Gif(49, 49));
    PutFile("pics/b.bmp", std::string("BM") + std::string(24, '\0'));
    PutFile("pics/notes.txt", "text");
    system.command_line = "/c";
    Start();
  }
  // Opens the dialog through `opener` and lets `user` act in it while it is shown.
  void Open(const std::function<void()>& opener, const std::function<void(frmFILE&)>& user) {
    system.modal_script = [&](Window&) { user(Files()); };
    opener();
  }
  void Pick(frmFILE& f, const std::string& folder, const std::string& name) {
    f.Dir1.SetPath(Path(folder));
    f.File1.SetFileName(name);
    pump.Click(f.File1);
  }
  std::string Pics() const { return Path("pics"); }
};

TEST_F(FileManager, ChoosingACentrePictureShowsItAndFillsThePathBox) {
  Open([&] { pump.Click(Options().optPIC(1)); },
       [&](frmFILE& f) {
         EXPECT_TRUE(f.window.Visible());
         EXPECT_EQ(f.File1.Height(), 2040);
         EXPECT_EQ(f.lblSovet.Text(), "49 x 49 px    black back  gif, jpg, bmp");
         EXPECT_FALSE(f.txtST.Visible());
         Pick(f, "pics", "a.gif");
         EXPECT_EQ(f.txtFP.Text(), Path("pics/a.gif"));
         ASSERT_TRUE(f.imgPREW.HasPicture());
         pump.Click(f.cmdОК);
         EXPECT_FALSE(f.window.Visible());
       });
  EXPECT_EQ(Options().txtOUT.Text(), Path("pics/a.gif"));
  EXPECT_EQ(clock->Pict(0).GetPicture()->Source(), Path("pics/a.gif"));
  EXPECT_TRUE(Options().txtOUT.Enabled());
  EXPECT_EQ(system.modal_windows, std::vector<std::string>{"frmFILE"});
}

TEST_F(FileManager, WithNoFileSelectedOkAsksAndCancelCloses) {
  system.answers = {MsgResult::kOk, MsgResult::kCancel};
  Open([&] { pump.Click(Options().optPIC(1)); },
       [&](frmFILE& f) {
         pump.Click(f.cmdОК);
         EXPECT_TRUE(f.window.Visible()) << "OK: choose again";
         pump.Click(f.cmdОК);
         EXPECT_FALSE(f.window.Visible());
       });
  ASSERT_EQ(system.messages.size(), 2u);
  EXPECT_EQ(system.messages[0].text, "No selected file. Continue?");
  EXPECT_EQ(system.messages[0].buttons, MsgButtons::kOkCancel);
  EXPECT_EQ(system.messages[0].icon, MsgIcon::kNone);
  EXPECT_EQ(Options().txtOUT.Text(), "");
}

TEST_F(FileManager, DoubleClickingChoosesTheFileOrTheSlideFolder) {
  Open([&] { pump.Click(Options().optPIC(1)); },
       [&](frmFILE& f) {
         f.Dir1.SetPath(Pics());
         f.File1.SetFileName("a.gif");
         f.File1.on_double_click();
       });
  EXPECT_EQ(Options().txtOUT.Text(), Path("pics/a.gif"));
  Open([&] { pump.Click(Options().optPIC(2)); },
       [&](frmFILE& f) {
         f.Dir1.SetPath(Pics());
         f.File1.SetFileName("a.gif");
         f.File1.on_double_click();
       });
  EXPECT_EQ(Options().txtOUT.Text(), Pics() + sep);
}

TEST_F(FileManager, ASlideFolderStartsAShowWithThePeriodGiven) {
  struct Case {
    std::string period;
    std::int64_t interval;  // 0: refused
  };
  for (const Case& k :
       {Case{"5", 5000}, Case{"2.5", 2500}, Case{"-3", 0}, Case{"5,5", 0}, Case{"1a", 0},
        Case{"ж", 0}, Case{"", 0}, Case{"  ", 0}, Case{"0", 0}, Case{"ё", 0}, Case{"99999999", 0},
        Case{"0.0004", 0}, Case{"0.001", 1}, Case{"2.0006", 2001}, Case{"1.9996", 2000}}) {
    system.messages.clear();
    clock->TimerSHOW.SetEnabled(false);
    Open([&] { pump.Click(Options().optPIC(2)); },
         [&](frmFILE& f) {
           EXPECT_EQ(f.File1.Height(), 1800);
           EXPECT_TRUE(f.txtST.Visible());
           f.Dir1.SetPath(Pics());
           f.txtST.SetText(k.period);
           pump.Click(f.cmdОК);
           EXPECT_EQ(f.window.Visible(), k.interval == 0) << k.period;
         });
    if (k.interval == 0) {
      ASSERT_EQ(system.messages.size(), 1u) << k.period;
      EXPECT_EQ(system.messages[0].text, "Slide show period must be integer number!");
      EXPECT_FALSE(clock->TimerSHOW.Running()) << k.period;
      continue;
    }
    EXPECT_TRUE(system.messages.empty()) << k.period;
    EXPECT_EQ(clock->TimerSHOW.Interval(), k.interval) << k.period;
    EXPECT_TRUE(clock->TimerSHOW.Running());
    EXPECT_EQ(clock->module.PicCenter, Pics() + sep);
    EXPECT_EQ(clock->SlideFiles, (std::vector<std::string>{"", "a.gif"}));
  }
}

TEST_F(FileManager, TabVisitsTheListsThePathThePeriodAndTheButtons) {
  const std::vector<std::string> slides{"Drive1", "Dir1",  "txtFP", "File1",
                                        "txtST",  "cmdNO", "cmdОК", "Drive1"};
  Open([&] { pump.Click(Options().optPIC(2)); },
       [&](frmFILE& f) {
         EXPECT_EQ(fake::EventPump::TabWalk(f.window, 8), slides);
         pump.Click(f.cmdNO);
       });
  // The period serves only the slide show: for a picture Tab passes it by.
  Open([&] { pump.Click(Options().optPIC(1)); },
       [&](frmFILE& f) {
         EXPECT_EQ(fake::EventPump::TabWalk(f.window, 5),
                   (std::vector<std::string>{"Drive1", "Dir1", "txtFP", "File1", "cmdNO"}));
         pump.Click(f.cmdNO);
       });
}

TEST_F(FileManager, AFolderWithoutFilesKeepsThePreviousSlides) {
  std::filesystem::create_directories(folder / "empty");
  clock->SlideFiles = {"", "old.gif"};
  Open([&] { pump.Click(Options().optPIC(2)); },
       [&](frmFILE& f) {
         f.Dir1.SetPath(Path("empty"));
         pump.Click(f.cmdОК);
       });
  EXPECT_EQ(clock->SlideFiles, (std::vector<std::string>{"", "old.gif"}));
  EXPECT_EQ(clock->SlideIndex, 1);
}

TEST_F(FileManager, ABackgroundIsCopiedBesideTheProgramAndTheOldOneKept) {
  PutFile("Halvek_Clock_bg.jpg", Gif(10, 10));
  pump.Click(Options().chkBG(0));
  Open([&] { pump.Click(Options().lblCH); },
       [&](frmFILE& f) {
         EXPECT_TRUE(f.imgPREW.Stretch());
         EXPECT_EQ(f.lblSovet.Text(), "1024x768 px\r\nrequired\r\ngif, jpg, bmp");
         EXPECT_EQ(f.txtFP.Text(), Path("Halvek_Clock_bg.jpg"));
         EXPECT_EQ(f.imgPREW.GetPicture()->WidthPx(), 10);
         Pick(f, "pics", "b.bmp");
         pump.Click(f.cmdОК);
       });
  EXPECT_EQ(ReadFile("Halvek_Clock_bg.jpg"), ReadFile("pics/b.bmp")) << "byte for byte";
  EXPECT_EQ(ReadFile("Halvek_Clock_tmp.jpg"), Gif(10, 10));
  EXPECT_EQ(clock->window.GetPicture()->Source(), Path("Halvek_Clock_bg.jpg"));
  EXPECT_EQ(Options().txtOUT.Text(), "") << "the centre's path box is not touched";

  pump.Click(Options().cmdOK(1));
  EXPECT_EQ(ReadFile("Halvek_Clock_bg.jpg"), Gif(10, 10)) << "Cancel puts the old one back";
  EXPECT_FALSE(Exists("Halvek_Clock_tmp.jpg"));
}

// A picture to cover the screen needs the screen's own pixels, which a denser screen has
// more of than the program lays out in.
TEST_F(FileManager, TheBackgroundHintGivesTheScreensOwnPixels) {
  struct Case {
    ScreenSize screen;
    double twips_per_pixel;
    const char* size;
  };
  const Case cases[] = {
      {{15360, 11520}, 15, "1024x768 px"},    // 96 dpi
      {{15360, 11520}, 10, "1536x1152 px"},   // 144 dpi
      {{15360, 11520}, 7.5, "2048x1536 px"},  // 192 dpi
      {{16392, 9216}, 12, "1366x768 px"},     // 120 dpi
  };
  for (const Case& c : cases) {
    system.screen = c.screen;
    system.twips_per_screen_pixel = c.twips_per_pixel;
    Start();
    pump.Click(Options().chkBG(0));
    Open([&] { pump.Click(Options().lblCH); },
         [&](frmFILE& f) {
           EXPECT_EQ(f.lblSovet.Text(), std::string(c.size) + "\r\nrequired\r\ngif, jpg, bmp")
               << c.twips_per_pixel << " twips to the pixel";
           pump.Click(f.cmdNO);
         });
  }
}

// Each way a run with a new background chosen can end: the user's former picture is the
// background afterwards, unless the choice was saved.
TEST_F(FileManager, ABackgroundNeitherSavedNorCancelledIsPutBack) {
  struct Case {
    const char* name;
    std::function<void()> end;
    bool saved;
  };
  const Case cases[] = {
      {"Save", [&] { pump.Click(Options().cmdOK(0)); }, true},
      {"Cancel", [&] { pump.Click(Options().cmdOK(1)); }, false},
      {"a signal", [&] { pump.EndRequest(); }, false},
      // Killed outright: the next start puts it back before anything else.
      {"killed", [&] { Start(); }, false},
  };
  for (const Case& k : cases) {
    system.ended = false;
    system.command_line = "/c";
    std::string settings = kDefaultFile;
    settings.replace(settings.find("Back=0"), 6, "Back=1");
    PutSettings(settings);
    PutFile("Halvek_Clock_bg.jpg", Gif(10, 10));
    Start();
    ASSERT_EQ(Options().chkBG(0).Value(), 1);
    // Two choices before the end: the first one's kept picture is the one to put back.
    for (const char* name : {"a.gif", "b.bmp"}) {
      Open([&] { pump.Click(Options().lblCH); },
           [&](frmFILE& f) {
             Pick(f, "pics", name);
             pump.Click(f.cmdОК);
           });
    }
    ASSERT_EQ(ReadFile("Halvek_Clock_tmp.jpg"), Gif(10, 10)) << k.name;
    k.end();
    EXPECT_EQ(ReadFile("Halvek_Clock_bg.jpg"), k.saved ? ReadFile("pics/b.bmp") : Gif(10, 10))
        << k.name;
    EXPECT_FALSE(Exists("Halvek_Clock_tmp.jpg")) << k.name;
    if (std::string(k.name) == "killed") {
      ASSERT_TRUE(clock->window.GetPicture());
      EXPECT_EQ(clock->window.GetPicture()->WidthPx(), 10) << "the former picture is shown";
      EXPECT_FALSE(system.ended);
    } else {
      EXPECT_TRUE(system.ended) << k.name;
    }
  }
}

TEST_F(FileManager, SaveThatCannotRemoveTheKeptPictureSaysSoAndStaysOpen) {
  PutFile("Halvek_Clock_bg.jpg", Gif(10, 10));
  pump.Click(Options().chkBG(0));
  Open([&] { pump.Click(Options().lblCH); },
       [&](frmFILE& f) {
         Pick(f, "pics", "a.gif");
         pump.Click(f.cmdОК);
       });
  system.read_only_paths = {Path("Halvek_Clock_tmp.jpg")};
  pump.Click(Options().cmdOK(0));
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_NE(system.messages[0].text.find("Halvek_Clock_tmp.jpg"), std::string::npos);
  EXPECT_FALSE(system.ended) << "a kept picture left behind would be put back at the next start";
  EXPECT_TRUE(Options().window.Visible());
  system.read_only_paths.clear();
  pump.Click(Options().cmdOK(0));
  EXPECT_TRUE(system.ended);
  EXPECT_FALSE(Exists("Halvek_Clock_tmp.jpg"));
  EXPECT_EQ(ReadFile("Halvek_Clock_bg.jpg"), Gif(49, 49));
}

TEST_F(FileManager, TheFirstBackgroundGoesIntoBothFilesAndTheCurrentOneCopiesNothing) {
  Open([&] { pump.Click(Options().lblCH); },
       [&](frmFILE& f) {
         Pick(f, "pics", "a.gif");
         pump.Click(f.cmdОК);
       });
  EXPECT_EQ(ReadFile("Halvek_Clock_bg.jpg"), Gif(49, 49));
  EXPECT_EQ(ReadFile("Halvek_Clock_tmp.jpg"), Gif(49, 49));
  std::filesystem::remove(folder / "Halvek_Clock_tmp.jpg");
  Open([&] { pump.Click(Options().lblCH); }, [&](frmFILE& f) { pump.Click(f.cmdОК); });
  EXPECT_FALSE(Exists("Halvek_Clock_tmp.jpg"));
  EXPECT_FALSE(Files().window.Visible());
}

TEST_F(FileManager, ABackgroundThatIsNoPictureIsRefusedAndNothingIsTouched) {
  PutFile("Halvek_Clock_bg.jpg", Gif(10, 10));
  Open([&] { pump.Click(Options().lblCH); },
       [&](frmFILE& f) {
         Pick(f, "pics", "notes.txt");
         pump.Click(f.cmdОК);
         EXPECT_TRUE(f.window.Visible());
         f.txtFP.SetText(Pics());  // a folder
         pump.Click(f.cmdОК);
         EXPECT_TRUE(f.window.Visible());
         pump.Click(f.cmdNO);
       });
  EXPECT_EQ(system.messages.size(), 2u);
  EXPECT_EQ(system.messages[0].title, "Attention");
  EXPECT_EQ(ReadFile("Halvek_Clock_bg.jpg"), Gif(10, 10));
  EXPECT_FALSE(Exists("Halvek_Clock_tmp.jpg"));
  EXPECT_FALSE(system.ended);
}

TEST_F(FileManager, CancelLeavesTheClockAndClearsThePictureOptions) {
  const Picture before = clock->Pict(0).GetPicture();
  Open([&] { pump.Click(Options().optPIC(1)); },
       [&](frmFILE& f) {
         Pick(f, "pics", "a.gif");
         pump.Click(f.cmdNO);
       });
  EXPECT_EQ(clock->Pict(0).GetPicture(), before);
  for (int i = 0; i <= 2; ++i) EXPECT_FALSE(Options().optPIC(i).Value());
  EXPECT_EQ(Options().txtOUT.Text(), "");
}

TEST_F(FileManager, ChooseStopsAShowAndDefaultBringsTheEmblemBack) {
  clock->module.SlideShowTime = 3;
  clock->TimerSHOW.SetInterval(3000);
  clock->TimerSHOW.SetEnabled(true);
  Open([&] { pump.Click(Options().optPIC(1)); }, [&](frmFILE& f) { pump.Click(f.cmdNO); });
  EXPECT_FALSE(clock->TimerSHOW.Running());
  EXPECT_EQ(clock->module.SlideShowTime, 0);
  clock->Pict(0).SetPicture(nullptr);
  pump.Click(Options().optPIC(0));
  EXPECT_EQ(clock->Pict(0).GetPicture(), Options().picTMP.GetPicture());
  EXPECT_FALSE(Options().txtOUT.Enabled());
  EXPECT_EQ(clock->module.PicCenter, "Default");
}

TEST_F(FileManager, ItOpensAtTheSavedPictureOrInTheProgramsFolder) {
  struct Case {
    std::string saved;
    std::string expected_folder;
  };
  for (const Case& k : {Case{Path("pics/a.gif"), Pics()}, Case{Pics() + sep, Pics()},
                        Case{"Default", folder.string()}, Case{Path("gone/x.gif"), folder.string()},
                        Case{"a.gif", folder.string()}}) {
    clock->module.IniValue[kPicCenter] = k.saved;
    Files().Dir1.SetPath("/");
    Open([&] { pump.Click(Options().optPIC(1)); },
         [&](frmFILE& f) {
           EXPECT_EQ(f.Dir1.Path(), k.expected_folder) << k.saved;
           EXPECT_EQ(f.File1.Path(), k.expected_folder) << k.saved;
           pump.Click(f.cmdNO);
         });
  }
}

TEST_F(FileManager, SlideShowLeavesARunningShowGoingAndDefaultStopsIt) {
  Open([&] { pump.Click(Options().optPIC(2)); },
       [&](frmFILE& f) {
         f.Dir1.SetPath(Pics());
         pump.Click(f.cmdОК);
       });
  ASSERT_TRUE(clock->TimerSHOW.Running());
  Open([&] { pump.Click(Options().optPIC(2)); },
       [&](frmFILE& f) {
         EXPECT_TRUE(clock->TimerSHOW.Running()) << "while the file manager is open";
         pump.Click(f.cmdNO);
       });
  EXPECT_TRUE(clock->TimerSHOW.Running());
  EXPECT_EQ(clock->TimerSHOW.Interval(), 5000);
  EXPECT_EQ(clock->module.SlideShowTime, 5);
  pump.Click(Options().optPIC(0));
  EXPECT_FALSE(clock->TimerSHOW.Running());
  EXPECT_EQ(clock->module.SlideShowTime, 0);
}

TEST_F(FileManager, TheDriveListFollowsTheSavedPictureAndTheBackgroundStartsAtHome) {
  PutFile("usb/photos/c.gif", Gif(49, 49));
  system.mounted_drives = {Path("usb")};
  const std::string home = system.DriveOf(folder.string());
  ASSERT_NE(home, Path("usb"));
  struct Case {
    const char* name;
    std::string saved;
    bool background;  // opened by the "other" link, else by "Choose" or "Slide show"
    bool slides;
    std::string drive, dir;
  };
  for (const Case& k : {
           Case{"a file on the stick", Path("usb/photos/c.gif"), false, false, Path("usb"),
                Path("usb/photos")},
           Case{"nothing saved", "Default", false, false, home, folder.string()},
           Case{"a slide folder on the stick", Path("usb/photos/"), false, true, Path("usb"),
                Path("usb/photos")},
           Case{"the background", Path("usb/photos/c.gif"), true, false, home, folder.string()},
           Case{"a file at home", Path("pics/a.gif"), false, false, home, Pics()},
       }) {
    clock->module.IniValue[kPicCenter] = k.saved;
    Open(
        [&] {
          if (k.background)
            Options().lblCH.on_click();
          else
            pump.Click(Options().optPIC(k.slides ? 2 : 1));
        },
        [&](frmFILE& f) {
          EXPECT_EQ(f.Drive1.Drive(), k.drive) << k.name;
          EXPECT_EQ(f.Dir1.Path(), k.dir) << k.name;
          pump.Click(f.cmdNO);
        });
  }
}

TEST_F(FileManager, ADriveThatIsNotReadyShowsWhyInThePathBox) {
  system.unready_folders = {"/media/cdrom"};
  Files().Dir1.SetPath(Pics());
  Files().Drive1.SetDrive("/media/cdrom");
  EXPECT_EQ(Files().txtFP.Text(), "Device unavailable");
  EXPECT_EQ(Files().Dir1.Path(), Pics());
  Files().Drive1.SetDrive("/");
  EXPECT_EQ(Files().Dir1.Path(), "/");
  EXPECT_EQ(Files().txtFP.Text(), "/");
}

TEST_F(FileManager, TheDialogOpensBesideTheOptions) {
  EXPECT_EQ(Files().window.Left(), Options().window.Left() + Options().window.Width());
  EXPECT_EQ(Files().window.Top(), Options().window.Top());
}

}  // namespace
}  // namespace hc::testing

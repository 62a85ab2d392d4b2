// The window background, the centre picture and its slide show.

#include <string>

#include "clock_fixture.h"

namespace hc::testing {
namespace {

class Pictures : public ClockTest {
 protected:
  static std::string File(const std::string& pic_center, const std::string& slide_time,
                          int back = 0) {
    return "0\r\n0\r\nPicCenter=" + pic_center + "\r\nSlideShowTime=" + slide_time +
           "\r\n1\r\nBack=" + std::to_string(back) + "\r\n";
  }
  std::string Slides() const { return Path("slides/"); }
  std::string Shown() const {
    const Picture& p = clock->Pict(0).GetPicture();
    return p ? std::filesystem::path(p->Source()).filename().string() : "";
  }
};

TEST_F(Pictures, TheBackgroundShowsOnlyWhileBackIsTicked) {
  PutFile("Halvek_Clock_bg.jpg", Gif(640, 480));
  PutSettings(File("Default", "0", 1));
  Form1& c = Start();
  ASSERT_TRUE(c.window.GetPicture());
  EXPECT_EQ(c.window.GetPicture()->WidthPx(), 640) << "told by content, whatever the name";
  Options().chkBG(0).SetValue(0);
  EXPECT_FALSE(c.window.GetPicture());
}

TEST_F(Pictures, BackWithoutItsFileOrWithAnUnreadableOneLeavesTheWindowBlack) {
  for (const char* content : {"", "not a picture"}) {
    clock.reset();
    std::filesystem::remove(folder / "Halvek_Clock_bg.jpg");
    if (*content) PutFile("Halvek_Clock_bg.jpg", content);
    PutSettings(File("Default", "0", 1));
    Form1& c = Start();
    EXPECT_FALSE(c.window.GetPicture()) << content;
    EXPECT_FALSE(system.ended);
  }
}

TEST_F(Pictures, APictureFileNamedInTheSettingsIsTheCentre) {
  PutFile("pics/logo.gif", Gif(49, 49));
  PutSettings(File(Path("pics/logo.gif"), "0"));
  Form1& c = Start();
  EXPECT_EQ(Shown(), "logo.gif");
  EXPECT_EQ(Options().txtOUT.Text(), Path("pics/logo.gif"));
  EXPECT_EQ(c.Pict(0).Left(), 7680 - 367);
  EXPECT_EQ(c.Pict(0).Top(), 5760 - 367);
}

TEST_F(Pictures, AnythingElseKeepsTheBuiltInEmblem) {
  PutFile("broken.gif", "GIF? no");
  for (const std::string& pic_center : {std::string("Встроенная"), std::string("Default"),
                                        Path("missing.gif"), Path("broken.gif"), Path("")}) {
    clock.reset();
    PutSettings(File(pic_center, "0"));
    Form1& c = Start();
    EXPECT_EQ(c.Pict(0).GetPicture(), c.picTMP1.GetPicture()) << pic_center;
    EXPECT_EQ(Options().picTMP.GetPicture(), c.picTMP1.GetPicture());
  }
}

TEST_F(Pictures, ASlideShowRunsThroughTheFoldersGifsInListingOrder) {
  for (const char* name : {"c.gif", "a.gif", "b.GIF", "notes.txt", "d.jpg", "._a.gif"})
    PutFile(std::string("slides/") + name, Gif(49, 49));
  PutSettings(File(Slides(), "5"));
  Form1& c = Start();
  EXPECT_EQ(c.SlideFiles, (std::vector<std::string>{"", "a.gif", "b.GIF", "c.gif"}));
  EXPECT_EQ(c.TimerSHOW.Interval(), 5000);
  EXPECT_EQ(Options().txtOUT.Text(), Slides());
  std::vector<std::string> shown{Shown()};
  for (int i = 0; i < 4; ++i) {
    pump.Advance(5000);
    shown.push_back(Shown());
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"a.gif", "b.GIF", "c.gif", "a.gif", "b.GIF"}));
}

TEST_F(Pictures, ASlidePeriodIsRoundedToMillisecondsAndCutToTheLongestTimer) {
  struct Case {
    const char* seconds;
    std::int64_t interval;
    bool running;
  };
  PutFile("slides/a.gif", Gif(49, 49));
  for (const Case& k :
       {Case{"2.5", 2500, true}, Case{"2.0006", 2001, true}, Case{"1.9996", 2000, true},
        Case{"0", 0, false}, Case{"-3", 0, false}, Case{"1e7", kMaxTimerInterval, true},
        Case{"1e30", kMaxTimerInterval, true}, Case{"1e300", 0, false}}) {
    clock.reset();
    PutSettings(File(Slides(), k.seconds));
    Form1& c = Start();
    EXPECT_EQ(c.TimerSHOW.Running(), k.running) << k.seconds;
    if (k.running) {
      EXPECT_EQ(c.TimerSHOW.Interval(), k.interval) << k.seconds;
    }
  }
}

TEST_F(Pictures, AShowWithNothingToShowKeepsTheCurrentPictureAndGoesOn) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;
    std::string expected;
  };
  const Case cases[] = {
      {"no folder", {}, ""},
      {"no gif", {{"x.txt", "text"}}, ""},
      {"hidden gifs only", {{".a.gif", Gif(49, 49)}, {".b.gif", Gif(49, 49)}}, ""},
      {"one gif", {{"only.gif", Gif(49, 49)}}, "only.gif"},
      {"unreadable second", {{"a.gif", Gif(49, 49)}, {"b.gif", "broken"}}, "a.gif"},
  };
  for (const Case& k : cases) {
    clock.reset();
    std::filesystem::remove_all(folder / "slides");
    for (const auto& [name, bytes] : k.files) PutFile("slides/" + name, bytes);
    PutSettings(File(Slides(), "1"));
    Form1& c = Start();
    const Picture first = c.Pict(0).GetPicture();
    ASSERT_TRUE(first) << k.name << ": the centre always holds a picture";
    for (int i = 0; i < 3; ++i) {
      pump.Advance(1000);
      if (k.expected.empty()) {
        EXPECT_EQ(c.Pict(0).GetPicture(), first) << k.name;
      }
    }
    if (!k.expected.empty()) {
      EXPECT_EQ(Shown(), k.expected) << k.name;
    }
    EXPECT_FALSE(system.ended) << k.name;
  }
}

TEST_F(Pictures, GetFilesListsEveryMatchAfterAnEmptyFirstEntry) {
  for (int i = 0; i < 120; ++i) PutFile("many/" + std::to_string(1000 + i) + ".gif", "x");
  Form1& c = Start();
  const auto names = c.GetFiles(Path("many/*.gif"), 0);
  ASSERT_EQ(names.size(), 121u);
  EXPECT_EQ(names[0], "");
  EXPECT_EQ(names[1], "1000.gif");
  EXPECT_EQ(names[120], "1119.gif");
  EXPECT_EQ(c.GetFiles(Path("many/*.bmp"), 0), std::vector<std::string>{""});
}

}  // namespace
}  // namespace hc::testing

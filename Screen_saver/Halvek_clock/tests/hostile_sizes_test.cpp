// Settings files and slide folders far larger than any the clock writes or needs: read
// whole, used as far as they make sense, and never the end of the clock.

#include <string>

#include "clock_fixture.h"

namespace hc::testing {
namespace {

class HostileSizes : public ClockTest {};

TEST_F(HostileSizes, AMegabyteLineIsReadWholeAndANumberThatLongIsNone) {
  const std::string long_text(1 << 20, 'x');
  const std::string long_number(1 << 20, '7');
  PutSettings(long_number + "\r\n0\r\nPicCenter=" + long_text +
              "\r\n0\r\n1\r\n0\r\nHColor=" + long_number + "\r\n");
  Form1& c = Start();
  EXPECT_EQ(c.module.PicCenter, long_text);
  EXPECT_EQ(c.module.ViewTime, 0) << "beyond any number: the default";
  EXPECT_EQ(c.LineS(2).LineColor(), 255u) << "the default hours colour";
  EXPECT_EQ(c.Pict(0).GetPicture(), c.picTMP1.GetPicture()) << "no such picture: the emblem";
  pump.Advance(3000);
  EXPECT_FALSE(system.ended);
}

TEST_F(HostileSizes, OfAHundredThousandLinesOnlyTheSlotsAreUsed) {
  std::string file = "ViewTime=1\r\nShapeWidth=0\r\nPicCenter=Default\r\nSlideShowTime=0\r\n";
  for (int i = 0; i < 100000; ++i) file += "Extra=" + std::to_string(i) + "\r\n";
  PutSettings(file);
  Form1& c = Start();
  EXPECT_EQ(c.module.ViewTime, 1);
  EXPECT_EQ(c.module.IniValue[kHColor], "2") << "slot 7 holds the file's seventh line";
  EXPECT_EQ(Settings(), file) << "a file that was read is not rewritten";
}

TEST_F(HostileSizes, ASlideFolderOfTenThousandGifsRunsInListingOrder) {
  const std::string gif = Gif(49, 49);
  std::filesystem::create_directories(folder / "slides");
  for (int i = 0; i < 10000; ++i)
    std::ofstream(folder / "slides" / (std::to_string(10000 + i) + ".gif"), std::ios::binary)
        << gif;
  PutSettings("0\r\n0\r\nPicCenter=" + Path("slides/") + "\r\nSlideShowTime=2\r\n");
  Form1& c = Start();
  ASSERT_EQ(c.SlideFiles.size(), 10001u);
  EXPECT_EQ(c.SlideFiles[1], "10000.gif");
  EXPECT_EQ(c.SlideFiles[10000], "19999.gif");
  pump.Advance(4000);
  EXPECT_EQ(std::filesystem::path(c.Pict(0).GetPicture()->Source()).filename(), "10002.gif");
}

}  // namespace
}  // namespace hc::testing

// The clock on the real Qt backend: each look drawn with the right colours in the right
// places of a grabbed 1024 x 768 frame.

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

#include "Form1.h"
#include "qt/qt_app.h"
#include "qt/qt_testing.h"

namespace hc {
namespace {

// The Linux services, but with the program's files in a folder of the test's own.
class InFolder : public System {
 public:
  InFolder(System& real, std::string folder) : real_(real), folder_(std::move(folder)) {}
  std::string ProgramFolder() override { return folder_; }
  std::string CommandLine() override { return "/s"; }
  bool AnotherInstance() override { return false; }
  std::string PathSeparator() override { return real_.PathSeparator(); }
  std::string DriveOf(const std::string& p) override { return real_.DriveOf(p); }
  ScreenSize Screen() override { return real_.Screen(); }
  DateTime Now() override { return real_.Now(); }
  std::vector<std::string> ListFiles(const std::string& p) override { return real_.ListFiles(p); }
  FileError CopyFile(const std::string& a, const std::string& b) override {
    return real_.CopyFile(a, b);
  }
  FileError DeleteFile(const std::string& p) override { return real_.DeleteFile(p); }
  std::optional<std::vector<std::string>> ReadLines(const std::string& p) override {
    return real_.ReadLines(p);
  }
  FileError WriteLines(const std::string& p, const std::vector<std::string>& l) override {
    return real_.WriteLines(p, l);
  }
  Picture LoadPicture(const std::string& p, std::string* e) override {
    return real_.LoadPicture(p, e);
  }
  Picture DecodePicture(const std::vector<std::uint8_t>& b, const std::string& n) override {
    return real_.DecodePicture(b, n);
  }
  MsgResult MessageBox(const std::string&, MsgButtons, MsgIcon, const std::string&) override {
    return MsgResult::kOk;
  }
  void RunModal(Window& w) override { real_.RunModal(w); }
  std::optional<Color> ChooseColor(Color c) override { return real_.ChooseColor(c); }
  std::optional<FontChoice> ChooseFont(const FontChoice& f) override { return real_.ChooseFont(f); }
  std::vector<std::string> Drives() override { return real_.Drives(); }
  std::vector<std::string> SubFolders(const std::string& f) override { return real_.SubFolders(f); }
  FileError CheckFolder(const std::string& f) override { return real_.CheckFolder(f); }
  char DecimalSeparator() override { return '.'; }
  void SetCursorPos(int, int) override {}
  std::string SystemFolder() override { return folder_; }
  bool StartCommand(const std::vector<std::string>&) override { return false; }
  void EndProgram() override { real_.EndProgram(); }
  bool Ended() override { return real_.Ended(); }

 private:
  System& real_;
  std::string folder_;
};

int argc = 3;
char arg0[] = "clock_frames_test", arg1[] = "-platform",
     arg2[] = "offscreen:configfile=" HC_SCREEN_CONFIG;
char* argv[] = {arg0, arg1, arg2, nullptr};

hc::qt::App& TheApp() {
  static hc::qt::App app(argc, argv);
  return app;
}

struct Look {
  const char* name;
  const char* settings;
  bool lines;
  bool dial;
};

class ClockFrames : public ::testing::TestWithParam<Look> {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / (std::string("hc_frames_") + GetParam().name);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Halvek_Clock.ini") << GetParam().settings;
    system = std::make_unique<InFolder>(TheApp().GetSystem(), folder.string());
    clock = std::make_unique<Form1>(*system, [](Window& w) { TheApp().Attach(w); });
    clock->Form_Load();
    clock->window.Show();
    clock->Timer4_Timer();
  }
  void TearDown() override {
    clock.reset();
    std::filesystem::remove_all(folder);
  }
  QImage Frame() {
    return hc::qt::ViewOf(TheApp(), clock->window)
        ->grab()
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }
  // Whether the colour stands on the pixel or a neighbour (edges are smoothed).
  static bool Near(const QImage& img, double x_twips, double y_twips, QRgb colour) {
    const int x = static_cast<int>(std::lround(x_twips / 15));
    const int y = static_cast<int>(std::lround(y_twips / 15));
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (img.valid(x + dx, y + dy) && img.pixel(x + dx, y + dy) == colour) return true;
    return false;
  }
  static QRgb Pixel(const QImage& img, double x_twips, double y_twips) {
    return img.pixel(static_cast<int>(std::lround(x_twips / 15)),
                     static_cast<int>(std::lround(y_twips / 15)));
  }

  std::filesystem::path folder;
  std::unique_ptr<InFolder> system;
  std::unique_ptr<Form1> clock;
};

TEST_P(ClockFrames, EachHandIsDrawnInItsColourWhereTheModelPutsIt) {
  const QImage img = Frame();
  ASSERT_EQ(img.width(), 1024);
  ASSERT_EQ(img.height(), 768);
  const QRgb hand[3] = {qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(255, 0, 0)};
  for (int i = 0; i <= 2; ++i) {
    const Shape& s = clock->ShapeS(i + 2);
    const double cx = s.Left() + s.Width() / 2, cy = s.Top() + s.Height() / 2;
    // Just inside the outline, on the side away from the digits: the outline's colour.
    EXPECT_TRUE(Near(img, s.Left() + 15, cy, hand[i])) << GetParam().name << " circle " << i;
    // Inside, below the digits: the circles' fill.
    EXPECT_EQ(Pixel(img, cx, s.Top() + s.Height() - 90), qRgb(255, 255, 0))
        << GetParam().name << " fill " << i;
    // Along its line, between the centre circle and its own circle, well outside the centre circle.
    const Line& l = clock->LineS(i);
    const double mx = l.X1() + 0.6 * (l.X2() - l.X1()), my = l.Y1() + 0.6 * (l.Y2() - l.Y1());
    EXPECT_EQ(Near(img, mx, my, hand[i]), GetParam().lines) << GetParam().name << " line " << i;
  }
  // The centre circle's black fill around the emblem, and what lies beyond the face.
  EXPECT_EQ(Pixel(img, 7680, 5760 + 480), qRgb(0, 0, 0));
  const QRgb corner = Pixel(img, 300, 300);
  EXPECT_EQ(corner, qRgb(0, 0, 0)) << "no background picture";
  if (GetParam().dial) {
    // The dial's brown ring at 140 px below the centre, away from the circles above.
    const QRgb ring = Pixel(img, 7680 + 140 * 15 * 0.7071, 5760 + 140 * 15 * 0.7071);
    EXPECT_GT(qRed(ring), qGreen(ring));
    EXPECT_GT(qGreen(ring), qBlue(ring));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Looks, ClockFrames,
    ::testing::Values(
        Look{"different",
             "0\r\n0\r\nDefault\r\n0\r\n1\r\n0\r\n255\r\n65280\r\n16711680\r\n65535\r\n", true,
             false},
        Look{"equal", "0\r\n1\r\nDefault\r\n0\r\n1\r\n0\r\n255\r\n65280\r\n16711680\r\n65535\r\n",
             true, false},
        Look{"dial",
             "0\r\n1\r\nDefault\r\n0\r\n1\r\n0\r\n255\r\n65280\r\n16711680\r\n65535\r\n30\r\nTahoma"
             "\r\n1\r\n",
             false, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace hc

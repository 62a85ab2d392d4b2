// What the backend paints for the model: checked on the pixels of grabbed frames.

#include <QPaintEvent>
#include <QRegion>
#include <QTemporaryDir>
#include <functional>
#include <initializer_list>
#include <memory>

#include "painting.h"
#include "pictures.h"
#include "qt_fixture.h"

namespace hc::qt {
namespace {

using Drawing = QtFixture;

TEST_F(Drawing, ShapesFillAndOutlineInsideTheirBounds) {
  struct Case {
    const char* what;
    ShapeKind kind;
    bool opaque;
    int border_style;
    std::string centre, edge, corner;
  };
  // Bounds 50..150 both ways, outline 6 px: its middle is 3 px inside the edge.
  const Case cases[] = {
      {"filled circle, outlined", ShapeKind::kCircle, true, 1, Hex(kRed), Hex(kGreen), Hex(kBack)},
      {"hollow rectangle, outlined", ShapeKind::kRectangle, false, 1, Hex(kBack), Hex(kGreen),
       Hex(kGreen)},
      {"filled rectangle, no outline", ShapeKind::kRectangle, true, 0, Hex(kRed), Hex(kRed),
       Hex(kRed)},
  };
  Shape& s = window.Add<Shape>("s");
  s.Move(T(50), T(50), T(100), T(100));
  s.SetFillColor(kRed);
  s.SetBorderColor(kGreen);
  s.SetBorderWidth(6);
  Open();
  for (const Case& c : cases) {
    s.SetShape(c.kind);
    s.SetFillOpaque(c.opaque);
    s.SetBorderStyle(c.border_style);
    const QImage shot = Shot();
    EXPECT_EQ(At(shot, 100, 100), c.centre) << c.what;
    EXPECT_EQ(At(shot, 53, 100), c.edge) << c.what;
    EXPECT_EQ(At(shot, 52, 52), c.corner) << c.what;
    EXPECT_EQ(At(shot, 46, 100), Hex(kBack)) << c.what << ": nothing outside the bounds";
  }
}

TEST_F(Drawing, LineHasItsWidthAndFlatEnds) {
  Line& h = window.Add<Line>("h");
  h.SetPoints(T(40), T(100), T(360), T(100));
  h.SetLineWidth(6);
  h.SetLineColor(kYellow);
  Open();
  const QImage shot = Shot();
  for (int y : {98, 100, 102}) EXPECT_EQ(At(shot, 200, y), Hex(kYellow)) << "y " << y;
  for (int y : {95, 105}) EXPECT_EQ(At(shot, 200, y), Hex(kBack)) << "y " << y;
  EXPECT_EQ(At(shot, 41, 100), Hex(kYellow));
  EXPECT_EQ(At(shot, 37, 100), Hex(kBack)) << "a flat end does not reach past the end point";
  EXPECT_EQ(At(shot, 363, 100), Hex(kBack));
}

TEST_F(Drawing, StackingDecidesAmongDrawnElementsButWindowedOnesStayAbove) {
  PictureBox& box = window.Add<PictureBox>("box");
  box.Move(T(200), T(50), T(60), T(60));
  box.SetBackColor(kWhite);
  Shape& a = window.Add<Shape>("a");
  Shape& b = window.Add<Shape>("b");
  for (auto [shape, colour, left] : {std::tuple{&a, kRed, 20}, std::tuple{&b, kGreen, 60}}) {
    shape->Move(T(left), T(50), T(200), T(100));
    shape->SetFillOpaque(true);
    shape->SetFillColor(colour);
    shape->SetBorderStyle(0);
  }
  Open();
  QImage shot = Shot();
  EXPECT_EQ(At(shot, 100, 100), Hex(kGreen)) << "the later shape is in front";
  EXPECT_EQ(At(shot, 230, 80), Hex(kWhite)) << "the picture box is above shapes made after it";

  window.BringToFront(a);
  shot = Shot();
  EXPECT_EQ(At(shot, 100, 100), Hex(kRed));
  EXPECT_EQ(At(shot, 230, 80), Hex(kWhite));
}

TEST_F(Drawing, WindowedSiblingsFollowTheStackingOrder) {
  PictureBox& under = window.Add<PictureBox>("under");
  PictureBox& over = window.Add<PictureBox>("over");
  under.Move(T(10), T(10), T(100), T(100));
  under.SetBackColor(kRed);
  over.Move(T(50), T(50), T(100), T(100));
  over.SetBackColor(kGreen);
  Open();
  EXPECT_EQ(At(Shot(), 80, 80), Hex(kGreen));
  window.BringToFront(under);
  EXPECT_EQ(At(Shot(), 80, 80), Hex(kRed));
}

QImage Filled(int width, int height, Color colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(ToQColor(colour));
  return image;
}

Picture PictureOf(const QImage& image) {
  return std::make_shared<QtPicture>(image, "test");
}

TEST_F(Drawing, WindowPictureKeepsItsSizeAtTheTopLeft) {
  window.SetPicture(PictureOf(Filled(40, 30, kRed)));
  Open();
  const QImage shot = Shot();
  EXPECT_EQ(At(shot, 0, 0), Hex(kRed));
  EXPECT_EQ(At(shot, 39, 29), Hex(kRed));
  EXPECT_EQ(At(shot, 41, 10), Hex(kBack));
  EXPECT_EQ(At(shot, 10, 31), Hex(kBack));
}

TEST_F(Drawing, ImageStretchesOrShowsItsPictureClippedToItsBounds) {
  QImage picture = Filled(40, 40, kRed);
  for (int y = 0; y < 40; ++y)
    for (int x = 20; x < 40; ++x) picture.setPixelColor(x, y, ToQColor(kGreen));
  Image& image = window.Add<Image>("img");
  image.Move(T(100), T(100), T(20), T(80));
  image.SetPicture(PictureOf(picture));
  Open();

  QImage shot = Shot();
  EXPECT_EQ(At(shot, 110, 110), Hex(kRed)) << "natural size from the top-left";
  EXPECT_EQ(At(shot, 125, 110), Hex(kBack)) << "clipped at the right edge";
  EXPECT_EQ(At(shot, 110, 150), Hex(kBack)) << "nothing below the picture";

  image.SetStretch(true);
  shot = Shot();
  EXPECT_EQ(At(shot, 103, 170), Hex(kRed));
  EXPECT_EQ(At(shot, 117, 170), Hex(kGreen)) << "both halves squeezed into the width";
}

int CountOf(const QImage& image, const QRect& area, const std::string& colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += At(image, x, y) == colour;
  return n;
}

TEST_F(Drawing, LabelTextInItsColourOverItsBackOrOverWhatIsBehind) {
  Shape& behind = window.Add<Shape>("behind");
  behind.Move(T(0), T(0), T(400), T(300));
  behind.SetFillOpaque(true);
  behind.SetFillColor(kRed);
  Label& solid = window.Add<Label>("solid");
  Label& clear = window.Add<Label>("clear");
  for (auto [label, top] : {std::pair{&solid, 20}, std::pair{&clear, 150}}) {
    label->Move(T(20), T(top), T(300), T(100));
    label->SetText("WWW MMM");
    label->SetFont(Font("DejaVu Sans", 30, true));
    label->SetForeColor(kWhite);
    label->SetBackColor(kBack);
  }
  clear.SetTransparent(true);
  Open();
  const QImage shot = Shot();
  const QRect solid_area(20, 20, 300, 100), clear_area(20, 150, 300, 100);
  EXPECT_GT(CountOf(shot, solid_area, Hex(kWhite)), 200);
  EXPECT_EQ(CountOf(shot, solid_area, Hex(kRed)), 0) << "an opaque label hides what is behind";
  EXPECT_GT(CountOf(shot, clear_area, Hex(kWhite)), 200);
  EXPECT_EQ(CountOf(shot, clear_area, Hex(kBack)), 0) << "a transparent label paints no back";
}

TEST_F(Drawing, LabelKeepsRunsOfBlanks) {
  Label& label = window.Add<Label>("l");
  label.Move(T(0), T(0), T(400), T(60));
  label.SetFont(Font("DejaVu Sans", 20));
  label.SetForeColor(kWhite);
  label.SetBackColor(kBack);
  label.SetText("I");
  Open();
  const auto first_ink = [this] {
    const QImage shot = Shot();
    for (int x = 0; x < 400; ++x)
      for (int y = 0; y < 60; ++y)
        if (At(shot, x, y) == Hex(kWhite)) return x;
    return -1;
  };
  const int unindented = first_ink();
  label.SetText("          I");
  EXPECT_GT(first_ink(), unindented + 40);
}

// Records the areas the window paints.
class PaintSpy : public QObject {
 public:
  explicit PaintSpy(QWidget* w) { w->installEventFilter(this); }
  QRegion painted;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
};

TEST_F(Drawing, ChangingOneElementRepaintsOnlyAroundIt) {
  Shape& dot = window.Add<Shape>("dot");
  dot.Move(T(100), T(100), T(20), T(20));
  Label& label = window.Add<Label>("label");
  label.Move(T(300), T(200), T(60), T(20));
  Line& hand = window.Add<Line>("hand");
  hand.SetPoints(T(200), T(150), T(200), T(100));
  hand.SetLineWidth(4);
  QWidget* view = Open();
  Settle();

  struct Case {
    const char* what;
    std::function<void()> change;
    QRect must_cover;
  };
  const Case cases[] = {
      {"a move", [&] { dot.Move(T(104), T(100), T(20), T(20)); }, QRect(100, 100, 24, 20)},
      {"a new text", [&] { label.SetText("12"); }, QRect(300, 200, 60, 20)},
      {"a turned hand", [&] { hand.SetPoints(T(200), T(150), T(230), T(120)); },
       QRect(200, 100, 30, 50)},
      {"brought to front", [&] { window.BringToFront(dot); }, QRect(104, 100, 20, 20)},
  };
  for (const Case& c : cases) {
    PaintSpy spy(view);
    c.change();
    Settle();
    const QRect painted = spy.painted.boundingRect();
    EXPECT_TRUE(painted.contains(c.must_cover)) << c.what;
    EXPECT_LE(painted.width() * painted.height(),
              2 * (c.must_cover.width() + 10) * (c.must_cover.height() + 10))
        << c.what << " painted " << painted.x() << "," << painted.y() << " " << painted.width()
        << "x" << painted.height();
  }
}

// The X server keeps an element's pixels for as long as its look stays the same: a change
// of anything it shows must change its look, and moving it must not.
TEST_F(Drawing, AnElementsLookChangesWithEverythingItShowsButItsPlace) {
  Shape& shape = window.Add<Shape>("shape");
  Label& label = window.Add<Label>("label");
  TextBox& box = window.Add<TextBox>("box");
  PictureBox& picture_box = window.Add<PictureBox>("picture");
  box.SetReadOnly(true);
  // Two pictures alike in everything but being two.
  const Picture one = std::make_shared<QtPicture>(QImage(4, 4, QImage::Format_RGB32), "same");
  const Picture two = std::make_shared<QtPicture>(QImage(4, 4, QImage::Format_RGB32), "same");
  picture_box.SetPicture(one);
  struct Change {
    const char* what;
    const Element& element;
    std::function<void()> make;
  };
  const Change changes[] = {
      {"shape kind", shape, [&] { shape.SetShape(ShapeKind::kCircle); }},
      {"fill colour", shape, [&] { shape.SetFillColor(kGreen); }},
      {"fill opaque", shape, [&] { shape.SetFillOpaque(true); }},
      {"border colour", shape, [&] { shape.SetBorderColor(kGreen); }},
      {"border width", shape, [&] { shape.SetBorderWidth(3); }},
      {"border style", shape, [&] { shape.SetBorderStyle(0); }},
      {"label text", label, [&] { label.SetText("59"); }},
      {"label colour", label, [&] { label.SetForeColor(kGreen); }},
      {"label back", label, [&] { label.SetBackColor(kGreen); }},
      {"label see-through", label, [&] { label.SetTransparent(true); }},
      {"label font", label, [&] { label.SetFontName("Arial"); }},
      {"label size", label, [&] { label.SetFontSize(20); }},
      {"label bold", label, [&] { label.SetFontBold(true); }},
      {"label alignment", label, [&] { label.SetAlign(Alignment::kRight); }},
      {"label enabled", label, [&] { label.SetEnabled(false); }},
      {"box text", box, [&] { box.SetText("Click <1> for setup"); }},
      {"box colour", box, [&] { box.SetForeColor(kGreen); }},
      {"box picture", picture_box, [&] { picture_box.SetPicture(two); }},
      {"box stretch", picture_box, [&] { picture_box.SetStretch(true); }},
      {"box fit", picture_box, [&] { picture_box.SetCentreFit(true); }},
      {"box back", picture_box, [&] { picture_box.SetBackColor(kGreen); }},
  };
  for (const Change& c : changes) {
    const std::string before = LookOf(c.element);
    ASSERT_FALSE(before.empty()) << c.what;
    c.make();
    EXPECT_NE(LookOf(c.element), before) << c.what;
  }
  for (Element* e : std::initializer_list<Element*>{&shape, &label, &box, &picture_box}) {
    const std::string before = LookOf(*e);
    e->Move(e->Left() + T(7), e->Top() + T(3), e->Width(), e->Height());
    EXPECT_EQ(LookOf(*e), before) << e->Name() << " moved";
  }
  // What is drawn on a box is not part of its look: such a box is never kept.
  window.Add<Shape>("inside", -1, &picture_box);
  EXPECT_TRUE(LookOf(picture_box).empty());
  EXPECT_TRUE(LookOf(window.Add<Line>("line")).empty());
}

TEST_F(Drawing, FrameHoldsItsElementsRelativeToItself) {
  Frame& frame = window.Add<Frame>("frame");
  frame.Move(T(100), T(100), T(200), T(150));
  frame.SetBackColor(kWhite);
  Shape& inside = window.Add<Shape>("inside", -1, &frame);
  inside.Move(T(20), T(40), T(30), T(30));
  inside.SetFillOpaque(true);
  inside.SetFillColor(kRed);
  PictureBox& box = window.Add<PictureBox>("box", -1, &frame);
  box.Move(T(100), T(40), T(30), T(30));
  box.SetBackColor(kGreen);
  Open();
  QImage shot = Shot();
  EXPECT_EQ(At(shot, 135, 155), Hex(kRed));
  EXPECT_EQ(At(shot, 215, 155), Hex(kGreen));
  EXPECT_EQ(At(shot, 35, 55), Hex(kBack));

  frame.SetVisible(false);
  shot = Shot();
  EXPECT_EQ(At(shot, 135, 155), Hex(kBack));
  EXPECT_EQ(At(shot, 215, 155), Hex(kBack));
}

}  // namespace
}  // namespace hc::qt

#include <windows.h>

#include "gdiplus_include.h"
//
#include "gdi.h"
#include "model/coverage.h"
#include "model/hit_test.h"
#include "model/picture_fit.h"
#include "painting.h"
#include "pictures.h"

namespace hc::win32 {

namespace {

Gdiplus::Color ToGdiplus(Color c) {
  return Gdiplus::Color(255, static_cast<BYTE>(RedOf(c)), static_cast<BYTE>(GreenOf(c)),
                        static_cast<BYTE>(BlueOf(c)));
}

// Anti-aliased drawing where a pixel covers [x, x+1): the same geometry as elsewhere.
// Held to the part being repainted: an edge drawn again over itself would grow darker.
void Prepare(Gdiplus::Graphics& g, const RECT& dirty) {
  g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  g.SetClip(
      Gdiplus::Rect(dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top));
}

// Blends `colour` over the pixels by how much of each the shape covers. GDI+ gives hard
// edges on some systems (Wine's draws no smooth curves or lines): the smoothing is ours.
void Blend(HDC dc, const Coverage& c, Color colour) {
  if (c.box.Empty()) return;
  BITMAPINFO info{};
  info.bmiHeader = {
      sizeof(BITMAPINFOHEADER), c.box.width, -c.box.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return;
  // Premultiplied: each channel already scaled by its pixel's coverage.
  auto* p = static_cast<std::uint8_t*>(bits);
  for (const std::uint8_t a : c.alpha) {
    *p++ = static_cast<std::uint8_t>(BlueOf(colour) * a / 255);
    *p++ = static_cast<std::uint8_t>(GreenOf(colour) * a / 255);
    *p++ = static_cast<std::uint8_t>(RedOf(colour) * a / 255);
    *p++ = a;
  }
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap);
  const BLENDFUNCTION over{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc, c.box.left, c.box.top, c.box.width, c.box.height, source, 0, 0, c.box.width,
                c.box.height, over);
  SelectObject(source, old);
  DeleteDC(source);
  DeleteObject(bitmap);
}

void PaintCircle(HDC dc, const RECT& dirty, const Shape& s, const DeviceScale& scale) {
  const PixelBox b = scale.Bounds(s);
  // Held to the part being repainted: an edge blended again over itself would grow darker.
  IntersectClipRect(dc, dirty.left, dirty.top, dirty.right, dirty.bottom);
  const double width = s.BorderStyle() != 0 ? scale.Scaled(s.BorderWidth()) : 0;
  if (s.FillOpaque()) {
    // The fill reaches the middle of the outline, as the outline's centre line runs there.
    const double half = width / 2;
    Blend(dc, EllipseCoverage(b.left + half, b.top + half, b.width - width, b.height - width, 0),
          s.FillColor());
  }
  if (width > 0)
    Blend(dc, EllipseCoverage(b.left, b.top, b.width, b.height, width), s.BorderColor());
}

void PaintShape(HDC dc, const RECT& dirty, const Shape& s, const DeviceScale& scale) {
  if (s.Kind2() == ShapeKind::kCircle) {
    PaintCircle(dc, dirty, s, scale);
    return;
  }
  const PixelBox b = scale.Bounds(s);
  const bool outlined = s.BorderStyle() != 0;
  const auto width = static_cast<float>(scale.Scaled(s.BorderWidth()));
  // The outline lies inside the bounds: its centre line is half its width in.
  const float half = outlined ? width / 2.0f : 0.0f;
  const Gdiplus::RectF path(static_cast<float>(b.left) + half, static_cast<float>(b.top) + half,
                            static_cast<float>(b.width) - 2 * half,
                            static_cast<float>(b.height) - 2 * half);
  Gdiplus::Graphics g(dc);
  Prepare(g, dirty);
  if (s.FillOpaque()) {
    Gdiplus::SolidBrush brush(ToGdiplus(s.FillColor()));
    g.FillRectangle(&brush, path);
  }
  if (outlined) {
    Gdiplus::Pen pen(ToGdiplus(s.BorderColor()), width);
    pen.SetLineJoin(Gdiplus::LineJoinMiter);
    g.DrawRectangle(&pen, path);
  }
}

void PaintLine(HDC dc, const RECT& dirty, const Line& l, const DeviceScale& scale) {
  const double k = scale.TwipsPerPixel();
  IntersectClipRect(dc, dirty.left, dirty.top, dirty.right, dirty.bottom);
  Blend(
      dc,
      LineCoverage({l.X1() / k, l.Y1() / k}, {l.X2() / k, l.Y2() / k}, scale.Scaled(l.LineWidth())),
      l.LineColor());
}

UINT HorizontalOf(Alignment a) {
  switch (a) {
    case Alignment::kCenter:
      return DT_CENTER;
    case Alignment::kRight:
      return DT_RIGHT;
    default:
      return DT_LEFT;
  }
}

void PaintLabel(HDC dc, const Label& l, const DeviceScale& scale) {
  RECT r = ToRect(scale.Bounds(l));
  if (!l.Transparent()) {
    HBRUSH back = CreateSolidBrush(ToColorRef(l.BackColor()));
    FillRect(dc, &r, back);
    DeleteObject(back);
  }
  HGDIOBJ old_font = SelectObject(dc, FontHandle(l.GetFont(), scale));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, l.Enabled() ? ToColorRef(l.ForeColor()) : RGB(128, 128, 128));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  // A label one line high keeps its text on that line, clipped, rather than wrapping a
  // second line below its bounds over whatever lies there.
  const bool wraps = r.bottom - r.top >= 2 * metrics.tmHeight;
  const std::wstring text = DisplayText(l.Text());
  DrawTextW(
      dc, text.c_str(), static_cast<int>(text.size()), &r,
      HorizontalOf(l.Align()) | DT_TOP | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, old_font);
}

// Copies (part of) a picture's bitmap: at its own size when it fits, scaled smoothly when not.
void DrawBitmap(HDC dc, HBITMAP bitmap, const PixelBox& target, int width, int height) {
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap);
  if (target.width == width && target.height == height) {
    BitBlt(dc, target.left, target.top, width, height, source, 0, 0, SRCCOPY);
  } else {
    const int mode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, target.left, target.top, target.width, target.height, source, 0, 0, width,
               height, SRCCOPY);
    SetStretchBltMode(dc, mode);
  }
  SelectObject(source, old);
  DeleteDC(source);
}

// A picture shown at its natural size takes as much of a denser screen as of any other.
PixelBox NaturalSize(const Picture& picture, const DeviceScale& scale) {
  return {0, 0, scale.Pixels(picture->WidthPx()), scale.Pixels(picture->HeightPx())};
}

void PaintPicture(HDC dc, const PixelBox& box, const PictureElement& e, const DeviceScale& scale) {
  const Picture& picture = e.GetPicture();
  HBITMAP bitmap = BitmapOf(picture);
  if (!bitmap || box.Empty()) return;
  const PixelBox natural = NaturalSize(picture, scale);
  PixelBox target = PictureTarget(box.width, box.height, natural.width, natural.height, e.Stretch(),
                                  e.CentreFit());
  target.left += box.left;
  target.top += box.top;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, box.left, box.top, box.Right(), box.Bottom());
  DrawBitmap(dc, bitmap, target, picture->WidthPx(), picture->HeightPx());
  RestoreDC(dc, saved);
}

void Fill(HDC dc, const RECT& r, Color c) {
  HBRUSH brush = CreateSolidBrush(ToColorRef(c));
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void PaintFrame(HDC dc, SIZE size, const Frame& frame, const DeviceScale& scale) {
  const RECT all{0, 0, size.cx, size.cy};
  Fill(dc, all, frame.BackColor());
  HGDIOBJ old_font = SelectObject(dc, FontHandle(frame.GetFont(), scale));
  const std::wstring caption = DisplayText(frame.Text());
  SIZE text{0, 0};
  if (!caption.empty())
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
  RECT border{0, text.cy / 2, size.cx, size.cy};
  DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
  if (!caption.empty()) {
    const int indent = scale.Pixels(6), margin = scale.Pixels(4);
    RECT box{indent, 0, indent + text.cx + margin, text.cy};
    Fill(dc, box, frame.BackColor());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(frame.ForeColor()));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  SelectObject(dc, old_font);
}

void PaintFace(HDC dc, const RECT& dirty, SIZE size, const Window& window, const Element* owner,
               const DeviceScale& scale) {
  if (!owner) {
    Fill(dc, dirty, window.BackColor());
    // The window's picture keeps its own size from the top-left corner.
    if (HBITMAP bitmap = BitmapOf(window.GetPicture())) {
      const Picture& picture = window.GetPicture();
      const int saved = SaveDC(dc);
      IntersectClipRect(dc, dirty.left, dirty.top, dirty.right, dirty.bottom);
      DrawBitmap(dc, bitmap, NaturalSize(picture, scale), picture->WidthPx(), picture->HeightPx());
      RestoreDC(dc, saved);
    }
    return;
  }
  if (owner->Kind() == ElementKind::kFrame) {
    PaintFrame(dc, size, static_cast<const Frame&>(*owner), scale);
    return;
  }
  const auto& box = static_cast<const PictureElement&>(*owner);
  Fill(dc, dirty, box.BackColor());
  PaintPicture(dc, {0, 0, size.cx, size.cy}, box, scale);
}

void PaintDrawn(HDC dc, const RECT& dirty, const Element& e, const DeviceScale& scale) {
  switch (e.Kind()) {
    case ElementKind::kShape:
      PaintShape(dc, dirty, static_cast<const Shape&>(e), scale);
      break;
    case ElementKind::kLine:
      PaintLine(dc, dirty, static_cast<const Line&>(e), scale);
      break;
    case ElementKind::kLabel:
      PaintLabel(dc, static_cast<const Label&>(e), scale);
      break;
    case ElementKind::kImage:
      PaintPicture(dc, scale.Bounds(e), static_cast<const PictureElement&>(e), scale);
      break;
    default:
      break;
  }
}

}  // namespace

void PaintSurface(HDC dc, const RECT& dirty, SIZE size, const Window& window, const Element* owner,
                  const DeviceScale& scale) {
  EnsureGdiplus();
  PaintFace(dc, dirty, size, window, owner, scale);
  const PixelBox dirty_box{dirty.left, dirty.top, dirty.right - dirty.left,
                           dirty.bottom - dirty.top};
  for (const Element* e : window.Stacking()) {
    if (!DrawnOn(*e, owner) || !e->Visible()) continue;
    // The parts a tick changes lie far apart: what lies between them is not repainted.
    if (!dirty_box.Intersects(scale.Dirty(ToContainer(*e, e->Extent())))) continue;
    const int saved = SaveDC(dc);
    PaintDrawn(dc, dirty, *e, scale);
    RestoreDC(dc, saved);
  }
}

}  // namespace hc::win32

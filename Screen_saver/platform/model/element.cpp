#include "element.h"

#include <algorithm>
#include <cmath>

#include "window.h"

namespace hc {

Element::Element(Window& window, ElementKind kind, std::string name, int index, Element* container)
    : window_(window), kind_(kind), name_(std::move(name)), index_(index), container_(container) {}

bool Element::Windowed() const {
  switch (kind_) {
    case ElementKind::kShape:
    case ElementKind::kLine:
    case ElementKind::kLabel:
    case ElementKind::kImage:
    case ElementKind::kTimer:
      return false;
    default:
      return true;
  }
}

void Element::Change(const std::function<void()>& apply) {
  const RectTwips before = ShownExtent();
  apply();
  if (WindowObserver* o = window_.Observer()) o->ElementChanged(*this, before);
}

void Element::SetLeft(double v) {
  Assign(left_, v);
}
void Element::SetTop(double v) {
  Assign(top_, v);
}
void Element::SetWidth(double v) {
  Assign(width_, v);
}
void Element::SetHeight(double v) {
  Assign(height_, v);
}
void Element::Move(double left, double top, double width, double height) {
  if (Unchanged(left == left_ && top == top_ && width == width_ && height == height_)) return;
  Change([&] {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
  });
}
void Element::SetVisible(bool v) {
  Assign(visible_, v);
}
void Element::SetEnabled(bool v) {
  Assign(enabled_, v);
}

RectTwips Element::Extent() const {
  RectTwips r{left_, top_, width_, height_};
  for (const Element* c = container_; c; c = c->Container()) r = r.Translated(c->Left(), c->Top());
  return r;
}

bool Element::ShownOnWindow() const {
  for (const Element* e = this; e; e = e->Container())
    if (!e->Visible()) return false;
  return kind_ != ElementKind::kTimer;
}

RectTwips Element::ShownExtent() const {
  return ShownOnWindow() ? Extent() : RectTwips{};
}

void Element::UserClick() {
  if (enabled_) RunClick();
}

// Shape ---------------------------------------------------------------------------------

void Shape::CopyFrom(const Shape& o) {
  Change([&] {
    shape_ = o.shape_;
    fill_color_ = o.fill_color_;
    fill_opaque_ = o.fill_opaque_;
    border_color_ = o.border_color_;
    border_width_ = o.border_width_;
    border_style_ = o.border_style_;
  });
  Move(o.Left(), o.Top(), o.Width(), o.Height());
}
void Shape::SetShape(ShapeKind k) {
  Assign(shape_, k);
}
void Shape::SetFillColor(Color c) {
  Assign(fill_color_, c);
}
void Shape::SetFillOpaque(bool opaque) {
  Assign(fill_opaque_, opaque);
}
void Shape::SetBorderColor(Color c) {
  Assign(border_color_, c);
}
void Shape::SetBorderWidth(int px) {
  Assign(border_width_, std::max(1, px));
}
void Shape::SetBorderStyle(int style) {
  Assign(border_style_, style);
}

RectTwips Shape::Extent() const {
  // A thick outline is drawn inside the bounds; one pixel of slack covers anti-aliasing.
  const RectTwips r = Element::Extent();
  const double pad = kTwipsPerPixel;
  return {r.left - pad, r.top - pad, r.width + 2 * pad, r.height + 2 * pad};
}

// Line ----------------------------------------------------------------------------------

void Line::SetX1(double v) {
  Assign(x1_, v);
}
void Line::SetY1(double v) {
  Assign(y1_, v);
}
void Line::SetX2(double v) {
  Assign(x2_, v);
}
void Line::SetY2(double v) {
  Assign(y2_, v);
}
void Line::SetPoints(double x1, double y1, double x2, double y2) {
  if (Unchanged(x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_)) return;
  Change([&] {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
  });
}
void Line::SetLineColor(Color c) {
  Assign(color_, c);
}
void Line::SetLineWidth(int px) {
  Assign(width_px_, std::max(1, px));
}

RectTwips Line::Extent() const {
  double dx = 0, dy = 0;
  for (const Element* c = Container(); c; c = c->Container()) {
    dx += c->Left();
    dy += c->Top();
  }
  const double pad = (width_px_ / 2.0 + 1) * kTwipsPerPixel;
  const double l = std::min(x1_, x2_) - pad, t = std::min(y1_, y2_) - pad;
  return {l + dx, t + dy, std::abs(x2_ - x1_) + 2 * pad, std::abs(y2_ - y1_) + 2 * pad};
}

// Texts ---------------------------------------------------------------------------------

void TextElement::SetText(std::string text) {
  Assign(text_, std::move(text));
}
void TextElement::SetFont(const Font& f) {
  Assign(font_, f);
}
void TextElement::SetFontName(std::string name) {
  Font f = font_;
  f.SetName(std::move(name));
  SetFont(f);
}
void TextElement::SetFontSize(double points) {
  Font f = font_;
  f.SetSize(points);
  SetFont(f);
}
void TextElement::SetFontBold(bool bold) {
  Font f = font_;
  f.SetBold(bold);
  SetFont(f);
}
void TextElement::SetForeColor(Color c) {
  Assign(fore_color_, c);
}
void TextElement::SetBackColor(Color c) {
  Assign(back_color_, c);
}
void TextElement::SetAlign(Alignment a) {
  Assign(alignment_, a);
}

void Label::SetTransparent(bool t) {
  Assign(transparent_, t);
}

void TextBox::SetReadOnly(bool r) {
  Assign(read_only_, r);
}
void TextBox::SetBorder(bool b) {
  Assign(border_, b);
}
void TextBox::UserEdit(std::string text) {
  if (!Enabled() || read_only_) return;
  SetText(std::move(text));
  if (on_change) on_change();
}

void Button::SetDefault(bool d) {
  Assign(default_, d);
}
void Button::SetCancel(bool c) {
  Assign(cancel_, c);
}

void OptionButton::SetValue(bool selected) {
  if (!selected) {
    Assign(value_, false);
    return;
  }
  for (const auto& e : Owner().Elements()) {
    if (e.get() == this || e->Kind() != ElementKind::kOptionButton) continue;
    auto* other = static_cast<OptionButton*>(e.get());
    if (other->Container() == Container() && other->value_) other->SetValue(false);
  }
  Assign(value_, true);
  RunClick();
}
void OptionButton::UserClick() {
  if (Enabled()) SetValue(true);
}

void CheckBox::SetValue(int state) {
  if (state == value_) return;
  Assign(value_, state);
  RunClick();
}
void CheckBox::UserClick() {
  if (Enabled()) SetValue(value_ == 1 ? 0 : 1);
}

// Pictures ------------------------------------------------------------------------------

void PictureElement::SetPicture(Picture p) {
  Assign(picture_, std::move(p));
}
void PictureElement::SetStretch(bool s) {
  Assign(stretch_, s);
}
void PictureElement::SetCentreFit(bool c) {
  Assign(centre_fit_, c);
}
void PictureElement::SetBackColor(Color c) {
  Assign(back_color_, c);
}

void Timer::SetInterval(std::int64_t ms) {
  Assign(interval_, std::clamp<std::int64_t>(ms, 0, kMaxTimerInterval));
}

void DriveList::SetDrive(std::string drive) {
  if (drive == drive_) return;
  Assign(drive_, std::move(drive));
  if (on_change) on_change();
}

void DirList::SetPath(std::string path) {
  if (path == path_) return;
  Assign(path_, std::move(path));
  if (on_change) on_change();
}

void FileList::SetPath(std::string path) {
  Change([&] {
    path_ = std::move(path);
    file_name_.clear();
  });
}
void FileList::SetPattern(std::string pattern) {
  Assign(pattern_, std::move(pattern));
}
void FileList::SetFileName(std::string name) {
  Assign(file_name_, std::move(name));
}

}  // namespace hc

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
  Change([&] { left_ = v; });
}
void Element::SetTop(double v) {
  Change([&] { top_ = v; });
}
void Element::SetWidth(double v) {
  Change([&] { width_ = v; });
}
void Element::SetHeight(double v) {
  Change([&] { height_ = v; });
}
void Element::Move(double left, double top, double width, double height) {
  Change([&] {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
  });
}
void Element::SetVisible(bool v) {
  Change([&] { visible_ = v; });
}
void Element::SetEnabled(bool v) {
  Change([&] { enabled_ = v; });
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
  Change([&] { shape_ = k; });
}
void Shape::SetFillColor(Color c) {
  Change([&] { fill_color_ = c; });
}
void Shape::SetFillOpaque(bool opaque) {
  Change([&] { fill_opaque_ = opaque; });
}
void Shape::SetBorderColor(Color c) {
  Change([&] { border_color_ = c; });
}
void Shape::SetBorderWidth(int px) {
  Change([&] { border_width_ = std::max(1, px); });
}
void Shape::SetBorderStyle(int style) {
  Change([&] { border_style_ = style; });
}

RectTwips Shape::Extent() const {
  // A thick outline is drawn inside the bounds; one pixel of slack covers anti-aliasing.
  const RectTwips r = Element::Extent();
  const double pad = kTwipsPerPixel;
  return {r.left - pad, r.top - pad, r.width + 2 * pad, r.height + 2 * pad};
}

// Line ----------------------------------------------------------------------------------

void Line::SetX1(double v) {
  Change([&] { x1_ = v; });
}
void Line::SetY1(double v) {
  Change([&] { y1_ = v; });
}
void Line::SetX2(double v) {
  Change([&] { x2_ = v; });
}
void Line::SetY2(double v) {
  Change([&] { y2_ = v; });
}
void Line::SetPoints(double x1, double y1, double x2, double y2) {
  Change([&] {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
  });
}
void Line::SetLineColor(Color c) {
  Change([&] { color_ = c; });
}
void Line::SetLineWidth(int px) {
  Change([&] { width_px_ = std::max(1, px); });
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
  Change([&] { text_ = std::move(text); });
}
void TextElement::SetFont(const Font& f) {
  Change([&] { font_ = f; });
}
void TextElement::SetFontName(std::string name) {
  Change([&] { font_.SetName(std::move(name)); });
}
void TextElement::SetFontSize(double points) {
  Change([&] { font_.SetSize(points); });
}
void TextElement::SetFontBold(bool bold) {
  Change([&] { font_.SetBold(bold); });
}
void TextElement::SetForeColor(Color c) {
  Change([&] { fore_color_ = c; });
}
void TextElement::SetBackColor(Color c) {
  Change([&] { back_color_ = c; });
}
void TextElement::SetAlign(Alignment a) {
  Change([&] { alignment_ = a; });
}

void Label::SetTransparent(bool t) {
  Change([&] { transparent_ = t; });
}

void TextBox::SetReadOnly(bool r) {
  Change([&] { read_only_ = r; });
}
void TextBox::SetBorder(bool b) {
  Change([&] { border_ = b; });
}
void TextBox::UserEdit(std::string text) {
  if (!Enabled() || read_only_) return;
  SetText(std::move(text));
  if (on_change) on_change();
}

void Button::SetDefault(bool d) {
  Change([&] { default_ = d; });
}
void Button::SetCancel(bool c) {
  Change([&] { cancel_ = c; });
}

void OptionButton::SetValue(bool selected) {
  if (!selected) {
    Change([&] { value_ = false; });
    return;
  }
  for (const auto& e : Owner().Elements()) {
    if (e.get() == this || e->Kind() != ElementKind::kOptionButton) continue;
    auto* other = static_cast<OptionButton*>(e.get());
    if (other->Container() == Container() && other->value_) other->SetValue(false);
  }
  Change([&] { value_ = true; });
  RunClick();
}
void OptionButton::UserClick() {
  if (Enabled()) SetValue(true);
}

void CheckBox::SetValue(int state) {
  if (state == value_) return;
  Change([&] { value_ = state; });
  RunClick();
}
void CheckBox::UserClick() {
  if (Enabled()) SetValue(value_ == 1 ? 0 : 1);
}

// Pictures ------------------------------------------------------------------------------

void PictureElement::SetPicture(Picture p) {
  Change([&] { picture_ = std::move(p); });
}
void PictureElement::SetStretch(bool s) {
  Change([&] { stretch_ = s; });
}
void PictureElement::SetCentreFit(bool c) {
  Change([&] { centre_fit_ = c; });
}
void PictureElement::SetBackColor(Color c) {
  Change([&] { back_color_ = c; });
}

void Timer::SetInterval(std::int64_t ms) {
  Change([&] { interval_ = std::clamp<std::int64_t>(ms, 0, kMaxTimerInterval); });
}

void DriveList::SetDrive(std::string drive) {
  if (drive == drive_) return;
  Change([&] { drive_ = std::move(drive); });
  if (on_change) on_change();
}

void DirList::SetPath(std::string path) {
  if (path == path_) return;
  Change([&] { path_ = std::move(path); });
  if (on_change) on_change();
}

void FileList::SetPath(std::string path) {
  Change([&] {
    path_ = std::move(path);
    file_name_.clear();
  });
}
void FileList::SetPattern(std::string pattern) {
  Change([&] { pattern_ = std::move(pattern); });
}
void FileList::SetFileName(std::string name) {
  Change([&] { file_name_ = std::move(name); });
}

}  // namespace hc
